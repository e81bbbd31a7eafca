#include "fuzz/invariants.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "lookup/cp932.h"
#include "lookup/text.h"

namespace milden::fuzz {
namespace {

constexpr auto kIndexLimit = static_cast<std::size_t>(kCounterMax);  // 16-bit indexes and counters

// Stored values come out of the readers cleaned: trimmed, never a comment, never holding ";".
bool IsCleanValue(std::u16string_view v) {
    return !v.empty() && !v.starts_with(u'#') && v.find(u';') == std::u16string_view::npos &&
           TrimSpaces(v).size() == v.size();
}

std::string CheckPrefixTable(const PrefixTable& table, const std::string& name) {
    for (int i = 0; i <= table.LastIndex(); ++i)
        for (int r = 0; r < kRowsPerBlock; ++r)
            for (int c = 0; c < kCellsPerRow; ++c) {
                const std::u16string_view cell = table.Cell(i, r, c);
                if (!cell.empty() && (!IsCleanValue(cell) || cell.find(u',') != std::u16string_view::npos))
                    return name + ": unclean cell";
            }
    return {};
}

std::string CheckOperators(const OperatorList& list, bool loaded, const std::string& name) {
    if (!loaded && !list.empty()) return name + ": filled without its flag";
    if (list.size() > kIndexLimit) return name + ": too many groups";
    for (std::size_t g = 0; g < list.size(); ++g) {
        const std::size_t count = list.NameCount(g);
        if (count > kIndexLimit) return name + ": too many positions";
        // A group ends at its last stored name; passed-over positions are empty.
        if (count > 0 && list.Name(g, count - 1).empty()) return name + ": group ends in a gap";
        for (std::size_t p = 0; p < count; ++p) {
            const std::u16string n = list.Name(g, p);
            if (!n.empty() && (!IsCleanValue(n) || n.find(u',') != std::u16string::npos)) return name + ": unclean name";
        }
    }
    return {};
}

std::string CheckExceptions(const ExceptionList& list, bool loaded, const std::string& name) {
    if (!loaded && !list.empty()) return name + ": filled without its flag";
    if (list.empty()) return {};
    for (std::size_t block = 0; block < kBlocksPerRange; ++block) {
        const std::u16string code = list.Find(FourDigits<std::u16string>(block));
        if (!code.empty() && !IsCleanValue(code)) return name + ": unclean code";
    }
    return {};
}

std::string CheckFlag(bool flag, std::string_view bytes, std::string_view key) {
    if (flag && bytes.find(key) == std::string_view::npos) return "flag set without its section key " + std::string(key);
    return {};
}

}  // namespace

std::string CheckLoadInvariants(const LookupTables& t, std::string_view bytes) {
    for (const RangeFormat& f : kRangeFormats) {
        const std::string range(f.digits);
        for (const std::string& problem : {
                 CheckPrefixTable(t.Prefixes(f.range), "prefix table " + range),
                 CheckOperators(t.Operators(f.range), t.OperatorsLoaded(f.range), "operator list " + range),
                 CheckExceptions(t.Exceptions(f.range), t.ExceptionsLoaded(f.range), "exception list " + range),
                 CheckFlag(t.OperatorsLoaded(f.range), bytes, f.operatorListKey),
                 CheckFlag(t.ExceptionsLoaded(f.range), bytes, f.exceptionListKey),
             }) {
            if (!problem.empty()) return problem;
        }
    }
    return {};
}

std::string CheckReleased(const LookupTables& t) {
    for (const Range range : kAllRanges)
        if (!t.Operators(range).empty() || !t.Exceptions(range).empty()) return "a list survived its release";
    return {};
}

EventChecker::EventChecker(std::string_view bytes) : fileSize_(std::min(bytes.size(), kReadLimitBytes)) {
    const std::u16string text = DecodeCp932(bytes.substr(0, kReadLimitBytes));
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\r' && text[i] != u'\n') continue;
        lineLengths_.push_back(i - start);
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
}

void EventChecker::OnLoadEvent(const LoadEvent& e) {
    if (!problem_.empty()) return;
    const bool placed = !(e.kind == LoadEventKind::Note && e.reason == LoadEventReason::ReadLimit);
    if (placed && (e.at.line < 1 || e.at.line > lineLengths_.size() || e.at.column < 1 ||
                   e.at.column > lineLengths_[e.at.line - 1] + 1 || e.at.offset > fileSize_)) {
        problem_ = "event outside the file at " + std::to_string(e.at.line) + ":" + std::to_string(e.at.column);
        return;
    }
    if (e.section == nullptr) return;
    const std::size_t range = OrdinalOf(e.section->range);
    const Place place{range, e.place[0], e.place[1], e.place[2]};
    switch (e.kind) {
    case LoadEventKind::CellStored: cells_[place] = e.value; break;
    case LoadEventKind::NameStored: names_[place] = e.value; break;
    case LoadEventKind::CodeStored: codes_[place] = e.value; break;
    case LoadEventKind::NumberStored: numbers_[range].emplace_back(e.value, place); break;
    default: break;
    }
}

std::string EventChecker::Check(const LookupTables& t) const {
    if (!problem_.empty()) return problem_;
    const auto reported = [](const std::map<Place, std::u16string>& events, const Place& place) {
        const auto it = events.find(place);
        return it == events.end() ? std::u16string() : it->second;
    };
    for (const Range r : kAllRanges) {
        const std::size_t ri = OrdinalOf(r);
        const PrefixTable& table = t.Prefixes(r);
        for (int i = 0; i <= table.LastIndex(); ++i)
            for (int row = 0; row < kRowsPerBlock; ++row)
                for (int c = 0; c < kCellsPerRow; ++c)
                    if (table.Cell(i, row, c) != reported(cells_, {ri, i, row, c}))
                        return "a cell differs from its last report";
        const OperatorList& names = t.Operators(r);
        for (std::size_t g = 0; g < names.size(); ++g)
            for (std::size_t p = 0; p < names.NameCount(g); ++p) {
                const std::u16string name = names.Name(g, p);
                if (!name.empty() && name != reported(names_, {ri, static_cast<int>(g), static_cast<int>(p), 0}))
                    return "a name differs from its last report";
            }
        // Each four-digit number answers with the code reported for its first entry.
        std::vector<std::optional<std::u16string>> firstCode(kBlocksPerRange);
        for (const auto& [number, place] : numbers_[ri]) {
            const bool digits = number.size() == kTypedDigits &&
                                std::all_of(number.begin(), number.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
            if (!digits) continue;
            const std::size_t block = std::stoul(std::string(number.begin(), number.end()));
            if (!firstCode[block]) firstCode[block] = reported(codes_, place);
        }
        for (std::size_t block = 0; block < kBlocksPerRange; ++block)
            if (t.Exceptions(r).Find(FourDigits<std::u16string>(block)) != firstCode[block].value_or(u""))
                return "an exception answers otherwise than its first reported entry";
    }
    return {};
}

}  // namespace milden::fuzz
