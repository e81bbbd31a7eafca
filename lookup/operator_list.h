// A range's operator list: groups of operator names, a name for each (group, position).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lookup/format.h"
#include "lookup/text_arena.h"

namespace milden {

// The names are kept in one store: a group costs one handle (4 bytes) per position, and a
// position passed over costs nothing more.
class OperatorList {
public:
    explicit OperatorList(Range range) : range_(range) {}

    Range range() const { return range_; }

    // Groups in the list.
    std::size_t size() const { return groups_.size(); }
    bool empty() const { return groups_.empty(); }
    // Positions in group (0 past the last group).
    std::size_t NameCount(std::size_t group) const;
    // The name at (group, position); "" where there is none or the position was passed over.
    std::u16string Name(std::size_t group, std::size_t position) const { return std::u16string(NameView(group, position)); }
    // The same, valid as long as the list.
    std::u16string_view NameView(std::size_t group, std::size_t position) const {
        return position < NameCount(group) ? text_.Get(groups_[group].names[position]) : std::u16string_view();
    }

    // Building, for the reader. Keeps exactly groups 0 .. count - 1, with what they hold (new
    // ones have no names).
    void ResizeGroups(std::size_t count) { groups_.resize(count); }
    // Stores name (code page 932 bytes) at (group, position) of a group that exists and returns
    // it decoded; the group is resized to hold exactly positions 0 .. position, keeping its names.
    std::u16string_view StoreName(std::size_t group, std::size_t position, std::string_view cp932);
    // Frees the spare room of a group that will grow no more.
    void SettleGroup(std::size_t group);
    // Empties the list and frees its memory.
    void Release();

private:
    struct OperatorGroup {
        std::vector<TextArena::Handle> names;  // by position; 0 where nothing was stored
    };

    Range range_;
    std::vector<OperatorGroup> groups_;
    TextArena text_;
};

}  // namespace milden
