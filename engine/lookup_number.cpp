#include "lookup_number.h"

#include "decimal_number.h"

namespace milden {
namespace {

constexpr std::u16string_view kUnknownOperator = u"キャリアが不明";
constexpr std::u16string_view kOr = u"か";
constexpr std::u16string_view kAnswerEnd = u"です。";
constexpr std::u16string_view kAnswerTitle = u"ミルデン";

constexpr std::u16string_view kWarningNotDigits =
    u"数字以外の文字が入力されているか、\r"
    u"全角数字が入力されています。\r"
    u"電話番号の入力は半角数字４文字でお願いします。\r"
    u"この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。";
constexpr std::u16string_view kWarningTooShort =
    u"入力された電話番号は４文字未満です。\r"
    u"電話番号の入力は半角数字４文字でお願いします。\r"
    u"この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。";

using NameLookup = std::u16string (*)(const LookupTables&, std::int16_t, std::int16_t);
using DigitCheck = bool (*)(std::int16_t, std::int16_t, std::int16_t);
using CellReader = const std::u16string& (*)(const LookupTables&, int, int, int);

// What distinguishes the three ranges.
struct RangeProfile {
    std::u16string_view headerPrefix;
    std::u16string_view headerSuffix;
    DigitCheck checkDigits;
    CellReader cell;
    std::u16string_view exceptionMark;
    bool LookupTables::*exceptionListLoaded;
    std::uint8_t rangeType;
    std::u16string_view unknownMark;
    NameLookup name;
};

constexpr RangeProfile kRange090{
    u"090-", u"-****の携帯電話のキャリアは", CheckDigits090,
    [](const LookupTables& t, int a, int b, int c) -> const std::u16string& { return t.PrefixTable090.Cell(a, b, c); },
    u"40", &LookupTables::ExceptionList090Loaded, 0, u"81", OperatorName090};
constexpr RangeProfile kRange080{
    u"080-", u"-****の携帯電話のキャリアは", CheckDigits080,
    [](const LookupTables& t, int a, int b, int c) -> const std::u16string& { return t.PrefixTable080.Cell(a, b, c); },
    u"40", &LookupTables::ExceptionList080Loaded, 1, u"50", OperatorName080};
constexpr RangeProfile kRangePhs{
    u"070-", u"-****のPHSのキャリアは", CheckDigitsPhs,
    [](const LookupTables& t, int a, int b, int c) -> const std::u16string& { return t.PrefixTablePhs.Cell(a, b, c); },
    u"30", &LookupTables::ExceptionListPhsLoaded, 2, u"40", OperatorNamePhs};

// ASCII digits give their value; any other character, or a position past the end, gives 0.
std::int16_t DigitValue(std::u16string_view s, std::size_t position) {
    if (position >= s.size()) return 0;
    const char16_t c = s[position];
    return c >= u'0' && c <= u'9' ? static_cast<std::int16_t>(c - u'0') : 0;
}

std::u16string OnePairReading(const RangeProfile& range, const LookupTables& t, std::u16string_view code) {
    return range.name(t, DigitValue(code, 0), DigitValue(code, 1));
}

std::u16string TwoPairReading(const RangeProfile& range, const LookupTables& t, std::u16string_view code) {
    std::u16string text = range.name(t, DigitValue(code, 0), DigitValue(code, 1));
    text += kOr;
    text += range.name(t, DigitValue(code, 2), DigitValue(code, 3));
    return text;
}

std::u16string NameText(const RangeProfile& range, const LookupTables& t, const std::int16_t (&d)[4]) {
    if (!range.checkDigits(d[0], d[1], d[2])) return std::u16string(kUnknownOperator);
    const std::u16string& cell = range.cell(t, d[0], d[1], d[2]);
    if (cell.size() >= 4) return TwoPairReading(range, t, cell);
    if (cell == range.exceptionMark && t.*range.exceptionListLoaded) {
        const std::u16string key{static_cast<char16_t>(u'0' + d[0]), static_cast<char16_t>(u'0' + d[1]),
                                 static_cast<char16_t>(u'0' + d[2]), static_cast<char16_t>(u'0' + d[3])};
        const std::u16string code = FindException(t, range.rangeType, key);
        return code.size() >= 4 ? TwoPairReading(range, t, code) : OnePairReading(range, t, code);
    }
    if (!cell.empty() && cell != range.unknownMark) return OnePairReading(range, t, cell);
    return std::u16string(kUnknownOperator);
}

// Decides the range from the option buttons. With "090-" selected but no 090 operator list
// (as with a missing data file), the answer is still given for range 090: its operator is
// unknown, which is the truth when there is no data.
const RangeProfile* SelectedRange(const LookupTables& t, const RangeOptions& options, bool& noData) {
    noData = false;
    if (options.IsSelected(0) && t.OperatorList090Loaded) return &kRange090;
    if (options.IsSelected(1)) return &kRange080;
    if (options.IsSelected(2)) return &kRangePhs;
    noData = true;
    return &kRange090;
}

}  // namespace

bool CheckDigits090(std::int16_t d1, std::int16_t d2, std::int16_t d3) { return d1 <= 9 && d2 <= 9 && d3 <= 9; }
bool CheckDigits080(std::int16_t d1, std::int16_t d2, std::int16_t d3) { return d1 <= 5 && d2 <= 9 && d3 <= 9; }
bool CheckDigitsPhs(std::int16_t d1, std::int16_t d2, std::int16_t d3) { return d1 <= 6 && d2 <= 9 && d3 <= 9; }

void LookupNumber(std::u16string text, const LookupTables& tables, const RangeOptions& options,
                  MessageBoxService& boxes) {
    if (text.empty()) return;
    if (text.find(u'.') != std::u16string::npos || !IsDecimalNumber(text)) {
        boxes.ShowMessage(kWarningNotDigits, BoxStyle::Warning, std::nullopt);
        return;
    }
    if (text.size() < 4) {
        boxes.ShowMessage(kWarningTooShort, BoxStyle::Warning, std::nullopt);
        return;
    }
    const std::int16_t digits[4] = {DigitValue(text, 0), DigitValue(text, 1), DigitValue(text, 2), DigitValue(text, 3)};
    bool noData = false;
    const RangeProfile& range = *SelectedRange(tables, options, noData);

    std::u16string prompt;
    prompt.reserve(range.headerPrefix.size() + text.size() + range.headerSuffix.size() + 32);
    prompt += range.headerPrefix;
    prompt += text;
    prompt += range.headerSuffix;
    prompt += u'\r';
    prompt += noData ? std::u16string(kUnknownOperator) : NameText(range, tables, digits);
    prompt += kAnswerEnd;
    boxes.ShowMessage(prompt, BoxStyle::Information, kAnswerTitle);
}

}  // namespace milden
