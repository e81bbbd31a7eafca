#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <system_error>

#include "cp932.h"
#include "data_item_reader.h"
#include "lookup_tables.h"

namespace milden {
namespace {

enum class Reader { Prefix090, Exceptions090, Operators090, Prefix080, Exceptions080, Operators080,
                    PrefixPhs, ExceptionsPhs, OperatorsPhs };

struct SectionKey {
    std::u16string_view key;
    Reader reader;
};

// In the order the dispatcher tests them.
constexpr std::array<SectionKey, 9> kSectionKeys{{
    {u"keitai_tolva_num{", Reader::Prefix090},
    {u"hash_keitai_tolva_num{", Reader::Exceptions090},
    {u"keitai_tolvas{", Reader::Operators090},
    {u"keitai_tolva_num080{", Reader::Prefix080},
    {u"hash_keitai_tolva_num080{", Reader::Exceptions080},
    {u"keitai_tolvas080{", Reader::Operators080},
    {u"phs_tolva_num{", Reader::PrefixPhs},
    {u"hash_phs_tolva_num{", Reader::ExceptionsPhs},
    {u"phs_tolvas{", Reader::OperatorsPhs},
}};

void ReadSection(LookupTables& t, Reader reader, DataItemReader& items) {
    switch (reader) {
    case Reader::Prefix090: ReadPrefixTable(t, 0, items); break;
    case Reader::Exceptions090: ReadExceptionList(t.ExceptionList090, items); t.ExceptionList090Loaded = true; break;
    case Reader::Operators090: ReadOperatorList(t.OperatorList090, items); t.OperatorList090Loaded = true; break;
    case Reader::Prefix080: ReadPrefixTable(t, 1, items); break;
    case Reader::Exceptions080: ReadExceptionList(t.ExceptionList080, items); t.ExceptionList080Loaded = true; break;
    case Reader::Operators080: ReadOperatorList(t.OperatorList080, items); t.OperatorList080Loaded = true; break;
    case Reader::PrefixPhs: ReadPrefixTable(t, 2, items); break;
    case Reader::ExceptionsPhs: ReadExceptionList(t.ExceptionListPhs, items); t.ExceptionListPhsLoaded = true; break;
    case Reader::OperatorsPhs: ReadOperatorList(t.OperatorListPhs, items); t.OperatorListPhsLoaded = true; break;
    }
}

// Reads a regular file whole. A read error part-way keeps the bytes read before it.
std::string ReadRegularFile(const std::string& path) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return bytes;
    struct stat st {};
    // Checked again on the open file: the name may have been replaced since CheckFileExist.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        try {
            bytes.reserve(static_cast<std::size_t>(st.st_size));
            std::array<char, 1 << 16> chunk;
            for (;;) {
                const ssize_t n = ::read(fd, chunk.data(), chunk.size());
                if (n <= 0) break;
                bytes.append(chunk.data(), static_cast<std::size_t>(n));
            }
        } catch (const std::bad_alloc&) {
            // Too large for memory: keep what was read.
        }
    }
    ::close(fd);
    return bytes;
}

template <typename List>
void Release(List& list) {
    for (auto& element : list) {
        if constexpr (requires { element.entries; }) {
            decltype(element.entries)().swap(element.entries);
        } else {
            decltype(element.names)().swap(element.names);
        }
    }
    List().swap(list);
}

}  // namespace

std::string DataFilePathInCurrentDirectory() {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    if (ec) return {};
    return (dir / kDataFileName).string();
}

bool CheckFileExist(const std::string& FName) {
    struct stat st {};
    return !FName.empty() && ::stat(FName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void ClearLoadedFlags(LookupTables& t) {
    t.ExceptionList090Loaded = t.ExceptionList080Loaded = t.ExceptionListPhsLoaded = false;
    t.OperatorList090Loaded = t.OperatorList080Loaded = t.OperatorListPhsLoaded = false;
}

void LoadDataFile(LookupTables& tables, const std::string& path) {
    if (!CheckFileExist(path)) return;
    try {
        LoadDataBytes(tables, ReadRegularFile(path));
    } catch (...) {
        // Loading never ends the program; what was stored stays.
    }
}

void LoadDataBytes(LookupTables& tables, std::string_view bytes) {
    try {
        const std::u16string text = DecodeCp932(bytes);
        DataItemReader items(text);
        while (!items.AtEnd()) {
            const std::u16string_view item = items.NextItem();
            if (item.empty()) continue;
            for (const SectionKey& key : kSectionKeys) {
                if (item == key.key) {
                    ReadSection(tables, key.reader, items);
                    break;
                }
            }
        }
    } catch (...) {
        // Out of memory part-way: what was stored so far stays.
    }
}

void ReleaseLoadedLists(LookupTables& t) {
    if (t.ExceptionList090Loaded) Release(t.ExceptionList090);
    if (t.ExceptionList080Loaded) Release(t.ExceptionList080);
    if (t.ExceptionListPhsLoaded) Release(t.ExceptionListPhs);
    if (t.OperatorList090Loaded) Release(t.OperatorList090);
    if (t.OperatorList080Loaded) Release(t.OperatorList080);
    if (t.OperatorListPhsLoaded) Release(t.OperatorListPhs);
}

}  // namespace milden
