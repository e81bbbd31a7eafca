// Reading the carrier data: BSON documents built with libbson, and package.json files on disk.
#include <gtest/gtest.h>

#include <bson/bson.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "tools/carrier_source.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

// The bytes of a BSON document that fill() builds.
template <typename Fill>
std::string Bson(Fill fill) {
    bson_t* doc = bson_new();
    fill(doc);
    std::string bytes(reinterpret_cast<const char*>(bson_get_data(doc)), doc->len);
    bson_destroy(doc);
    return bytes;
}

TEST(ParseCarrierBson, ReadsEveryPrefixAndItsName) {
    const std::string bytes = Bson([](bson_t* d) {
        BSON_APPEND_UTF8(d, "9012", "KDDI");
        BSON_APPEND_UTF8(d, "701", "NTT Docomo");
    });
    EXPECT_EQ(datagen::ParseCarrierBson(bytes),
              (datagen::CarrierPrefixes{{"701", "NTT Docomo"}, {"9012", "KDDI"}}));
}

struct BadBson {
    const char* title;
    friend void PrintTo(const BadBson& c, std::ostream* os) { *os << c.title; }
    std::string bytes;
};

class ParseCarrierBsonRefuses : public ::testing::TestWithParam<BadBson> {};

TEST_P(ParseCarrierBsonRefuses, WithAnError) {
    EXPECT_THROW(datagen::ParseCarrierBson(GetParam().bytes), std::runtime_error);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ParseCarrierBsonRefuses,
    ::testing::Values(
        BadBson{"bytes that are no document", "not bson"},
        BadBson{"a document cut short", Bson([](bson_t* d) { BSON_APPEND_UTF8(d, "901", "KDDI"); }).substr(0, 9)},
        BadBson{"a prefix with letters", Bson([](bson_t* d) { BSON_APPEND_UTF8(d, "90x", "KDDI"); })},
        BadBson{"an empty prefix", Bson([](bson_t* d) { BSON_APPEND_UTF8(d, "", "KDDI"); })},
        BadBson{"a name that is a number", Bson([](bson_t* d) { BSON_APPEND_INT32(d, "901", 7); })},
        BadBson{"an empty name", Bson([](bson_t* d) { BSON_APPEND_UTF8(d, "901", ""); })},
        BadBson{"the same prefix twice", Bson([](bson_t* d) {
                    BSON_APPEND_UTF8(d, "901", "KDDI");
                    BSON_APPEND_UTF8(d, "901", "Softbank");
                })}));

TEST(ReadSourcePackage, TakesNameVersionAndLicenceFromPackageJson) {
    test_support::TempDir dir;
    dir.Write("package.json", R"({"name": "some-data", "version": "4.5.6", "license": "MIT", "main": "x.js"})");
    const datagen::SourcePackage package = datagen::ReadSourcePackage(dir.path().string());
    EXPECT_EQ(package.name, "some-data");
    EXPECT_EQ(package.version, "4.5.6");
    EXPECT_EQ(package.license, "MIT");
}

TEST(ReadSourcePackage, RefusesAPackageJsonWithoutAVersionOrNotJson) {
    test_support::TempDir noVersion;
    noVersion.Write("package.json", R"({"name": "some-data", "license": "MIT"})");
    EXPECT_THROW(datagen::ReadSourcePackage(noVersion.path().string()), std::runtime_error);
    test_support::TempDir broken;
    broken.Write("package.json", "{name: ");
    EXPECT_THROW(datagen::ReadSourcePackage(broken.path().string()), std::runtime_error);
    test_support::TempDir missing;
    EXPECT_THROW(datagen::ReadSourcePackage(missing.path().string()), std::runtime_error);
}

}  // namespace
}  // namespace milden
