// The files vantorel-cli writes: a full disk, targets that are no files or
// are read-only, and names that are not UTF-8. Every failure names the file
// and its cause, exits with status 1 and leaves the old file as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TempWorkingDir.h"

namespace fs = std::filesystem;

namespace {

const std::string kMoon = "render --window moon --date 2024-03-17 --time 21:00 --width 64 --height 64";
const std::string kTable = "print --window table --date 2024-03-21 --time 21:00 --zone +1 --lat 45";
const std::string kListing = "phenomena-file --start 2011-10-01 --unit day --count 1 --force";

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(CliFiles, AFullDiskFailsTheWriteAndKeepsTheOldFile) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    TempWorkingDir wd;
    const std::string png = disk.file("moon.png").string();
    const std::string pdf = disk.file("table.pdf").string();
    writeAll(png, "the old picture");
    writeAll(pdf, "the old page");
    writeAll(disk.file("vantorel.ini"), "[Vantorel]\n");
    disk.fill();

    CliRun r = runCli(kMoon + " --out " + png);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "vantorel-cli render: Cannot write the file " + png +
                         ": No space left on device. Nothing was changed.\n");
    r = runCli(kTable + " --lang fr --out " + pdf);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "vantorel-cli print: Impossible d'\u00e9crire le fichier " + pdf +
                         " : Plus de place sur le disque. Rien n'a \u00e9t\u00e9 modifi\u00e9.\n");
    EXPECT_EQ(readAll(png), "the old picture");
    EXPECT_EQ(readAll(pdf), "the old page");

    // The yearly file goes beside the disk's vantorel.ini.
    fs::current_path(disk.path());
    r = runCli("phenomena-file --year 2011");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Cannot write the file " + disk.file("j2011.sat").string() +
                         ": No space left on device. Nothing was changed.\n");
    EXPECT_EQ(namesIn(disk.path()),
              (std::vector<std::string>{".filler", "moon.png", "table.pdf", "vantorel.ini"}));
}

// Nothing but a regular file is replaced, even through a link, and a
// read-only file never, for root too.
TEST(CliFiles, OnlyWritableRegularFilesAreReplaced) {
    TempWorkingDir wd;
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    fs::create_symlink("pipe", "link");
    std::vector<std::string> others = {"pipe", "link"};
    if (::mknod("null", S_IFCHR | 0666, makedev(1, 3)) == 0) others.push_back("null");
    for (const std::string& name : others) {
        const CliRun r = runCli(kMoon + " --out " + name);
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.out, "vantorel-cli render: Cannot write the file " + name +
                             ": it is not a regular file (a folder, a device or a FIFO). Nothing "
                             "was changed.\n");
    }
    EXPECT_TRUE(fs::is_fifo("pipe"));
    if (others.size() > 2) {
        EXPECT_TRUE(fs::is_character_file("null"));
    }

    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    for (const char* name : {"ro.png", "ro.pdf", "ro.txt"}) {
        writeAll(name, "kept");
        fs::permissions(name, readOnly);
    }
    const CliRun png = runCli(kMoon + " --out ro.png");
    const CliRun pdf = runCli(kTable + " --out ro.pdf");
    const CliRun txt = runCli(kListing + " --text ro.txt");
    for (const CliRun& r : {png, pdf, txt}) {
        EXPECT_EQ(r.status, 1) << r.out;
        EXPECT_NE(r.out.find("the file is read-only. Nothing was changed.\n"), std::string::npos)
            << r.out;
    }
    for (const char* name : {"ro.png", "ro.pdf", "ro.txt"}) {
        EXPECT_EQ(readAll(name), "kept") << name;
        EXPECT_EQ(fs::status(name).permissions() & fs::perms::all, readOnly) << name;
    }

    const CliRun missing = runCli(kListing + " --text missing/JupSat.txt --lang es");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "No se puede escribir el archivo missing/JupSat.txt: No existe el archivo "
                           "o la carpeta. No se ha modificado nada.\n");
}

// A name in another encoding is written under its own bytes, never under a
// "corrected" name that may be another file; JSON stays UTF-8.
TEST(CliFiles, NamesAreWrittenWithTheBytesGiven) {
    TempWorkingDir wd;
    writeAll("photo\xef\xbf\xbd.png", "another file");
    const CliRun r = runCli(kMoon + " --out 'photo\xe9.png' --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.rfind("{\"out\":\"photo\xef\xbf\xbd.png\",", 0), 0u) << r.out;
    EXPECT_EQ(namesIn(wd.path()),
              (std::vector<std::string>{"photo\xe9.png", "photo\xef\xbf\xbd.png"}));
    EXPECT_EQ(readAll("photo\xef\xbf\xbd.png"), "another file");
    EXPECT_EQ(readAll("photo\xe9.png").substr(1, 3), "PNG");

    const CliRun pdf = runCli(kTable + " --out 'page\xff.pdf'");
    ASSERT_EQ(pdf.status, 0) << pdf.out;
    EXPECT_EQ(readAll("page\xff.pdf").substr(0, 5), "%PDF-");
}
