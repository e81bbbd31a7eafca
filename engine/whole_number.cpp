#include "engine/whole_number.h"

#include <algorithm>
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
// Room for the longest beginning (010 81 0), a range and one digit more than may follow it,
// enough to tell every case apart, and for every digit of a common form of that length.
constexpr std::size_t kKeptDigits = 24;
static_assert(kKeptDigits > 6 + kRangeDigits + kMaxDigitsAfterRange);

// The digits of the text, the first kKeptDigits of them kept.
struct Digits {
    std::array<char, kKeptDigits> kept{};  // past the count, '\0'
    std::size_t count = 0;

    void Add(char digit) {
        if (count < kKeptDigits) kept[count] = digit;
        ++count;
    }

    // Whether the digits from position at on begin with those of s, a literal (at + its length
    // stays within the kept digits: the prefixes end before the range's fourth digit).
    template <std::size_t N>
    bool Spell(std::size_t at, const char (&s)[N]) const {
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
    // Spaces before "tel:" (spaces elsewhere are passed over as they come).
    std::size_t i = 0;
    for (std::size_t next = 0; next < text.size() && NextCharacter(text, next).kind == Kind::Space;) i = next;
    const bool telUri = SkipTelScheme(text, i);
    enum class Last : std::uint8_t { Start, Plus, Digit, Mark, Open, Close };
    Last last = Last::Start;
    bool open = false;
    while (i < text.size()) {
        const Character c = NextCharacter(text, i);
        switch (c.kind) {
        case Kind::Digit:
            digits.Add(c.ascii);
            last = Last::Digit;
            break;
        case Kind::Space:
            break;
        case Kind::Mark:
            if (last == Last::Mark) return kMarksTogether;
            if (last != Last::Digit && last != Last::Close) return kMarkAtEdge;
            last = Last::Mark;
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
    if (open) return kParentheses;
    if (last == Last::Mark) return kMarkAtEdge;
    return std::nullopt;
}

// The common forms in ASCII, digit groups with single spaces or hyphens between them after an
// optional "+" ("090-1234-5678", "+81 90 1234 5678"), in one tight pass: the same digits
// ReadGroups gives, or false for any other text, which ReadGroups then reads (and says what is
// wrong with). A text no longer than the digits it can keep needs no check of room per digit.
bool ReadCommonAscii(std::string_view text, Digits& digits, bool& plus) {
    if (text.size() > kKeptDigits) return false;
    plus = !text.empty() && text[0] == '+';
    std::size_t count = 0;        // in a register while the loop runs
    std::size_t beforeMark = 0;  // the count at the last hyphen: one more must follow it
    for (std::size_t i = plus ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsAsciiDigit(c)) {
            digits.kept[count++] = c;
        } else if (c == '-' && count > beforeMark) {
            beforeMark = count;
        } else if (c != ' ') {
            return false;
        }
    }
    digits.count = count;
    return count > beforeMark;
}

// Where the national number begins in digits, after its trunk 0; 0 when the digits begin with a
// country code other than Japan's or with no 0, and reason says which.
inline std::size_t NationalStart(const Digits& digits, bool plus, std::string_view& reason) {
    // A country code follows "+", 010 (which dials out of Japan) or 00 (out of most countries).
    std::size_t at = 0;
    if (!plus) {
        if (!digits.Spell(0, "0")) {
            reason = kNotInRange;
            return 0;
        }
        if (digits.Spell(1, "10")) {
            at = 3;
        } else if (digits.Spell(1, "0")) {
            at = 2;
        } else {
            return 1;  // after the trunk 0
        }
    }
    if (!digits.Spell(at, "81")) {
        reason = kOtherCountry;
        return 0;
    }
    at += 2;
    return digits.Spell(at, "0") ? at + 1 : at;  // the trunk 0, kept after the country code
}

template <typename Unit>
WholeNumberReading Read(std::basic_string_view<Unit> input) {
    Digits digits;
    bool plus = false;
    // The common forms take the short way; every other text, refusals included, the general one.
    bool common = false;
    if constexpr (std::is_same_v<Unit, char>) common = ReadCommonAscii(input, digits, plus);
    if (!common) {
        digits = {};
        plus = false;
        if (const auto reason = ReadGroups(input, digits, plus)) return std::string(*reason);
    }
    if (digits.count == 0) return std::string(kNoDigits);
    std::string_view reason;
    const std::size_t national = NationalStart(digits, plus, reason);
    if (national == 0) return std::string(reason);
    // The free-dial prefixes 0120 and 0800 (which begins like the 080 range).
    if (digits.Spell(national, "120") || digits.Spell(national, "800")) return std::string(kFreeDial);

    const std::size_t typedStart = national + kRangeDigits;
    if (digits.count < typedStart) return std::string(kTooShort);
    const auto spellsRange = [&](const RangeFormat& f) {
        return digits.kept[national] == f.digits[1] && digits.kept[national + 1] == f.digits[2];
    };
    const auto format = std::find_if(kRangeFormats.begin(), kRangeFormats.end(), spellsRange);
    if (format == kRangeFormats.end()) return std::string(kNotInRange);
    const std::size_t more = digits.count - typedStart;
    if (more < kTypedDigits) return "fewer than four digits follow " + std::string(format->digits);
    if (more > kMaxDigitsAfterRange)
        return "more than eight digits follow " + std::string(format->digits) + ": too long for a mobile or PHS number";

    const std::string_view typed(digits.kept.data() + typedStart, kTypedDigits);
    WholeNumber number{format->range, std::u16string(kTypedDigits, u'0'), BlockOf(typed)};
    for (std::size_t k = 0; k < kTypedDigits; ++k) number.text[k] = static_cast<char16_t>(typed[k]);
    return number;
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
