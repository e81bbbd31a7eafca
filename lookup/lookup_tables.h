// The lookup data read from sorvane.dat, and every operation that reads or queries it.
//
// Nothing here reports an error to the user: a missing or malformed data file only leaves cells
// and list entries empty, and every miss is answered with the empty string. Nothing here throws.
// An optional LoadObserver hears what the readers did with every item.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lookup/exception_list.h"
#include "lookup/format.h"
#include "lookup/load_observer.h"
#include "lookup/operator_list.h"
#include "lookup/prefix_table.h"

namespace milden {

class DataItemReader;

struct LookupTables {
    PrefixTable PrefixTable090{Range::k090};
    PrefixTable PrefixTable080{Range::k080};
    PrefixTable PrefixTablePhs{Range::kPhs};
    ExceptionList ExceptionList090{Range::k090};
    ExceptionList ExceptionList080{Range::k080};
    ExceptionList ExceptionListPhs{Range::kPhs};
    bool ExceptionList090Loaded = false;
    bool ExceptionList080Loaded = false;
    bool ExceptionListPhsLoaded = false;
    OperatorList OperatorList090{Range::k090};
    OperatorList OperatorList080{Range::k080};
    OperatorList OperatorListPhs{Range::kPhs};
    bool OperatorList090Loaded = false;
    bool OperatorList080Loaded = false;
    bool OperatorListPhsLoaded = false;

    // The members of one range, for code that treats the three ranges alike.
    const PrefixTable& Prefixes(Range range) const;
    PrefixTable& Prefixes(Range range);
    const ExceptionList& Exceptions(Range range) const;
    ExceptionList& Exceptions(Range range);
    const bool& ExceptionsLoaded(Range range) const;
    bool& ExceptionsLoaded(Range range);
    const OperatorList& Operators(Range range) const;
    OperatorList& Operators(Range range);
    const bool& OperatorsLoaded(Range range) const;
    bool& OperatorsLoaded(Range range);
};

// ---- The data file as a whole ----

// The current directory joined with kDataFileName; "" when the current directory is unknown.
std::string DataFilePathInCurrentDirectory();

// True when FName names a regular file (symbolic links followed). Directories, FIFOs, devices
// and dangling links are false, like a missing file, so loading never blocks or runs forever.
bool CheckFileExist(const std::string& FName);

// Sets the six loaded flags to false; the window does this before it loads.
void ClearLoadedFlags(LookupTables& tables);

// Reads at most the first kReadLimitBytes of the file at path (read-only) and loads them like
// LoadDataBytes. A missing file, or one that is not a regular file, loads nothing; a read error
// part-way keeps what was read before it. Returns false when nothing could be read from the
// file (it is missing, not a regular file, or cannot be opened).
bool LoadDataFile(LookupTables& tables, const std::string& path, LoadObserver* observer = nullptr);

// Loads a data file held in memory (at most its first kReadLimitBytes): cuts it into items on
// its bytes, hands each section to its reader and decodes from code page 932 what is stored.
// Never throws; running out of memory keeps what was stored so far.
void LoadDataBytes(LookupTables& tables, std::string_view bytes, LoadObserver* observer = nullptr);

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
// Recognises "index=N" optionally followed by "[label", in decoded text or in the file's bytes.
IndexLine ParseIndexLine(std::u16string_view item);
IndexLine ParseIndexLine(std::string_view item);

// A cell or operator-name value: "" for a comment, else the text before the first "," and
// then before the first ";", with spaces trimmed.
std::u16string_view CleanCellValue(std::u16string_view item);

// ---- Operator lists ----

// Reads one operator-list section body into list (groups closed by ";").
void ReadOperatorList(OperatorList& list, DataItemReader& reader);

// The name at (group, item) of the range's list, or "" when there is none.
std::u16string OperatorName(const LookupTables& tables, Range range, std::int16_t group, std::int16_t item);
std::u16string OperatorName090(const LookupTables& tables, std::int16_t group, std::int16_t item);
std::u16string OperatorName080(const LookupTables& tables, std::int16_t group, std::int16_t item);
std::u16string OperatorNamePhs(const LookupTables& tables, std::int16_t group, std::int16_t item);

// ---- Exception lists ----

// Reads one exception-list section body of (number, code) pairs; the list keeps the code of the
// first entry of each four-digit number (the observer hears of every pair, in buckets of numbers
// that share their first two characters).
void ReadExceptionList(ExceptionList& list, DataItemReader& reader);

// "" for a comment, else the text before the first ";", with spaces trimmed.
std::u16string_view CleanExceptionLine(std::u16string_view item);

// The code of the first entry whose number equals key in the list of range type 0 (090),
// 1 (080) or 2 (070); "" for no match or any other type.
std::u16string FindException(const LookupTables& tables, std::uint8_t rangeType, std::u16string_view key);

}  // namespace milden
