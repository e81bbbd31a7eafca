// The data file that the lookup fuzzer searches: the bundled file when it was readable at build
// time, followed by a small file that uses every special code of every range.
#pragma once

#include <string>

namespace milden::fuzz {

std::string LookupFuzzDataFile();

}  // namespace milden::fuzz
