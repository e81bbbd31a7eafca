#include "lookup/cp932.h"

#include "lookup/cp932_table.h"

namespace milden {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// The table, filled on first use (about half a millisecond): decoding then costs a table read per
// character instead of a converter pass.
struct FilledTable {
    FilledTable() : ok(FillCp932Table(table)) {}
    Cp932Table table;
    bool ok;
};

const FilledTable& Table() {
    static const FilledTable filled;
    return filled;
}

}  // namespace

std::size_t DecodeCp932NonAscii(std::string_view bytes, char16_t* out) {
    const FilledTable& filled = Table();
    const Cp932Table& table = filled.table;
    char16_t* o = out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i++]);
        if (b < 0x80) {
            *o++ = b;
        } else if (!filled.ok) {
            *o++ = kReplacement;  // without the converter only ASCII can be trusted
        } else if (!IsCp932LeadByte(b)) {
            const char16_t single = table.single[b - 0x80];
            *o++ = single != 0 ? single : kReplacement;
        } else if (i == bytes.size()) {
            *o++ = kReplacement;  // a lead byte cut off by the end
        } else {
            // A pair that is no character becomes one U+FFFD, but a trail byte in the ASCII range
            // stays itself, so that "," and line ends are never swallowed.
            const auto trail = static_cast<unsigned char>(bytes[i]);
            const char16_t pair = table.pair[b - 0x80][trail];
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
