// What only Windows has in a data file's place: devices, consoles, named pipes, and files that
// other programs hold or lock. Each reads like a missing or a shorter file, and nothing blocks.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "lookup/lookup_tables.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using test_support::TempDir;

TEST(DataFileOnWindows, DevicesDirectoriesAndPipesAreNoFiles) {
    TempDir dir;
    const std::string pipeName = "\\\\.\\pipe\\milden-test-" + std::to_string(::GetCurrentProcessId());
    const HANDLE pipe = ::CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    for (const std::string& path : {dir.path().string(), std::string("NUL"), std::string("CON"), std::string("CONIN$"),
                                    std::string("nul.dat"), pipeName}) {
        EXPECT_FALSE(CheckFileExist(path)) << path;
        LookupTables t;
        EXPECT_FALSE(LoadDataFile(t, path)) << path;
    }
    ::CloseHandle(pipe);
}

TEST(DataFileOnWindows, FileHeldWithoutSharingReadsLikeAMissingOne) {
    TempDir dir;
    const std::string path = dir.Write("sorvane.dat", "keitai_tolvas{\r\nA;\r\n}");
    const HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    LookupTables t;
    EXPECT_FALSE(LoadDataFile(t, path));
    EXPECT_FALSE(t.OperatorList090Loaded);
    ::CloseHandle(held);
    EXPECT_TRUE(LoadDataFile(t, path));
}

TEST(DataFileOnWindows, LockedRangeEndsTheFileWhereItsBlockStarts) {
    // The first 256 KiB block reads; the next one, which holds the locked range, fails as at a
    // read error, so only the section before it loads.
    TempDir dir;
    std::string bytes = "keitai_tolvas{\r\nA;\r\n}\r\n";
    bytes.resize(std::size_t{1} << 20, '\n');
    bytes += "keitai_tolvas080{\r\nB;\r\n}";
    const std::string path = dir.Write("sorvane.dat", bytes);
    const HANDLE locker = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);
    OVERLAPPED from{};
    from.Offset = 512 << 10;
    ASSERT_TRUE(::LockFileEx(locker, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 4096, 0, &from));
    LookupTables t;
    EXPECT_TRUE(LoadDataFile(t, path));
    EXPECT_EQ(OperatorName090(t, 0, 0), u"A");
    EXPECT_FALSE(t.OperatorList080Loaded);
    ::CloseHandle(locker);
}

}  // namespace
}  // namespace milden
