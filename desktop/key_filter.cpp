#include "desktop/key_filter.h"

#include "lookup/format.h"

namespace milden {
namespace {

// The control characters C0, DEL and C1 insert nothing; every other character does.
bool IsPrintable(char16_t code) { return code >= 0x20 && !(code >= 0x7F && code <= 0x9F); }

}  // namespace

DigitKeyAction FilterDigitKey(char16_t code, std::size_t boxLength) {
    if (code == kReturnCode) return DigitKeyAction::Search;
    const bool inserts = IsPrintable(code) || code == kPasteCode;
    return boxLength >= kTypedDigits && inserts ? DigitKeyAction::Discard : DigitKeyAction::Pass;
}

}  // namespace milden
