#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "common/files/SafeFile.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

void makeOld(const char* name) {
    const fs::file_time_type old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(name, old);
}

}  // namespace

TEST(SafeFile, ReadsOnlyWholeRegularFilesOfBoundedSize) {
    TempWorkingDir wd;
    std::ofstream("small") << "abc";
    EXPECT_EQ(readRegularFile("small", 3).status, ReadStatus::Read);
    EXPECT_EQ(readRegularFile("small", 3).bytes, "abc");
    EXPECT_EQ(readRegularFile("small", 2).status, ReadStatus::TooLarge);
    EXPECT_EQ(readRegularFile("missing", 10).status, ReadStatus::Missing);
    fs::create_directory("dir");
    EXPECT_EQ(readRegularFile("dir", 10).status, ReadStatus::NotRegular);
    ASSERT_EQ(mkfifo("fifo", 0600), 0);
    EXPECT_EQ(readRegularFile("fifo", 10).status, ReadStatus::NotRegular);  // at once
    EXPECT_EQ(readRegularFile("/dev/zero", 10).status, ReadStatus::NotRegular);
}

// Leftovers of killed runs go; a running writer's temporary, other names and
// whatever a planted link points to stay.
TEST(SafeFile, StaleTemporariesAreRemovedAndLiveOnesKept) {
    TempWorkingDir wd;
    std::ofstream("victim") << "keep";
    fs::create_symlink("victim", "x.txt.part");
    std::ofstream("x.txt.tmp4242") << "old";
    std::ofstream("x.txt.tmp-AbC123") << "killed";
    makeOld("x.txt.tmp-AbC123");
    std::ofstream("x.txt.tmp-Live99") << "running";
    makeOld("x.txt.tmp-Live99");
    const int held = ::open("x.txt.tmp-Live99", O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    std::ofstream("x.txt.tmpabc") << "not ours";
    std::ofstream("y.txt.tmp-AbC123") << "another file's";
    makeOld("y.txt.tmp-AbC123");

    removeStaleTemporaries((wd.path() / "x.txt").string());
    ::close(held);
    EXPECT_EQ(entries(wd.path()), (std::vector<std::string>{"victim", "x.txt.tmp-Live99",
                                                             "x.txt.tmpabc", "y.txt.tmp-AbC123"}));
    EXPECT_EQ(readAll("victim"), "keep");
}

TEST(SafeFile, CommitReplacesOnlyWhenAskedAndKeepsTheMode) {
    TempWorkingDir wd;
    std::ofstream("f") << "old";
    fs::permissions("f", fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    {
        AtomicFile out;
        ASSERT_TRUE(out.open("f"));
        ASSERT_TRUE(out.write("new"));
        EXPECT_FALSE(out.commit(AtomicFile::Replace::Never));
        EXPECT_TRUE(out.existed());
    }
    EXPECT_EQ(readAll("f"), "old");
    EXPECT_EQ(entries(wd.path()), std::vector<std::string>{"f"});
    {
        AtomicFile out;
        ASSERT_TRUE(out.open("f"));
        ASSERT_TRUE(out.write("new"));
        // Nothing shows under the name before the commit.
        EXPECT_EQ(readAll("f"), "old");
        ASSERT_TRUE(out.commit());
    }
    EXPECT_EQ(readAll("f"), "new");
    EXPECT_EQ(fs::status("f").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    {
        AtomicFile dropped;  // never committed: no trace
        ASSERT_TRUE(dropped.open("g"));
        dropped.write("x");
    }
    EXPECT_EQ(entries(wd.path()), std::vector<std::string>{"f"});
    EXPECT_FALSE(AtomicFile().open((wd.path() / "no" / "dir" / "f").string()));
}
