#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "common/files/SafeFile.h"
#include "tests/support/SmallDisk.h"
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

// ---- failures, refusals, leftovers ---------------------------------------------

namespace {

// Makes one step of every write fail with `error` while alive.
class FailingStep {
public:
    FailingStep(FileStep failing, int error) {
        setFileStepHookForTesting([failing, error](FileStep step, const std::string&) {
            return step == failing ? error : 0;
        });
    }
    ~FailingStep() { setFileStepHookForTesting({}); }
};

// The pid of a process that has ended.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace

// Whichever step fails (the disk fills at a write, at the flush, the rename is
// refused), the old file stays whole, no temporary is left and the cause is
// the system's.
TEST(SafeFile, AFailureAtAnyStepKeepsTheOldFileAndGivesItsCause) {
    TempWorkingDir wd;
    std::ofstream("f") << "old";
    for (const FileStep step : {FileStep::Create, FileStep::Write, FileStep::Sync, FileStep::Rename}) {
        const FailingStep failing(step, ENOSPC);
        int error = 0;
        EXPECT_FALSE(writeFileAtomically("f", "new", &error)) << static_cast<int>(step);
        EXPECT_EQ(error, ENOSPC) << static_cast<int>(step);
        EXPECT_EQ(readAll("f"), "old") << static_cast<int>(step);
        EXPECT_EQ(entries(wd.path()), std::vector<std::string>{"f"}) << static_cast<int>(step);
    }
    int error = -7;
    EXPECT_TRUE(writeFileAtomically("f", "new", &error));
    EXPECT_EQ(error, 0);
    EXPECT_EQ(readAll("f"), "new");
    EXPECT_FALSE(writeFileAtomically((wd.path() / "no" / "f").string(), "x", &error));
    EXPECT_EQ(error, ENOENT);
}

TEST(SafeFile, AFullDiskIsSeenAndTheOldFileKept) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    const std::string target = disk.file("f").string();
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    disk.fill();
    int error = 0;
    EXPECT_FALSE(writeFileAtomically(target, std::string(100000, 'x'), &error));
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(entries(disk.path()), (std::vector<std::string>{".filler", "f"}));
}

// Only a regular file is replaced: never a FIFO, a device or a folder, even
// through a link, and never a read-only file, for root too, unless the
// caller replaces its own read-only files.
TEST(SafeFile, OnlyWritableRegularFilesAreReplaced) {
    TempWorkingDir wd;
    ASSERT_EQ(mkfifo("fifo", 0600), 0);
    fs::create_symlink("fifo", "to-fifo");
    fs::create_directory("dir");
    std::vector<std::string> refused = {"fifo", "to-fifo", "dir"};
    if (::mknod("null", S_IFCHR | 0666, makedev(1, 3)) == 0) refused.push_back("null");
    for (const std::string& name : refused) {
        AtomicFile out;
        EXPECT_FALSE(out.open(name)) << name;
        EXPECT_EQ(out.error(), kNotRegularFile) << name;
    }
    EXPECT_TRUE(fs::is_fifo("fifo"));
    EXPECT_TRUE(fs::is_directory("dir"));
    if (fs::exists(fs::symlink_status("null"))) {
        EXPECT_TRUE(fs::is_character_file("null"));
    }

    std::ofstream("ro") << "kept";
    fs::permissions("ro", fs::perms::owner_read | fs::perms::group_read);
    int error = 0;
    EXPECT_FALSE(writeFileAtomically("ro", "new", &error));
    EXPECT_EQ(error, kReadOnlyFile);
    EXPECT_EQ(readAll("ro"), "kept");
    EXPECT_EQ(fs::status("ro").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read);
    AtomicFile own;
    ASSERT_TRUE(own.open("ro", true));
    ASSERT_TRUE(own.write("ours"));
    ASSERT_TRUE(own.commit(AtomicFile::Replace::Always, true));
    EXPECT_EQ(readAll("ro"), "ours");
    EXPECT_EQ(entries(wd.path()).size(), refused.size() + 1);  // no temporary either
}

// A name in another encoding than UTF-8 is written under exactly its bytes.
TEST(SafeFile, FileNamesAreWrittenWithTheBytesGiven) {
    TempWorkingDir wd;
    ASSERT_TRUE(writeFileAtomically("photo\xe9.png", "x"));
    EXPECT_EQ(entries(wd.path()), std::vector<std::string>{"photo\xe9.png"});
}

// A killed writer's temporary goes at the next use of its file, however young;
// one whose writer still runs stays.
TEST(SafeFile, AKilledRunsTemporaryGoesAtOnce) {
    TempWorkingDir wd;
    const std::string dead = "x.txt.tmp-" + std::to_string(endedProcess()) + "-AbC123";
    const std::string alive = "x.txt.tmp-" + std::to_string(::getpid()) + "-AbC123";
    std::ofstream(dead) << "killed a moment ago";
    std::ofstream(alive) << "being written";
    std::ofstream("x.txt") << "kept";
    removeStaleTemporaries((wd.path() / "x.txt").string());
    EXPECT_EQ(entries(wd.path()), (std::vector<std::string>{"x.txt", alive}));

    // A writer's own temporary carries its pid and is never taken for stale.
    AtomicFile out;
    ASSERT_TRUE(out.open("x.txt"));
    EXPECT_NE(out.temporaryPath().find(".tmp-" + std::to_string(::getpid()) + "-"),
              std::string::npos);
    removeStaleTemporaries((wd.path() / "x.txt").string());
    EXPECT_TRUE(fs::exists(out.temporaryPath()));
}

TEST(SafeFile, ALockIsHeldByOneAtATimeAndLeavesNoFile) {
    TempWorkingDir wd;
    std::atomic<bool> firstReleasing{false};
    bool secondWaited = false;
    std::thread other;
    {
        const FileLock first("settings.ini");
        ASSERT_TRUE(first.locked());
        EXPECT_TRUE(fs::exists("settings.ini.lock"));
        other = std::thread([&] {
            const FileLock second("settings.ini");
            secondWaited = second.locked() && firstReleasing.load();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        firstReleasing = true;
    }
    other.join();
    EXPECT_TRUE(secondWaited);
    EXPECT_EQ(entries(wd.path()), std::vector<std::string>{});
}
