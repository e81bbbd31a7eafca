// Writes the planned ranges as the text of sorvane.dat, and encodes it for the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/block_plan.h"
#include "lookup/cp932.h"
#include "tools/carrier_source.h"

namespace milden::datagen {

// What the file's header says about its source besides the package itself.
struct SourceNotes {
    std::size_t prefixCount = 0;                   // prefixes in the carrier data
    std::vector<std::string> prefixesOutsideRanges;  // ignored, such as 060 numbers
};

// The whole file as UTF-8 with CR LF line ends: header comments, then for each range its operator
// list, prefix table and exception list. The same input always gives the same text.
std::string DataFileText(const std::vector<RangePlan>& plans, const SourcePackage& package, const SourceNotes& notes);

}  // namespace milden::datagen
