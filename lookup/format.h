// The one home of what the data file and the answers fix: the three number ranges with their
// section keys, table bounds, marks and answer texts, and the fixed words of every answer. The
// reader, the lookup, the command line, the generator, the benchmarks and the fuzzers read them
// from here.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace milden {

// The three number ranges, in the order of the window's option buttons tolvaselect(0..2).
enum class Range : std::uint8_t { k090, k080, kPhs };

inline constexpr std::array<Range, 3> kAllRanges{Range::k090, Range::k080, Range::kPhs};

constexpr std::size_t OrdinalOf(Range range) { return static_cast<std::size_t>(range); }

// The three kinds of section each range has.
enum class SectionKind : std::uint8_t { PrefixTable, ExceptionList, OperatorList };

struct RangeFormat {
    Range range;
    std::string_view digits;            // "090": the range as typed before the four digits
    std::string_view prefixTableKey;    // section header items, ASCII
    std::string_view exceptionListKey;
    std::string_view operatorListKey;
    int indexCount;                     // first digits the prefix table holds: 0 .. indexCount - 1
    std::string_view exceptionMark;     // cell code that defers to the exception list
    std::string_view unknownMark;       // cell code that answers "unknown"
    std::u16string_view headerPrefix;   // first line of the answer: prefix, typed text, suffix
    std::u16string_view headerSuffix;
};

inline constexpr std::array<RangeFormat, 3> kRangeFormats{{
    {Range::k090, "090", "keitai_tolva_num{", "hash_keitai_tolva_num{", "keitai_tolvas{", 10, "40", "81",
     u"090-", u"-****の携帯電話のキャリアは"},
    {Range::k080, "080", "keitai_tolva_num080{", "hash_keitai_tolva_num080{", "keitai_tolvas080{", 6, "40", "50",
     u"080-", u"-****の携帯電話のキャリアは"},
    {Range::kPhs, "070", "phs_tolva_num{", "hash_phs_tolva_num{", "phs_tolvas{", 7, "30", "40",
     u"070-", u"-****のPHSのキャリアは"},
}};

constexpr const RangeFormat& FormatOf(Range range) { return kRangeFormats[OrdinalOf(range)]; }

// Each typed digit takes one of ten values, 0 to 9.
inline constexpr int kDigitValues = 10;

// A block of a prefix table has ten rows (second digit) of ten cells (third digit); its index is
// the first digit. A cell's slot in a range is its three digits read as a number, 0 to 999.
inline constexpr int kRowsPerBlock = kDigitValues;
inline constexpr int kCellsPerRow = kDigitValues;
inline constexpr int kCellsPerBlock = kRowsPerBlock * kCellsPerRow;
constexpr int CellSlot(int index, int row, int column) { return (index * kRowsPerBlock + row) * kCellsPerRow + column; }
constexpr int CellCount(Range range) { return FormatOf(range).indexCount * kCellsPerBlock; }
// The digits of a cell slot: {index, row, column}.
constexpr std::array<int, 3> CellOfSlot(int slot) {
    return {slot / kCellsPerBlock, slot / kCellsPerRow % kRowsPerBlock, slot % kCellsPerRow};
}

// The four digits after a range name one of its 10,000 blocks of numbers; a cell covers ten of
// them (the fourth digit), a first digit (a prefix table's index) 1,000.
inline constexpr std::size_t kTypedDigits = 4;
inline constexpr std::size_t kBlocksPerRange = 10000;
inline constexpr std::size_t kBlocksPerCell = kDigitValues;
inline constexpr std::size_t kBlocksPerIndex = kCellsPerBlock * kBlocksPerCell;

// The block that four ASCII digits name: "0123" is block 123. The inverse of FourDigits.
template <typename Char>
constexpr std::size_t BlockOfDigits(std::basic_string_view<Char> fourDigits) {
    std::size_t block = 0;
    for (const Char digit : fourDigits) block = block * kDigitValues + static_cast<std::size_t>(digit - Char('0'));
    return block;
}
constexpr std::size_t BlockOf(std::string_view fourDigits) { return BlockOfDigits(fourDigits); }
constexpr std::size_t BlockOf(std::u16string_view fourDigits) { return BlockOfDigits(fourDigits); }

// The block a text names when it is exactly four ASCII digits (the only keys a search asks an
// exception list for); kNoBlock for any other text.
inline constexpr std::size_t kNoBlock = kBlocksPerRange;
template <typename Char>
constexpr std::size_t BlockNamedBy(std::basic_string_view<Char> text) {
    if (text.size() != kTypedDigits) return kNoBlock;
    for (const Char c : text) {
        if (c < Char('0') || c > Char('9')) return kNoBlock;
    }
    return BlockOfDigits(text);
}

// A code names one operator by two digits (group, position), or two operators by four. Its
// digits reach ten groups of ten names each.
inline constexpr std::size_t kOneOperatorCodeLength = 2;
inline constexpr std::size_t kTwoOperatorCodeLength = 4;
inline constexpr std::size_t kOperatorGroups = kDigitValues;
inline constexpr std::size_t kNamesPerOperatorGroup = kDigitValues;

