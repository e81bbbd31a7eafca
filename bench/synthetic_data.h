// A large synthetic data file for the load benchmarks.
#pragma once

#include <cstddef>
#include <string>

#include "lookup/cp932.h"

namespace milden::bench {

// About targetBytes of code page 932 text: all nine sections, repeated until the size is
// reached, with comment lines and comment items, quoted items (commas inside), Shift-JIS
// operator names and prefix-table rows far longer than ten cells.
std::string MakeSyntheticDataFile(std::size_t targetBytes);

// A file shaped like the bundled sorvane.dat (every section once, full prefix tables, a few
// dozen exceptions, about 12 KB), for when the bundled file is not there.
std::string MakeBundledLikeDataFile();

}  // namespace milden::bench
