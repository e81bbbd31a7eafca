// The one home of what the data file and the answers fix: the three number ranges with their
// section keys, table bounds, marks and answer texts, and the fixed words of every answer. The
// reader, the lookup, the command line, the generator, the benchmarks and the fuzzers read them
// from here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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
    std::uint8_t rangeType;             // the exception search's name for the range
};

inline constexpr std::array<RangeFormat, 3> kRangeFormats{{
    {Range::k090, "090", "keitai_tolva_num{", "hash_keitai_tolva_num{", "keitai_tolvas{", 10, "40", "81",
     u"090-", u"-****の携帯電話のキャリアは", 0},
    {Range::k080, "080", "keitai_tolva_num080{", "hash_keitai_tolva_num080{", "keitai_tolvas080{", 6, "40", "50",
     u"080-", u"-****の携帯電話のキャリアは", 1},
    {Range::kPhs, "070", "phs_tolva_num{", "hash_phs_tolva_num{", "phs_tolvas{", 7, "30", "40",
     u"070-", u"-****のPHSのキャリアは", 2},
}};

constexpr const RangeFormat& FormatOf(Range range) { return kRangeFormats[OrdinalOf(range)]; }

// A block of a prefix table has ten rows (second digit) of ten cells (third digit).
inline constexpr int kRowsPerBlock = 10;
inline constexpr int kCellsPerRow = 10;

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
