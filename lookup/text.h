// Small helpers on UTF-16 text used by the readers and the lookup.
#pragma once

#include <string_view>

namespace milden {

// Spaces and tabs: the characters trimmed around items of the data file.
constexpr bool IsItemBlank(char16_t c) { return c == u' ' || c == u'\t'; }

constexpr std::u16string_view TrimItemBlanks(std::u16string_view s) {
    while (!s.empty() && IsItemBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsItemBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Removes ASCII spaces (U+0020) only, as the window trims a digit box's text.
constexpr std::u16string_view TrimSpaces(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
    return s;
}

// The text before the first occurrence of c (all of s when c does not occur).
constexpr std::u16string_view BeforeFirst(std::u16string_view s, char16_t c) {
    return s.substr(0, s.find(c));
}

}  // namespace milden
