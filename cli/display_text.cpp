#include "cli/display_text.h"

namespace milden::cli {

std::string ToDisplayUtf8(std::u16string_view text) {
    std::u16string shown(text);
    for (char16_t& c : shown) {
        if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F)) c = u'\uFFFD';
    }
    return Utf16ToUtf8(shown);
}

}  // namespace milden::cli
