#include "engine/lookup_session.h"

#include "engine/lookup_number.h"
#include "lookup/text.h"

namespace milden {

void LookupSession::Search(std::u16string_view boxText, const RangeOptions& options, MessageBoxService& boxes) const {
    LookupNumber(std::u16string(TrimSpaces(boxText)), tables_, options, boxes);
}

std::u16string LookupSession::Answer(Range range, std::u16string_view digits) const {
    const std::optional<Range> taken = RangeToTake(tables_, FixedRangeOptions(range));
    return taken ? NameText(tables_, *taken, digits) : std::u16string(kUnknownOperatorText);
}

}  // namespace milden
