// The number lookup: typed digits and the selected range in, one message box out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "lookup/lookup_tables.h"
#include "engine/toolkit_services.h"

namespace milden {

// Validates text (already trimmed by the caller), decides the range from options, resolves the
// operator through tables and shows the answer or a warning through boxes: at most one box, none
// for an empty text. Reads options in the order 0, 1, 2 and only as far as needed. Never changes
// tables and keeps nothing between calls.
void LookupNumber(std::u16string text, const LookupTables& tables, const RangeOptions& options,
                  MessageBoxService& boxes);

// The range a search takes: "090-" only while the 090 operator list is loaded, else "080-" or
// "070-" if selected; none when "090-" is selected without its list (as with no data file), for
// which the answer names no operator.
std::optional<Range> RangeToTake(const LookupTables& tables, const RangeOptions& options);

// The second line of the answer for the first four characters of digits in range, without its
// closing "です。" (the text must already have passed the lookup's checks).
std::u16string NameText(const LookupTables& tables, Range range, std::u16string_view digits);

// True when the three digits lie within the bounds of the range's prefix table.
bool CheckDigits(Range range, std::int16_t d1, std::int16_t d2, std::int16_t d3);

}  // namespace milden
