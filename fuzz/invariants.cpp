#include "invariants.h"

#include <cstddef>

#include "text.h"

namespace milden::fuzz {
namespace {

constexpr std::size_t kIndexLimit = 32767;  // 16-bit indexes and counters

// Stored values come out of the readers cleaned: trimmed, never a comment, never holding ";".
bool IsCleanValue(std::u16string_view v) {
    return !v.empty() && !v.starts_with(u'#') && v.find(u';') == std::u16string_view::npos &&
           TrimItemBlanks(v).size() == v.size();
}

template <int N>
std::string CheckPrefixTable(const PrefixTable<N>& table, const char* name) {
    for (int i = 0; i < N; ++i)
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 10; ++c) {
                const std::u16string& cell = table.Cell(i, r, c);
                if (!cell.empty() && (!IsCleanValue(cell) || cell.find(u',') != std::u16string::npos))
                    return std::string(name) + ": unclean cell";
            }
    return {};
}

std::string CheckOperators(const OperatorList& list, bool loaded, const char* name) {
    if (!loaded && !list.empty()) return std::string(name) + ": filled without its flag";
    if (list.size() > kIndexLimit) return std::string(name) + ": too many groups";
    for (const OperatorGroup& g : list) {
        if (g.names.size() > kIndexLimit) return std::string(name) + ": too many positions";
        // A group ends at its last stored name; passed-over positions are empty.
        if (!g.names.empty() && g.names.back().empty()) return std::string(name) + ": group ends in a gap";
        for (const std::u16string& n : g.names)
            if (!n.empty() && (!IsCleanValue(n) || n.find(u',') != std::u16string::npos))
                return std::string(name) + ": unclean name";
    }
    return {};
}

std::string CheckExceptions(const ExceptionList& list, bool loaded, const char* name) {
    if (!loaded && !list.empty()) return std::string(name) + ": filled without its flag";
    for (const ExceptionBucket& b : list) {
        if (b.prefix.size() != 2) return std::string(name) + ": prefix not two characters";
        if (b.entries.empty()) return std::string(name) + ": empty bucket";
        if (!std::u16string_view(b.entries.front().number).starts_with(b.prefix))
            return std::string(name) + ": bucket opened by another number";
        for (const ExceptionEntry& e : b.entries)
            if (!IsCleanValue(e.number) || (!e.code.empty() && !IsCleanValue(e.code)))
                return std::string(name) + ": unclean entry";
    }
    return {};
}

std::string CheckFlag(bool flag, std::u16string_view text, std::u16string_view key) {
    if (flag && text.find(key) == std::u16string_view::npos) return "flag set without its section key";
    return {};
}

}  // namespace

std::string CheckLoadedTables(const LookupTables& t, std::u16string_view text) {
    for (const std::string& problem : {
             CheckPrefixTable(t.PrefixTable090, "PrefixTable090"),
             CheckPrefixTable(t.PrefixTable080, "PrefixTable080"),
             CheckPrefixTable(t.PrefixTablePhs, "PrefixTablePhs"),
             CheckOperators(t.OperatorList090, t.OperatorList090Loaded, "OperatorList090"),
             CheckOperators(t.OperatorList080, t.OperatorList080Loaded, "OperatorList080"),
             CheckOperators(t.OperatorListPhs, t.OperatorListPhsLoaded, "OperatorListPhs"),
             CheckExceptions(t.ExceptionList090, t.ExceptionList090Loaded, "ExceptionList090"),
             CheckExceptions(t.ExceptionList080, t.ExceptionList080Loaded, "ExceptionList080"),
             CheckExceptions(t.ExceptionListPhs, t.ExceptionListPhsLoaded, "ExceptionListPhs"),
             CheckFlag(t.ExceptionList090Loaded, text, u"hash_keitai_tolva_num{"),
             CheckFlag(t.ExceptionList080Loaded, text, u"hash_keitai_tolva_num080{"),
             CheckFlag(t.ExceptionListPhsLoaded, text, u"hash_phs_tolva_num{"),
             CheckFlag(t.OperatorList090Loaded, text, u"keitai_tolvas{"),
             CheckFlag(t.OperatorList080Loaded, text, u"keitai_tolvas080{"),
             CheckFlag(t.OperatorListPhsLoaded, text, u"phs_tolvas{"),
         }) {
        if (!problem.empty()) return problem;
    }
    return {};
}

std::string CheckReleased(const LookupTables& t) {
    const bool allEmpty = t.OperatorList090.empty() && t.OperatorList080.empty() && t.OperatorListPhs.empty() &&
                          t.ExceptionList090.empty() && t.ExceptionList080.empty() && t.ExceptionListPhs.empty();
    return allEmpty ? std::string() : "a list survived its release";
}

}  // namespace milden::fuzz
