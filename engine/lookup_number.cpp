#include "engine/lookup_number.h"

#include "lookup/decimal_number.h"

namespace milden {
namespace {

constexpr std::u16string_view kWarningNotDigits =
    u"数字以外の文字が入力されているか、\r"
    u"全角数字が入力されています。\r"
    u"電話番号の入力は半角数字４文字でお願いします。\r"
    u"この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。";
constexpr std::u16string_view kWarningTooShort =
    u"入力された電話番号は４文字未満です。\r"
    u"電話番号の入力は半角数字４文字でお願いします。\r"
    u"この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。";

// ASCII digits give their value; any other character, or a position past the end, gives 0.
std::int16_t DigitValue(std::u16string_view s, std::size_t position) {
    if (position >= s.size()) return 0;
    const char16_t c = s[position];
    return c >= u'0' && c <= u'9' ? static_cast<std::int16_t>(c - u'0') : 0;
}

// Appends the name of the operator that characters i and i + 1 of code name (their digit values).
void AppendOperatorName(std::u16string& out, const LookupTables& t, Range range, std::u16string_view code, std::size_t i) {
    out += t.Operators(range).NameView(static_cast<std::size_t>(DigitValue(code, i)), static_cast<std::size_t>(DigitValue(code, i + 1)));
}

void AppendOnePairReading(std::u16string& out, const LookupTables& t, Range range, std::u16string_view code) {
    AppendOperatorName(out, t, range, code, 0);
}

void AppendTwoPairReading(std::u16string& out, const LookupTables& t, Range range, std::u16string_view code) {
    AppendOperatorName(out, t, range, code, 0);
    out += kOrWord;
    AppendOperatorName(out, t, range, code, 2);
}

// Appends the name text NameText returns.
void AppendNameText(std::u16string& out, const LookupTables& t, Range range, std::u16string_view digits) {
    const RangeFormat& format = FormatOf(range);
    const std::int16_t d[kTypedDigits] = {DigitValue(digits, 0), DigitValue(digits, 1), DigitValue(digits, 2), DigitValue(digits, 3)};
    if (!CheckDigits(range, d[0], d[1], d[2])) {
        out += kUnknownOperatorText;
        return;
    }
    const std::u16string_view cell = t.Prefixes(range).Cell(d[0], d[1], d[2]);
    if (cell.size() >= kTwoOperatorCodeLength) return AppendTwoPairReading(out, t, range, cell);
    if (IsMark(cell, format.exceptionMark) && t.ExceptionsLoaded(range)) {
        // What FindException answers for the key.
        const std::u16string key = FourDigits<std::u16string>(CellSlot(d[0], d[1], d[2]) * kBlocksPerCell + d[3]);
        const std::u16string_view code = t.Exceptions(range).CodeOf(key);
        return code.size() >= kTwoOperatorCodeLength ? AppendTwoPairReading(out, t, range, code) : AppendOnePairReading(out, t, range, code);
    }
    if (!cell.empty() && !IsMark(cell, format.unknownMark)) return AppendOnePairReading(out, t, range, cell);
    out += kUnknownOperatorText;
}

}  // namespace

std::optional<Range> RangeToTake(const LookupTables& t, const RangeOptions& options) {
    if (options.IsSelected(0) && t.OperatorList090Loaded) return Range::k090;
    if (options.IsSelected(1)) return Range::k080;
    if (options.IsSelected(2)) return Range::kPhs;
    return std::nullopt;
}

bool CheckDigits(Range range, std::int16_t d1, std::int16_t d2, std::int16_t d3) {
    return d1 < FormatOf(range).indexCount && d2 < kRowsPerBlock && d3 < kCellsPerRow;
}

std::u16string NameText(const LookupTables& t, Range range, std::u16string_view digits) {
    std::u16string text;
    AppendNameText(text, t, range, digits);
    return text;
}

void LookupNumber(std::u16string text, const LookupTables& tables, const RangeOptions& options,
                  MessageBoxService& boxes) {
    if (text.empty()) return;
    if (text.find(u'.') != std::u16string::npos || !IsDecimalNumber(std::u16string_view(text))) {
        boxes.ShowMessage(kWarningNotDigits, BoxStyle::Warning, std::nullopt);
        return;
    }
    if (text.size() < kTypedDigits) {
        boxes.ShowMessage(kWarningTooShort, BoxStyle::Warning, std::nullopt);
        return;
    }
    // With no range to take, the answer is still given for range 090: its operator is unknown,
    // which is the truth when there is no data.
    const std::optional<Range> range = RangeToTake(tables, options);
    const RangeFormat& format = FormatOf(range.value_or(Range::k090));
    std::u16string prompt;
    prompt.reserve(format.headerPrefix.size() + text.size() + format.headerSuffix.size() + 32);
    prompt += format.headerPrefix;
    prompt += text;
    prompt += format.headerSuffix;
    prompt += u'\r';
    if (range) {
        AppendNameText(prompt, tables, *range, text);
    } else {
        prompt += kUnknownOperatorText;
    }
    prompt += kAnswerEnd;
    boxes.ShowMessage(prompt, BoxStyle::Information, kApplicationTitle);
}

}  // namespace milden
