// The number lookup: typed digits and the selected range in, one message box out.
#pragma once

#include <cstdint>
#include <string>

#include "lookup_tables.h"
#include "toolkit_services.h"

namespace milden {

// Validates text (already trimmed by the caller), decides the range from options, resolves the
// operator through tables and shows the answer or a warning through boxes: at most one box, none
// for an empty text. Reads options in the order 0, 1, 2 and only as far as needed. Never changes
// tables and keeps nothing between calls.
void LookupNumber(std::u16string text, const LookupTables& tables, const RangeOptions& options,
                  MessageBoxService& boxes);

// True when the three digits lie within the bounds of the range's prefix table.
bool CheckDigits090(std::int16_t d1, std::int16_t d2, std::int16_t d3);
bool CheckDigits080(std::int16_t d1, std::int16_t d2, std::int16_t d3);
bool CheckDigitsPhs(std::int16_t d1, std::int16_t d2, std::int16_t d3);

}  // namespace milden
