// What must hold for LookupTables after any load, whatever the bytes were, and for what the
// loader told its observer.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "lookup/load_observer.h"
#include "lookup/lookup_tables.h"

namespace milden::fuzz {

// Empty when every table and list respects its bounds and every loaded flag belongs to a section
// key that occurs in bytes (the file); otherwise a description of the first violation.
std::string CheckLoadInvariants(const LookupTables& tables, std::string_view bytes);

// Empty when the released lists are all empty (ReleaseLoadedLists leaves only unflagged lists,
// and lists without a flag were never written).
std::string CheckReleased(const LookupTables& tables);

// Hears a load and then checks it: every event lies inside the file, and every value in the
// tables is the one the last event for its place reported (each exception entry reported once).
class EventChecker : public LoadObserver {
public:
    explicit EventChecker(std::string_view bytes);
    void OnLoadEvent(const LoadEvent& event) override;
    // Empty when everything held; otherwise the first problem found.
    std::string Check(const LookupTables& tables) const;

private:
    using Place = std::tuple<std::size_t, int, int, int>;  // range, then the event's place
    std::vector<std::size_t> lineLengths_;  // decoded characters of each line
    std::size_t fileSize_;
    std::string problem_;
    std::map<Place, std::u16string> cells_, names_, codes_;
    // Per range, each reported exception number with its place, in the order of the file.
    std::vector<std::vector<std::pair<std::u16string, Place>>> numbers_ = std::vector<std::vector<std::pair<std::u16string, Place>>>(3);
};

}  // namespace milden::fuzz
