// The main window's search request, from a click on 検　索 or Return in any digit box.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "engine/lookup_session.h"

namespace milden {

// Looks up the text of the digit box of the selected range, whichever box has the focus, trimmed
// of spaces; boxText(i) gives the text of phone_text090(i). Does nothing when no range is selected.
void RunSearchRequest(const LookupSession& session, const RangeOptions& options,
                      const std::function<std::u16string(std::size_t)>& boxText, MessageBoxService& boxes);

}  // namespace milden
