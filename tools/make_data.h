// The whole generation: carrier prefixes and their package in, the bytes of sorvane.dat out.
#pragma once

#include <string>
#include <vector>

#include "tools/block_plan.h"
#include "tools/carrier_source.h"
#include "tools/data_file_writer.h"

namespace milden::datagen {

struct GeneratedDataFile {
    std::vector<RangePlan> plans;  // 090, 080, 070
    SourceNotes notes;
    std::string bytes;  // code page 932, CR LF line ends
};

// Plans the three ranges and writes the file. Throws std::runtime_error for a carrier it does not
// know or text it cannot encode. The same prefixes and package always give the same bytes.
GeneratedDataFile MakeDataFile(const CarrierPrefixes& prefixes, const SourcePackage& package);

// The carrier data and package.json of the package installed at packageDir, made into the file.
GeneratedDataFile MakeDataFileFromPackage(const std::string& packageDir);

}  // namespace milden::datagen
