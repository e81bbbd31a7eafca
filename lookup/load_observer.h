// What the loader can tell about every item of the data file: where it stands and what became of
// it. The window loads without an observer; `milden-lookup --check`, the tests and the fuzzers
// pass one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lookup/format.h"

namespace milden {

// 1-based; the column counts the characters (UTF-16 units) of the decoded line before the item.
// offset is the item's first byte in the file, from which other column units can be counted.
struct ItemPosition {
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    std::size_t offset = 0;
    friend bool operator==(const ItemPosition&, const ItemPosition&) = default;
};

enum class LoadEventKind : std::uint8_t {
    SectionOpened,    // a section key: its reader takes over
    SectionClosed,    // the "}" that ends a section
    SectionUnclosed,  // the file ended inside the section; at its key
    BlockOpened,      // an index line; place[0] is the index
    BlockClosed,      // "]" inside a block
    CellStored,       // place = (index, row, column); value is the cell code
    NameStored,       // place = (group, position); value is the name
    GroupClosed,      // an item with ";" closed group place[0]
    GroupDropped,     // group place[0] was never closed and is dropped at the section end; at its first item
    NumberStored,     // place = (bucket, entry); value is the number
    CodeStored,       // place = (bucket, entry); value is the code
    CodeMissing,      // the section ended after number place = (bucket, entry) and before its code; at the number
    Ignored,          // the item stores nothing; reason says why
    Note,             // something about how the item was read; reason says what
};

enum class LoadEventReason : std::uint8_t {
    None,
    // Ignored:
    NotASectionKey,      // a top-level item that opens no section
    Comment,             // begins with "#": takes a column or a position, stores nothing
    NoValue,             // nothing before its ";": takes a column or a position, stores nothing
    BeforeFirstBlock,    // in a prefix table before any index line
    AfterBlockEnd,       // in a prefix table after "]", before the next index line
    NegativeIndex,       // an index line below 0: its block is skipped
    InSkippedBlock,      // in the block of a negative index
    IndexPastLastIndex,  // an index line past the table's last index: the section ends here
    PastTenthColumn,
    AfterTenthRow,
    ShortFirstValue,     // an exception value of one character before any bucket exists
    CodeOfDroppedNumber, // the code that follows such a value
    CounterLimit,        // past a 16-bit counter's limit (groups, positions, exception items)
    ReadLimit,           // the item runs past the part of the file that is read
    EmptyItem,           // an empty item in an operator list or a prefix-table block: it takes no place
    // Note:
    InvalidShiftJis,        // bytes that are not code page 932 were read as U+FFFD
    TextAfterClosingQuote,  // text between a closing quote and the next comma or line end, dropped
    QuotedItemSpansLineEnd, // a quoted item runs over a line end
};

struct LoadEvent {
    LoadEventKind kind = LoadEventKind::Note;
    LoadEventReason reason = LoadEventReason::None;
    // The section the event belongs to; null for a top-level item.
    const SectionKey* section = nullptr;
    ItemPosition at{};
    std::u16string_view item{};   // the item as read: decoded, trimmed, without its quotes
    std::u16string_view value{};  // what was stored, for the *Stored kinds
    std::array<int, 3> place{};
};

// The enumerator's name without its type, such as "CellStored" or "PastTenthColumn".
std::string_view NameOf(LoadEventKind kind);
std::string_view NameOf(LoadEventReason reason);

// Receives the loader's events, in the order of the items. The views in an event are valid
// only during the call.
class LoadObserver {
public:
    virtual ~LoadObserver() = default;
    virtual void OnLoadEvent(const LoadEvent& event) = 0;
};

}  // namespace milden
