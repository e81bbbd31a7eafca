// What must hold for LookupTables after any load, whatever the bytes were.
#pragma once

#include <string>
#include <string_view>

#include "lookup_tables.h"

namespace milden::fuzz {

// Empty when every table and list respects its bounds and every loaded flag belongs to a section
// key that occurs in text (the decoded file); otherwise a description of the first violation.
std::string CheckLoadedTables(const LookupTables& tables, std::u16string_view text);

// Empty when the released lists are all empty (ReleaseLoadedLists leaves only unflagged lists,
// and lists without a flag were never written).
std::string CheckReleased(const LookupTables& tables);

}  // namespace milden::fuzz
