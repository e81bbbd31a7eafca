#include "engine/whole_number.h"

#include <array>
#include <cstdint>
#include <type_traits>

#include "lookup/utf8.h"

namespace milden {
namespace {

// What a character is to the reader.
enum class Kind : std::uint8_t { Other, Digit, Space, Mark, Open, Close, Plus, ParametersStart };

constexpr std::array<Kind, 128> kAsciiKinds = [] {
    std::array<Kind, 128> kinds{};
    for (char c = '0'; c <= '9'; ++c) kinds[static_cast<std::size_t>(c)] = Kind::Digit;
    for (const char c : {' ', '\t'}) kinds[static_cast<std::size_t>(c)] = Kind::Space;
    for (const char c : {'-', '.', '/'}) kinds[static_cast<std::size_t>(c)] = Kind::Mark;
    kinds['('] = Kind::Open;
    kinds[')'] = Kind::Close;
    kinds['+'] = Kind::Plus;
    kinds[';'] = Kind::ParametersStart;
    return kinds;
}();

// U+FF01 to U+FF5E are the full-width forms of "!" to "~".
constexpr char32_t kFullWidthFirst = 0xFF01;
constexpr char32_t kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthOffset = kFullWidthFirst - U'!';

// A character as the reader takes it: what it is, and the ASCII character it counts as (its
// full-width form counts as itself), or 0.
struct Character {
    Kind kind = Kind::Other;
    char ascii = 0;
};

constexpr Character OfAscii(char32_t c) { return {kAsciiKinds[c], static_cast<char>(c)}; }

template <typename Unit>
constexpr bool IsAsciiDigit(Unit unit) { return unit >= Unit('0') && unit <= Unit('9'); }

// The character at text[i], which is not ASCII (UTF-8 or UTF-16), moving i past it.
template <typename Unit>
Character NextNonAscii(std::basic_string_view<Unit> text, std::size_t& i) {
    const char32_t c = NextCodePoint(text, i);
    if (c >= kFullWidthFirst && c <= kFullWidthLast) return OfAscii(c - kFullWidthOffset);
    if (c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000)
        return {Kind::Space};
    if ((c >= 0x2010 && c <= 0x2015) || c == 0x2212 || c == 0x30FC || c == 0xFF70) return {Kind::Mark};
    return {};
}

// The character at text[i], moving i past it; ASCII takes the short way, inline.
template <typename Unit>
inline Character NextCharacter(std::basic_string_view<Unit> text, std::size_t& i) {
    const auto unit = static_cast<std::make_unsigned_t<Unit>>(text[i]);
    if (unit < 0x80) {
        ++i;
        return OfAscii(unit);
    }
    std::size_t next = i;  // i itself never leaves the caller's registers
    const Character c = NextNonAscii(text, next);
    i = next;
    return c;
}

// The reasons a text is not read.
constexpr std::string_view kNoDigits = "no digits to read";
constexpr std::string_view kNotReadable =
    "not a telephone number: only digits, with spaces, dashes, dots, slashes or parentheses between groups, can be read";
constexpr std::string_view kMarksTogether = "not a telephone number: two dashes, dots or slashes stand together";
constexpr std::string_view kMarkAtEdge = "not a telephone number: a dash, dot or slash stands before the first digit or after the last";
constexpr std::string_view kParentheses = "not a telephone number: its parentheses do not each enclose one group of digits";
constexpr std::string_view kPlusPlace = "not a telephone number: \"+\" can only stand before the country code";
constexpr std::string_view kOtherCountry = "not a Japanese number: the country code is not +81";
constexpr std::string_view kTooShort = "too short to name a range";
constexpr std::string_view kNotInRange = "the number does not begin with 090, 080 or 070 (+81 90, +81 80 or +81 70)";
constexpr std::string_view kFreeDial = "a free-dial number (0120 or 0800), not a mobile or PHS number";

// The digits of a range after the trunk 0 ("90"), and how many may follow them.
constexpr std::size_t kRangeDigits = 2;
constexpr std::size_t kMaxDigitsAfterRange = 8;
// The longest beginning (010 81 0), a range, and one digit more than may follow the range:
// enough to tell every case apart. Positions past the count are never compared.
constexpr std::size_t kKeptDigits = 6 + kRangeDigits + kMaxDigitsAfterRange + 1;

// The digits of the text, the first kKeptDigits of them kept.
struct Digits {
    std::array<char, kKeptDigits> kept;  // only the first count are written
    std::size_t count = 0;

