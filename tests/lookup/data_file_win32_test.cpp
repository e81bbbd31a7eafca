// What only Windows has in a data file's place: devices, consoles, named pipes, and files that
// other programs hold without sharing. Each reads like a missing file, and nothing blocks.
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

}  // namespace
}  // namespace milden
