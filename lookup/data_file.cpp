#include <utility>

#include "lookup/data_file_handle.h"
#include "lookup/data_item_reader.h"
#include "lookup/lookup_tables.h"
#include "lookup/section_readers.h"

namespace milden {
namespace {

SectionEnd ReadSection(LookupTables& t, const SectionKey& key, DataItemReader& reader) {
    switch (key.kind) {
    case SectionKind::PrefixTable: return ReadPrefixTableSection(t.Prefixes(key.range), reader);
    case SectionKind::ExceptionList: {
        const SectionEnd end = ReadExceptionListSection(t.Exceptions(key.range), reader);
        t.ExceptionsLoaded(key.range) = true;
        return end;
    }
    case SectionKind::OperatorList: {
        const SectionEnd end = ReadOperatorListSection(t.Operators(key.range), reader);
        t.OperatorsLoaded(key.range) = true;
        return end;
    }
    }
    return SectionEnd::Closed;
}

void LoadItems(LookupTables& tables, DataItemReader& reader) {
    try {
        while (!reader.AtEnd()) {
            const DataItem item = reader.NextItem();
            if (item.text.empty()) continue;
            const SectionKey* key = FindSectionKey(item.text);
            if (key == nullptr) {
                reader.Report(item, {.kind = LoadEventKind::Ignored, .reason = LoadEventReason::NotASectionKey});
                continue;
            }
            reader.Report(item, {.kind = LoadEventKind::SectionOpened, .section = key});
            const KeptItem keyItem = reader.observer() ? KeptItem(item) : KeptItem();
            if (ReadSection(tables, *key, reader) == SectionEnd::EndOfFile)
                reader.Report(keyItem.item(), {.kind = LoadEventKind::SectionUnclosed, .section = key});
        }
        reader.ReportCut();
    } catch (...) {
        // Out of memory part-way: what was stored so far stays, and loading never ends the program.
    }
}

}  // namespace

void ClearLoadedFlags(LookupTables& t) {
    for (const Range range : kAllRanges) t.ExceptionsLoaded(range) = t.OperatorsLoaded(range) = false;
}

bool LoadDataFile(LookupTables& tables, const std::string& path, LoadObserver* observer) {
    if (!CheckFileExist(path)) return false;
    DataFileHandle file(path);  // checks again on the open file: the name may have been replaced
    if (!file.IsOpen()) return false;
    DataItemReader reader(file, observer);
    LoadItems(tables, reader);
    return true;
}

void LoadDataBytes(LookupTables& tables, std::string_view bytes, LoadObserver* observer) {
    DataItemReader reader(bytes.substr(0, kReadLimitBytes), observer,
                          bytes.size() > kReadLimitBytes ? BytesEnd::CutShort : BytesEnd::FileEnd);
    LoadItems(tables, reader);
}

void ReleaseLoadedLists(LookupTables& t) {
    for (const Range range : kAllRanges)
        if (t.ExceptionsLoaded(range)) t.Exceptions(range).Release();
    for (const Range range : kAllRanges)
        if (t.OperatorsLoaded(range)) t.Operators(range).Release();
}

}  // namespace milden
