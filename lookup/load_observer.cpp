#include "lookup/load_observer.h"

#include <iterator>

namespace milden {
namespace {

constexpr std::string_view kKindNames[] = {
    "SectionOpened", "SectionClosed", "SectionUnclosed", "BlockOpened", "BlockClosed", "CellStored", "NameStored",
    "GroupClosed", "GroupDropped", "NumberStored", "CodeStored", "CodeMissing", "Ignored", "Note"};

constexpr std::string_view kReasonNames[] = {
    "None", "NotASectionKey", "Comment", "NoValue", "BeforeFirstBlock", "AfterBlockEnd", "NegativeIndex",
    "InSkippedBlock", "IndexPastLastIndex", "PastTenthColumn", "AfterTenthRow", "ShortFirstValue",
    "CodeOfDroppedNumber", "CounterLimit", "ReadLimit", "EmptyItem", "InvalidShiftJis", "TextAfterClosingQuote",
    "QuotedItemSpansLineEnd"};

static_assert(std::size(kKindNames) == static_cast<std::size_t>(LoadEventKind::Note) + 1);
static_assert(std::size(kReasonNames) == static_cast<std::size_t>(LoadEventReason::QuotedItemSpansLineEnd) + 1);

}  // namespace

std::string_view NameOf(LoadEventKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }
std::string_view NameOf(LoadEventReason reason) { return kReasonNames[static_cast<std::size_t>(reason)]; }

}  // namespace milden
