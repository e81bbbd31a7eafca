// Code page 932 in the browser: the decoder's characters from the page's TextDecoder('shift_jis'),
// one decoder made once and asked once for each character the decoder meets (cp932.cpp keeps the
// answers). The C library's iconv is never used here: emscripten's has no CP932 and turns every
// Japanese character into U+FFFD. The page writes no data file, so there is no encoder.
#include <emscripten.h>

#include "lookup/cp932_table.h"

namespace milden {
namespace {

// The one UTF-16 unit the browser's Shift_JIS decoder makes of the size bytes at bytes when it
// reads them whole as one character, else 0 (it gives U+FFFD for what is no character); -1 when
// the browser has no such decoder.
EM_JS(int, DecodeWithTextDecoder, (const char* bytes, int size), {
    if (DecodeWithTextDecoder.decoder === undefined) {
        try {
            DecodeWithTextDecoder.decoder = new TextDecoder('shift_jis');
        } catch (e) {
            DecodeWithTextDecoder.decoder = null;
        }
    }
    if (DecodeWithTextDecoder.decoder === null) return -1;
    const text = DecodeWithTextDecoder.decoder.decode(HEAPU8.subarray(bytes, bytes + size));
    return text.length === 1 && text.charCodeAt(0) !== 0xFFFD ? text.charCodeAt(0) : 0;
});

}  // namespace

char16_t ConvertCp932Character(std::string_view bytes) {
    const int unit = DecodeWithTextDecoder(bytes.data(), static_cast<int>(bytes.size()));
    return unit > 0 ? static_cast<char16_t>(unit) : char16_t{0};
}

bool HasCp932Converter() { return DecodeWithTextDecoder("A", 1) >= 0; }

}  // namespace milden
