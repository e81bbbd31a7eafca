// Fuzz target: the whole-number reader on any bytes, read as UTF-8 and, in pairs, as UTF-16LE.
// It must not crash or read past its input; the UTF-8 text and the same text as UTF-16 must read
// alike; and a number read must be the range and four digits that its own digits spell.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/whole_number.h"
#include "lookup/utf8.h"

namespace {

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// The text's decimal digits, ASCII or full-width, up to a ";" or its full-width form (after
// which a tel: link's parameters are not read).
std::string DigitsOf(std::u16string_view text) {
    std::string digits;
    for (const char16_t c : text) {
        if (c == u';' || c == u'；') break;
        if (c >= u'0' && c <= u'9') digits += static_cast<char>(c);
        if (c >= u'０' && c <= u'９') digits += static_cast<char>('0' + (c - u'０'));
    }
    return digits;
}

// Whatever precedes a range: the trunk 0, or a country code 81 after "+", 010 or 00, with or
// without the trunk 0.
bool IsRangePrefix(std::string_view digits) {
    for (const std::string_view prefix : {"0", "81", "810", "01081", "010810", "0081", "00810"})
        if (digits == prefix) return true;
    return false;
}

void CheckReading(const milden::WholeNumberReading& reading, std::u16string_view text) {
    if (const auto* reason = std::get_if<std::string>(&reading)) {
        Require(!reason->empty() && reason->find('\n') == std::string::npos, "a reason is one non-empty line");
        return;
    }
    const milden::WholeNumber& number = std::get<milden::WholeNumber>(reading);
    Require(number.block < milden::kBlocksPerRange, "block out of range");
    Require(number.text == milden::FourDigits<std::u16string>(number.block), "text and block differ");
    const std::string digits = DigitsOf(text);
    const std::string spelled = std::string(milden::FormatOf(number.range).digits.substr(1)) +
                                std::string(number.text.begin(), number.text.end());
    const std::size_t at = digits.find(spelled);
    Require(at != std::string::npos && IsRangePrefix(std::string_view(digits).substr(0, at)),
            "the range and four digits are not what the text's digits spell");
    Require(digits.size() - at - spelled.size() <= 4, "more than eight digits after the range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const milden::WholeNumberReading fromUtf8 = milden::ReadWholeNumber(bytes);
    const std::u16string decoded = milden::Utf8ToUtf16(bytes);
    CheckReading(fromUtf8, decoded);
    Require(milden::ReadWholeNumber(std::u16string_view(decoded)) == fromUtf8, "UTF-8 and UTF-16 read differently");

    // The bytes as UTF-16LE units, lone surrogates and all, in a buffer of exactly their size.
    std::vector<char16_t> units(size / 2);
    for (std::size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const std::u16string_view utf16(units.data(), units.size());
    CheckReading(milden::ReadWholeNumber(utf16), utf16);
    return 0;
}
