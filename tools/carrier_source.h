// The carrier allocation data that the data-file generator reads: a prefix-to-carrier map from
// the pinned npm package, read with libbson.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace milden::datagen {

// National number prefixes without the leading 0 ("90123" is 090-123...) to English carrier names.
// Ordered, so everything built from it is deterministic.
using CarrierPrefixes = std::map<std::string, std::string, std::less<>>;

// The package that supplies the data, as its package.json names it.
struct SourcePackage {
    std::string name;
    std::string version;
    std::string license;
};

// Parses a BSON document whose keys are digit prefixes and whose values are UTF-8 carrier names.
// Throws std::runtime_error on a malformed document, a key that is not all digits or a value
// that is not a string.
CarrierPrefixes ParseCarrierBson(std::string_view bytes);

// Reads resources/carrier/en/81.bson of the package installed at packageDir.
CarrierPrefixes ReadCarrierPrefixes(const std::string& packageDir);

// Reads name, version and license from packageDir/package.json; throws when one is missing.
SourcePackage ReadSourcePackage(const std::string& packageDir);

// The whole content of a file; throws std::runtime_error when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace milden::datagen
