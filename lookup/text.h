// Small helpers on text used by the readers and the lookup; each works on the file's bytes as
// well as on decoded UTF-16 text.
#pragma once

#include <string_view>

namespace milden {

// Spaces and tabs: the characters trimmed around items of the data file.
template <typename Char>
constexpr bool IsItemBlank(Char c) {
    return c == Char(' ') || c == Char('\t');
}

template <typename Char>
constexpr std::basic_string_view<Char> TrimItemBlanks(std::basic_string_view<Char> s) {
    while (!s.empty() && IsItemBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsItemBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Removes spaces (U+0020) only: the value cleaners and the window's trimming of a digit box.
template <typename Char>
constexpr std::basic_string_view<Char> TrimSpaces(std::basic_string_view<Char> s) {
    while (!s.empty() && s.front() == Char(' ')) s.remove_prefix(1);
    while (!s.empty() && s.back() == Char(' ')) s.remove_suffix(1);
    return s;
}

// Where c first occurs in s, or s.size(). A plain loop: items are a few characters long, too
// short for a call to memchr to pay.
template <typename Char>
constexpr std::size_t FindFirst(std::basic_string_view<Char> s, Char c) {
    std::size_t i = 0;
    while (i < s.size() && s[i] != c) ++i;
    return i;
}

// The text before the first occurrence of c (all of s when c does not occur).
template <typename Char>
constexpr std::basic_string_view<Char> BeforeFirst(std::basic_string_view<Char> s, Char c) {
    return s.substr(0, FindFirst(s, c));
}

}  // namespace milden
