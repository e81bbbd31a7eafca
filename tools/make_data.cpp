#include "tools/make_data.h"

namespace milden::datagen {

GeneratedDataFile MakeDataFile(const CarrierPrefixes& prefixes, const SourcePackage& package) {
    GeneratedDataFile file;
    for (const RangeFormat& range : kRangeFormats) file.plans.push_back(PlanRange(range, prefixes));
    file.notes = {prefixes.size(), PrefixesOutsideRanges(prefixes)};
    file.bytes = EncodeCp932(DataFileText(file.plans, package, file.notes));
    return file;
}

GeneratedDataFile MakeDataFileFromPackage(const std::string& packageDir) {
    return MakeDataFile(ReadCarrierPrefixes(packageDir), ReadSourcePackage(packageDir));
}

}  // namespace milden::datagen