// An exception list keeps its entries in buckets of numbers that share their first two digits.
inline constexpr std::size_t kExceptionBucketPrefixLength = 2;
constexpr bool IsCodeForm(std::u16string_view code) {
    return (code.size() == kOneOperatorCodeLength || code.size() == kTwoOperatorCodeLength) &&
           std::all_of(code.begin(), code.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// Block (0 to 9999) or cell slot (0 to 99) written as the digits typed for it: "0123", "07".
template <typename String = std::string>
String FourDigits(std::size_t block) {
    using Char = typename String::value_type;
    return {Char('0' + block / 1000 % 10), Char('0' + block / 100 % 10), Char('0' + block / 10 % 10), Char('0' + block % 10)};
}
template <typename String = std::string>
String TwoDigits(std::size_t slot) {
    using Char = typename String::value_type;
    return {Char('0' + slot / 10 % 10), Char('0' + slot % 10)};
}

// What the item reader cuts items at: a comma or a line end (CR LF, LF or CR); an item that
// begins with a double quote runs to the next one.
inline constexpr char kItemSeparator = ',';
inline constexpr char kQuote = '"';
constexpr bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Items and characters with a meaning of their own inside sections. The item reader knows only
// commas, line ends and double quotes; these are read by the section readers.
inline constexpr std::string_view kSectionEnd = "}";  // ends any section
inline constexpr std::string_view kBlockEnd = "]";    // ends a prefix-table block
inline constexpr std::string_view kIndexKeyword = "index=";  // "index=N[label" opens block N
inline constexpr char kLabelStart = '[';
inline constexpr char kRowEnd = ';';       // anywhere in an item: ends a row or an operator group
inline constexpr char kCommentStart = '#';  // an item that begins with it stores nothing

// The readers' indexes and counters are 16-bit: they stop at this value instead of overflowing.
inline constexpr std::int16_t kCounterMax = std::numeric_limits<std::int16_t>::max();

// Text (decoded, or the file's bytes) equals a mark or keyword (ASCII) character for character.
constexpr bool IsMark(std::u16string_view text, std::string_view mark) {
    return std::equal(text.begin(), text.end(), mark.begin(), mark.end(),
                      [](char16_t t, char m) { return t == static_cast<unsigned char>(m); });
}
constexpr bool IsMark(std::string_view text, std::string_view mark) { return text == mark; }

struct SectionKey {
    std::string_view key;
    Range range;
    SectionKind kind;
};

// The nine section header items, in the order the dispatcher tests them.
inline constexpr std::array<SectionKey, 9> kSectionKeys{{
    {kRangeFormats[0].prefixTableKey, Range::k090, SectionKind::PrefixTable},
    {kRangeFormats[0].exceptionListKey, Range::k090, SectionKind::ExceptionList},
    {kRangeFormats[0].operatorListKey, Range::k090, SectionKind::OperatorList},
    {kRangeFormats[1].prefixTableKey, Range::k080, SectionKind::PrefixTable},
    {kRangeFormats[1].exceptionListKey, Range::k080, SectionKind::ExceptionList},
    {kRangeFormats[1].operatorListKey, Range::k080, SectionKind::OperatorList},
    {kRangeFormats[2].prefixTableKey, Range::kPhs, SectionKind::PrefixTable},
    {kRangeFormats[2].exceptionListKey, Range::kPhs, SectionKind::ExceptionList},
    {kRangeFormats[2].operatorListKey, Range::kPhs, SectionKind::OperatorList},
}};

// The key that item (the file's bytes, or decoded text) equals exactly, or nullptr.
template <typename Text>
constexpr const SectionKey* FindSectionKeyIn(Text item) {
    for (const SectionKey& key : kSectionKeys)
        if (IsMark(item, key.key)) return &key;
    return nullptr;
}
constexpr const SectionKey* FindSectionKey(std::string_view item) { return FindSectionKeyIn(item); }
constexpr const SectionKey* FindSectionKey(std::u16string_view item) { return FindSectionKeyIn(item); }
// The key of a range's section of the given kind.
constexpr const SectionKey& KeyOf(Range range, SectionKind kind) {
    for (const SectionKey& key : kSectionKeys)
        if (key.range == range && key.kind == kind) return key;
    return kSectionKeys[0];
}
// A key's place in kSectionKeys, for tables kept per section.
constexpr std::size_t OrdinalOf(const SectionKey& key) { return static_cast<std::size_t>(&key - kSectionKeys.data()); }

// The data file's name; the tool looks for it in the current directory only.
inline constexpr std::string_view kDataFileName = "sorvane.dat";

// The loader reads no more of a file than this (a real data file is about 12 KB); past it the
// load stops as at a read error, keeping what was stored.
inline constexpr std::size_t kReadLimitBytes = std::size_t{64} << 20;

// The fixed words of the answers.
inline constexpr std::u16string_view kUnknownOperatorText = u"キャリアが不明";
inline constexpr std::u16string_view kOrWord = u"か";
inline constexpr std::u16string_view kAnswerEnd = u"です。";
inline constexpr std::u16string_view kApplicationTitle = u"ミルデン";

}  // namespace milden
