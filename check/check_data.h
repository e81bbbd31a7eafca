// The checker: what a data file's bytes hold that changes answers, loses data or only looks odd,
// found by loading them as the window does and listening to the loader.
#pragma once

#include <string_view>

#include "check/diagnostic.h"

namespace milden::check {

// Checks bytes, the start of a data file: a file that goes on past the read limit is given with at
// least one byte more than kReadLimitBytes. Adds what it finds to diagnostics.
void CheckDataBytes(std::string_view bytes, Diagnostics& diagnostics);

}  // namespace milden::check
