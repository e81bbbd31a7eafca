// The width of text on a terminal, counted as compilers count display columns.
#pragma once

#include <cstdint>
#include <string_view>

namespace milden::check {

inline constexpr std::uint32_t kTabStop = 8;

// 2 for an East Asian wide or full-width character, 1 for any other.
std::uint32_t DisplayWidth(char16_t c);

// The display column reached after text that starts at display column column (0-based): a tab
// moves on to the next multiple of kTabStop.
std::uint32_t AdvanceColumns(std::uint32_t column, std::u16string_view text);

}  // namespace milden::check
