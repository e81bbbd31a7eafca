// The key filter of the digit boxes phone_text090(i), on the character code a key types.
#pragma once

#include <cstddef>

namespace milden {

inline constexpr char16_t kReturnCode = 13;
inline constexpr char16_t kBackspaceCode = 8;
inline constexpr char16_t kPasteCode = 22;  // Ctrl+V, the keyboard paste

enum class DigitKeyAction {
    Search,   // run the search request; the key itself then goes on to the box
    Discard,  // the key is cancelled
    Pass,     // the box handles the key as usual
};

// What a key typing code does to a box that holds boxLength characters: Return searches; once
// the box holds four characters or more, a key that would insert text (a printable character or
// the keyboard paste) is discarded. Backspace and the other control keys (copy, cut, undo,
// select all) always pass, and nothing else limits the text: a paste from a menu is not cut.
DigitKeyAction FilterDigitKey(char16_t code, std::size_t boxLength);

}  // namespace milden
