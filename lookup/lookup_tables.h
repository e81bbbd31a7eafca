// The lookup data read from sorvane.dat, and every operation that reads or queries it.
//
// Nothing here reports an error: a missing or malformed data file only leaves cells and list
// entries empty, and every miss is answered with the empty string. Nothing here throws.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace milden {

class DataItemReader;

// A table of cell codes subscripted (index, row, column): first, second and third digit.
template <int IndexCount>
class PrefixTable {
public:
    static constexpr std::int16_t kLastIndex = IndexCount - 1;

    static constexpr bool InBounds(int index, int row, int column) {
        return index >= 0 && index < IndexCount && row >= 0 && row < 10 && column >= 0 && column < 10;
    }
    // The cell's code; the empty string for a cell never filled or outside the table.
    const std::u16string& Cell(int index, int row, int column) const {
        static const std::u16string empty;
        return InBounds(index, row, column) ? cells_[Offset(index, row, column)] : empty;
    }
    // Writes a cell; a write outside the table is ignored.
    void SetCell(int index, int row, int column, std::u16string_view code) {
        if (InBounds(index, row, column)) cells_[Offset(index, row, column)].assign(code);
    }

private:
    static constexpr std::size_t Offset(int index, int row, int column) {
        return static_cast<std::size_t>(index * 100 + row * 10 + column);
    }
    std::array<std::u16string, IndexCount * 100> cells_{};
};

struct OperatorGroup {
    std::vector<std::u16string> names;  // by item position; "" where nothing was stored
};

struct ExceptionEntry {
    std::u16string number;
    std::u16string code;  // "" when the section ended before the code
};

struct ExceptionBucket {
    std::u16string prefix;  // first two characters of the number that opened the bucket
    std::vector<ExceptionEntry> entries;
};

using OperatorList = std::vector<OperatorGroup>;
using ExceptionList = std::vector<ExceptionBucket>;

struct LookupTables {
    PrefixTable<10> PrefixTable090;
    PrefixTable<6> PrefixTable080;
    PrefixTable<7> PrefixTablePhs;
    ExceptionList ExceptionList090;
    ExceptionList ExceptionList080;
    ExceptionList ExceptionListPhs;
    bool ExceptionList090Loaded = false;
    bool ExceptionList080Loaded = false;
    bool ExceptionListPhsLoaded = false;
    OperatorList OperatorList090;
    OperatorList OperatorList080;
    OperatorList OperatorListPhs;
    bool OperatorList090Loaded = false;
    bool OperatorList080Loaded = false;
    bool OperatorListPhsLoaded = false;
};

// ---- The data file as a whole ----

// The data file's name; the window looks for it in the current directory only.
inline constexpr std::string_view kDataFileName = "sorvane.dat";

// The current directory joined with kDataFileName; "" when the current directory is unknown.
std::string DataFilePathInCurrentDirectory();

// True when FName names a regular file (symbolic links followed). Directories, FIFOs, devices
// and dangling links are false, like a missing file, so loading never blocks or runs forever.
bool CheckFileExist(const std::string& FName);

// Sets the six loaded flags to false; the window does this before it loads.
void ClearLoadedFlags(LookupTables& tables);

// Reads the file at path (read-only) and loads it like LoadDataBytes. A missing file, or one that
// is not a regular file, loads nothing; a read error part-way keeps what was read before it.
void LoadDataFile(LookupTables& tables, const std::string& path);

// Loads a data file held in memory: decodes it from code page 932, cuts it into items and hands
// each section to its reader. Never reports anything and never throws.
void LoadDataBytes(LookupTables& tables, std::string_view bytes);

// Empties the lists whose loaded flag is set, as the window does when it unloads. The prefix
// tables and the flags are left as they are.
void ReleaseLoadedLists(LookupTables& tables);

// ---- Prefix tables ----

// Reads one prefix-table section body: kind 0 fills PrefixTable090, 1 PrefixTable080,
// 2 PrefixTablePhs. Returns at "}", at the end of the items, or at an index line whose number is
// past the table's last index (that line and what follows are left to the caller).
void ReadPrefixTable(LookupTables& tables, int kind, DataItemReader& reader);

struct IndexLine {
    bool recognised = false;
    std::int16_t number = 0;  // rounded half to even, clamped to the 16-bit range
};
// Recognises "index=N" optionally followed by "[label".
IndexLine ParseIndexLine(std::u16string_view item);

// A cell or operator-name value: "" for a comment, else the text before the first "," and
// then before the first ";", trimmed.
std::u16string_view CleanCellValue(std::u16string_view item);

// ---- Operator lists ----

// Reads one operator-list section body into list (groups closed by ";").
void ReadOperatorList(OperatorList& list, DataItemReader& reader);

// The name at (group, item) of the range's list, or "" when there is none.
std::u16string OperatorName090(const LookupTables& tables, std::int16_t group, std::int16_t item);
std::u16string OperatorName080(const LookupTables& tables, std::int16_t group, std::int16_t item);
std::u16string OperatorNamePhs(const LookupTables& tables, std::int16_t group, std::int16_t item);

// ---- Exception lists ----

// Reads one exception-list section body: (number, code) pairs grouped in buckets by the number's
// first two characters.
void ReadExceptionList(ExceptionList& list, DataItemReader& reader);

// "" for a comment, else the text before the first ";", trimmed.
std::u16string_view CleanExceptionLine(std::u16string_view item);

// The code of the first entry whose number equals key in the list of range type 0 (090),
// 1 (080) or 2 (070); "" for no match or any other type.
std::u16string FindException(const LookupTables& tables, std::uint8_t rangeType, std::u16string_view key);

}  // namespace milden
