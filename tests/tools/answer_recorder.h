// Asks the real LookupNumber about one block and returns the box it showed.
#pragma once

#include <string>

#include "lookup/lookup_tables.h"
#include "tests/support/recording_services.h"

namespace milden::test_support {

// range 0 is 090, 1 is 080, 2 is 070; digits are the four typed characters. Fails the test when
// LookupNumber shows no box or more than one.
ShownBox AskLookup(const LookupTables& tables, int range, std::u16string digits);

// The second line of an answer box without its closing "です。", or the whole prompt when the
// box is not shaped like an answer.
std::u16string NameText(const ShownBox& box);

}  // namespace milden::test_support
