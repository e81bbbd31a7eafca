// What only POSIX systems have in a data file's place: FIFOs, device files and symbolic links.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "lookup/lookup_tables.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using test_support::TempDir;

TEST(CheckFileExist, OnlyRegularFilesCount) {
    TempDir dir;
    const std::string file = dir.Write("sorvane.dat", "x");
    const auto p = [&](const char* name) { return (dir.path() / name).string(); };
    std::filesystem::create_directory(p("directory"));
    ASSERT_EQ(::mkfifo(p("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(file, p("link"));
    std::filesystem::create_symlink(p("nowhere"), p("dangling"));
    std::filesystem::create_symlink("/dev/zero", p("device"));

    EXPECT_TRUE(CheckFileExist(file));
    EXPECT_TRUE(CheckFileExist(p("link")));
    EXPECT_FALSE(CheckFileExist(p("missing")));
    EXPECT_FALSE(CheckFileExist(p("directory")));
    EXPECT_FALSE(CheckFileExist(p("fifo")));
    EXPECT_FALSE(CheckFileExist(p("dangling")));
    EXPECT_FALSE(CheckFileExist(p("device")));
    EXPECT_FALSE(CheckFileExist(""));
}

TEST(LoadDataFile, FifoAndDeviceLoadNothingAndReturn) {
    TempDir dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    LookupTables t;
    EXPECT_FALSE(LoadDataFile(t, fifo));  // would block forever if opened for reading
    EXPECT_FALSE(LoadDataFile(t, "/dev/zero"));  // would never end
    EXPECT_FALSE(LoadDataFile(t, "/dev/urandom"));
    EXPECT_FALSE(t.OperatorList090Loaded || t.ExceptionList090Loaded);
}

}  // namespace
}  // namespace milden
