#include "lookup/cp932.h"

#include <array>

#include "lookup/cp932_table.h"

namespace milden {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// What the converter made of each character, asked on first use: its UTF-16 unit + 1, so that 0
// marks a character not asked yet (and 1 bytes that are no character). The tool decodes on one
// thread.
struct Table {
    std::array<char16_t, 128> single{};                 // [byte - 0x80]
    std::array<std::array<char16_t, 256>, 128> pair{};  // [lead - 0x80][trail]
};
Table table;

// The unit the converter makes of bytes, 0 for none, asking it only the first time.
char16_t Converted(char16_t& entry, std::string_view bytes) {
    if (entry == 0) entry = static_cast<char16_t>(ConvertCp932Character(bytes) + 1);
    return static_cast<char16_t>(entry - 1);
}

bool HasConverter() {
    static const bool has = HasCp932Converter();
    return has;
}

}  // namespace

std::size_t DecodeCp932NonAscii(std::string_view bytes, char16_t* out) {
    char16_t* o = out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i++]);
        if (b < 0x80) {
            *o++ = b;
        } else if (!HasConverter()) {
            *o++ = kReplacement;  // without the converter only ASCII can be trusted
        } else if (!IsCp932LeadByte(b)) {
            const char16_t single = IsCp932SingleByte(b) ? Converted(table.single[b - 0x80], bytes.substr(i - 1, 1)) : 0;
            *o++ = single != 0 ? single : kReplacement;
        } else if (i == bytes.size()) {
            *o++ = kReplacement;  // a lead byte cut off by the end
        } else {
            // A pair that is no character becomes one U+FFFD, but a trail byte in the ASCII range
            // stays itself, so that "," and line ends are never swallowed.
            const auto trail = static_cast<unsigned char>(bytes[i]);
            const char16_t pair = trail >= kCp932FirstTrail && trail <= kCp932LastTrail
                                      ? Converted(table.pair[b - 0x80][trail], bytes.substr(i - 1, 2))
                                      : 0;
            *o++ = pair != 0 ? pair : kReplacement;
            if (pair != 0 || trail >= 0x80) ++i;
        }
    }
    return static_cast<std::size_t>(o - out);
}

void DecodeCp932(std::string_view bytes, std::u16string& out) {
    // Every byte yields at most one UTF-16 unit, so the output never needs to grow. A value
    // written again (a section read twice) has the same length: neither resize then does a thing.
    out.resize(bytes.size());
    const std::size_t length = DecodeCp932(bytes, out.data());
    if (length < bytes.size()) out.resize(length);
}

std::u16string DecodeCp932(std::string_view bytes) {
    std::u16string out;
    DecodeCp932(bytes, out);
    return out;
}

}  // namespace milden
