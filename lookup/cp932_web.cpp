// Code page 932 in the browser: the decoder's table from the page's TextDecoder('shift_jis'),
// asked once over a buffer that holds every sequence, each followed by a line feed. The C
// library's iconv is never used here: emscripten's has no CP932 and turns every Japanese character
// into U+FFFD. The page writes no data file, so there is no encoder.
#include <emscripten.h>

#include <string>
#include <string_view>

#include "lookup/cp932_table.h"

namespace milden {
namespace {

constexpr char kSequenceEnd = '\n';  // no sequence asked about holds this byte

// Decodes size bytes at bytes into out (at most outUnits units) with the browser's Shift_JIS
// decoder, which replaces what is no character by U+FFFD; the number of units written, or -1 when
// the browser has no such decoder.
EM_JS(int, DecodeWithTextDecoder, (const char* bytes, int size, char16_t* out, int outUnits), {
    let decoder;
    try {
        decoder = new TextDecoder('shift_jis');
    } catch (e) {
        return -1;
    }
    const text = decoder.decode(HEAPU8.subarray(bytes, bytes + size));
    if (text.length > outUnits) return -1;
    for (let i = 0; i < text.length; ++i) HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
    return text.length;
});

}  // namespace

bool FillCp932Table(Cp932Table& table) {
    // First every sequence the table asks about, in the order it asks...
    std::string sequences;
    FillCp932TableWith(table, [&](std::string_view bytes) {
        sequences += bytes;
        sequences += kSequenceEnd;
        return char16_t{0};
    });
    // ...decoded in one call (a sequence never gives more units than it has bytes)...
    std::u16string decoded(sequences.size(), u'\0');
    const int length = DecodeWithTextDecoder(sequences.data(), static_cast<int>(sequences.size()), decoded.data(),
                                             static_cast<int>(decoded.size()));
    if (length < 0) {
        table = {};
        return false;
    }
    decoded.resize(static_cast<std::size_t>(length));
    // ...then the same questions again, each answered by its line: a character when the line is
    // exactly one unit that is not U+FFFD.
    std::size_t at = 0;
    FillCp932TableWith(table, [&](std::string_view) {
        const std::size_t end = decoded.find(static_cast<char16_t>(kSequenceEnd), at);
        const std::u16string_view line = std::u16string_view(decoded).substr(at, end - at);
        at = end == std::u16string::npos ? decoded.size() : end + 1;
        return line.size() == 1 && line[0] != u'\uFFFD' ? line[0] : char16_t{0};
    });
    return true;
}

}  // namespace milden
