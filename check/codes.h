// The kinds of diagnostic the checker gives: each has a code, shown in brackets after its
// message and named by --ignore, and a severity.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace milden::check {

// error: the file's answers are not what it seems to say, or data is lost. warning: suspicious
// but no answer changes. note: context for the diagnostic before it.
enum class Severity : std::uint8_t { Note, Warning, Error };

enum class Code : std::uint8_t {
    // The file as a whole
    EmptyFile, Utf8, ByteOrderMark, InvalidShiftJis, ReadLimit,
    // How items were read
    TextAfterQuote, QuoteSpansLines, StrayQuote, FullWidthSeparator, ControlCharacter, CommentComma,
    // Sections
    KeyTypo, StrayItem, OrphanBlock, MissingSection, UnclosedSection, SectionRunOn,
    // Prefix tables
    OutsideBlock, NegativeIndex, IndexPastLast, IndexRepeated, IndexSkipped, IndexOrder, EmptyCell,
    RowLength, MissingSemicolon, BlockRows, CommentedCode, LoneSemicolon,
    // Operator lists
    EmptyName, SemicolonInName, DroppedGroup, CounterLimit,
    // Exception lists
    ShortNumber, MissingCode, ExceptionNumber, RepeatedNumber, UnsearchedNumber, MarkWithoutEntries,
    MarkWithoutList,
    // Codes in cells and exception entries
    CodeForm, UnknownOperator,
};

struct CodeInfo {
    Code code;
    std::string_view name;  // as shown in brackets: "empty-name"
    Severity severity;
};

inline constexpr std::array<CodeInfo, 42> kCodes{{
    {Code::EmptyFile, "empty-file", Severity::Error},
    {Code::Utf8, "utf-8", Severity::Error},
    {Code::ByteOrderMark, "byte-order-mark", Severity::Warning},
    {Code::InvalidShiftJis, "invalid-shift-jis", Severity::Error},
    {Code::ReadLimit, "read-limit", Severity::Error},
    {Code::TextAfterQuote, "text-after-quote", Severity::Error},
    {Code::QuoteSpansLines, "quote-spans-lines", Severity::Error},
    {Code::StrayQuote, "stray-quote", Severity::Error},
    {Code::FullWidthSeparator, "full-width-separator", Severity::Error},
    {Code::ControlCharacter, "control-character", Severity::Error},
    {Code::CommentComma, "comment-comma", Severity::Error},
    {Code::KeyTypo, "key-typo", Severity::Error},
    {Code::StrayItem, "stray-item", Severity::Warning},
    {Code::OrphanBlock, "orphan-block", Severity::Error},
    {Code::MissingSection, "missing-section", Severity::Error},
    {Code::UnclosedSection, "unclosed-section", Severity::Warning},
    {Code::SectionRunOn, "section-run-on", Severity::Error},
    {Code::OutsideBlock, "outside-block", Severity::Error},
    {Code::NegativeIndex, "negative-index", Severity::Error},
    {Code::IndexPastLast, "index-past-last", Severity::Error},
    {Code::IndexRepeated, "index-repeated", Severity::Error},
    {Code::IndexSkipped, "index-skipped", Severity::Error},
    {Code::IndexOrder, "index-order", Severity::Warning},
    {Code::EmptyCell, "empty-cell", Severity::Error},
    {Code::RowLength, "row-length", Severity::Error},
    {Code::MissingSemicolon, "missing-semicolon", Severity::Error},
    {Code::BlockRows, "block-rows", Severity::Error},
    {Code::CommentedCode, "commented-code", Severity::Error},
    {Code::LoneSemicolon, "lone-semicolon", Severity::Warning},
    {Code::EmptyName, "empty-name", Severity::Error},
    {Code::SemicolonInName, "semicolon-in-name", Severity::Error},
    {Code::DroppedGroup, "dropped-group", Severity::Error},
    {Code::CounterLimit, "counter-limit", Severity::Error},
    {Code::ShortNumber, "short-number", Severity::Error},
    {Code::MissingCode, "missing-code", Severity::Error},
    {Code::ExceptionNumber, "exception-number", Severity::Error},
    {Code::RepeatedNumber, "repeated-number", Severity::Error},
    {Code::UnsearchedNumber, "unsearched-number", Severity::Error},
    {Code::MarkWithoutEntries, "mark-without-entries", Severity::Error},
    {Code::MarkWithoutList, "mark-without-list", Severity::Error},
    {Code::CodeForm, "code-form", Severity::Error},
    {Code::UnknownOperator, "unknown-operator", Severity::Error},
}};

constexpr std::size_t OrdinalOf(Code code) { return static_cast<std::size_t>(code); }
static_assert([] {
    for (std::size_t i = 0; i < kCodes.size(); ++i)
        if (OrdinalOf(kCodes[i].code) != i) return false;
    return true;
}(), "kCodes lists the codes in their order");
constexpr const CodeInfo& InfoOf(Code code) { return kCodes[OrdinalOf(code)]; }
constexpr std::string_view NameOf(Code code) { return InfoOf(code).name; }
constexpr Severity SeverityOf(Code code) { return InfoOf(code).severity; }

// The code named name ("empty-name"), if there is one.
constexpr std::optional<Code> CodeNamed(std::string_view name) {
    for (const CodeInfo& info : kCodes)
        if (info.name == name) return info.code;
    return std::nullopt;
}

// "error", "warning" or "note".
constexpr std::string_view NameOf(Severity severity) {
    return severity == Severity::Error ? "error" : severity == Severity::Warning ? "warning" : "note";
}

}  // namespace milden::check
