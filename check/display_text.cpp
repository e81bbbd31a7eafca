#include "check/display_text.h"

namespace milden {

std::string ToDisplayUtf8(std::u16string_view text) {
    std::u16string shown(text);
    for (char16_t& c : shown) {
        if (IsControlCharacter(c)) c = u'\uFFFD';
    }
    return Utf16ToUtf8(shown);
}

}  // namespace milden
