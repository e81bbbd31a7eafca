// The answer of every four-digit block of the three ranges, as the window gives it: what
// milden-lookup --dump lists, what --diff compares and what a batch of whole numbers prints.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lookup_session.h"

namespace milden {

// The name text of every block, 090-0000 to 090-9999, then 080, then 070: entry
// OrdinalOf(range) * kBlocksPerRange + block.
std::vector<std::u16string> AnswerEveryBlock(const LookupSession& session);

}  // namespace milden