    // Whether the digits from position at on begin with the digits of s, a literal (at most
    // the position of the range after the longest beginning).
    template <std::size_t N>
    bool Have(std::size_t at, const char (&s)[N]) const {
        if (at + (N - 1) > count) return false;
        for (std::size_t k = 0; k + 1 < N; ++k)
            if (kept[at + k] != s[k]) return false;
        return true;
    }
};

// "tel:" in any letter case, full-width forms included.
template <typename Unit>
bool SkipTelScheme(std::basic_string_view<Unit> text, std::size_t& i) {
    std::size_t at = i;
    for (const char expected : std::string_view("tel:")) {
        if (at >= text.size()) return false;
        char c = NextCharacter(text, at).ascii;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != expected) return false;
    }
    i = at;
    return true;
}

// The digit groups of the text as one string of digits, and whether a "+" came before them; or
// the reason the text is no digit groups.
template <typename Unit>
std::optional<std::string_view> ReadGroups(std::basic_string_view<Unit> text, Digits& digits, bool& plus) {
    // Spaces and "tel:" before the first digit (spaces elsewhere are passed over as they come).
    std::size_t i = 0;
    bool telUri = false;
    if (!text.empty() && !IsAsciiDigit(text[0])) {
        for (std::size_t next = 0; next < text.size() && NextCharacter(text, next).kind == Kind::Space;) i = next;
        telUri = SkipTelScheme(text, i);
    }
    enum class Last : std::uint8_t { Start, Plus, Digit, Mark, Open, Close };
    Last last = Last::Start;
    bool open = false;
    // Counted in a local (a register): this loop is the reader's hot path.
    std::size_t count = 0;
    char* const kept = digits.kept.data();
    const auto digit = [&](char d) {
        if (count < kKeptDigits) kept[count] = d;
        ++count;
        last = Last::Digit;
    };
    const auto mark = [&]() -> std::optional<std::string_view> {
        if (last == Last::Mark) return kMarksTogether;
        if (last != Last::Digit && last != Last::Close) return kMarkAtEdge;
        last = Last::Mark;
        return std::nullopt;
    };
    while (i < text.size()) {
        // ASCII digits (in runs), spaces and marks, the common characters, take the short way.
        const auto unit = static_cast<std::make_unsigned_t<Unit>>(text[i]);
        const Kind ascii = unit < 0x80 ? kAsciiKinds[unit] : Kind::Other;
        if (ascii == Kind::Digit) {
            do digit(static_cast<char>(text[i]));
            while (++i < text.size() && IsAsciiDigit(text[i]));
            continue;
        }
        if (ascii == Kind::Space || ascii == Kind::Mark) {
            ++i;
            if (ascii == Kind::Mark)
                if (const auto refusal = mark()) return refusal;
            continue;
        }
        const Character c = NextCharacter(text, i);
        switch (c.kind) {
        case Kind::Digit:
            digit(c.ascii);
            break;
        case Kind::Space:
            break;
        case Kind::Mark:
            if (const auto refusal = mark()) return refusal;
            break;
        case Kind::Open:
            if (open || last == Last::Open) return kParentheses;
            open = true;
            last = Last::Open;
            break;
        case Kind::Close:
            if (!open || last != Last::Digit) return kParentheses;
            open = false;
            last = Last::Close;
            break;
        case Kind::Plus:
            if (plus || (last != Last::Start && last != Last::Open)) return kPlusPlace;
            plus = true;
            last = Last::Plus;
            break;
        case Kind::ParametersStart:
            if (!telUri) return kNotReadable;
            i = text.size();
            break;
        case Kind::Other:
            return kNotReadable;
        }
    }
    digits.count = count;
    if (open) return kParentheses;
    if (last == Last::Mark) return kMarkAtEdge;
    return std::nullopt;
}

// Where the national number begins in digits, after its trunk 0; nothing when the digits begin
// with a country code other than Japan's or with no 0, and reason says which.
std::optional<std::size_t> NationalStart(const Digits& digits, bool plus, std::string_view& reason) {
    // A country code follows "+", 010 (which dials out of Japan) or 00 (out of most countries).
    std::size_t at = 0;
    if (!plus) {
        if (!digits.Have(0, "0")) {
            reason = kNotInRange;
            return std::nullopt;
        }
        if (digits.Have(1, "10")) {
            at = 3;
        } else if (digits.Have(1, "0")) {
            at = 2;
        } else {
            return 1;  // after the trunk 0
        }
    }
    if (!digits.Have(at, "81")) {
        reason = kOtherCountry;
        return std::nullopt;
    }
    at += 2;
    return digits.Have(at, "0") ? at + 1 : at;  // the trunk 0, kept after the country code
}

template <typename Unit>
WholeNumberReading Read(std::basic_string_view<Unit> input) {
    Digits digits;
    bool plus = false;
    if (const auto reason = ReadGroups(input, digits, plus)) return std::string(*reason);
    if (digits.count == 0) return std::string(kNoDigits);
    std::string_view reason;
    const std::optional<std::size_t> national = NationalStart(digits, plus, reason);
    if (!national) return std::string(reason);
    // The free-dial prefixes 0120 and 0800 (which begins like the 080 range).
    if (digits.Have(*national, "120") || digits.Have(*national, "800")) return std::string(kFreeDial);

    const std::size_t typedStart = *national + kRangeDigits;
    if (digits.count < typedStart) return std::string(kTooShort);
    const RangeFormat* format = nullptr;
    for (const RangeFormat& f : kRangeFormats) {
        if (digits.kept[*national] == f.digits[1] && digits.kept[*national + 1] == f.digits[2]) format = &f;
    }
    if (format == nullptr) return std::string(kNotInRange);
    const std::size_t more = digits.count - typedStart;
    if (more < kTypedDigits) return "fewer than four digits follow " + std::string(format->digits);
    if (more > kMaxDigitsAfterRange)
        return "more than eight digits follow " + std::string(format->digits) + ": too long for a mobile or PHS number";

    const std::string_view typed(digits.kept.data() + typedStart, kTypedDigits);
    return WholeNumber{format->range, std::u16string(typed.begin(), typed.end()), BlockOf(typed)};
}

}  // namespace

std::optional<Range> RangeFromName(std::string_view name) {
    for (const RangeFormat& format : kRangeFormats) {
        if (name == format.digits) return format.range;
    }
    return std::nullopt;
}

WholeNumberReading ReadWholeNumber(std::string_view utf8) { return Read(utf8); }
WholeNumberReading ReadWholeNumber(std::u16string_view utf16) { return Read(utf16); }

}  // namespace milden
