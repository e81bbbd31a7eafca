// The decimal-number test shared by index lines and the typed digits.
#pragma once

#include <string_view>

namespace milden {

// True for an optional sign, digits with at most one decimal point (at least one digit), and an
// optional exponent ("E" or "e", optional sign, digits), with spaces allowed around it.
// Hexadecimal, digit grouping and currency signs are not numbers.
bool IsDecimalNumber(std::u16string_view text);
bool IsDecimalNumber(std::string_view bytes);

// The value of a text for which IsDecimalNumber holds; out-of-range values become +-infinity
// or 0 as the magnitude says.
double DecimalNumberValue(std::u16string_view text);
double DecimalNumberValue(std::string_view bytes);

}  // namespace milden
