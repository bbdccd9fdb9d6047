#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/settings/SettingsFile.h"
#include "common/settings/WindowLayout.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

bool anyKind(int) { return true; }
bool notFive(int kind) { return kind != 5; }

std::string fileText() {
    std::ifstream in(SettingsFile::settingsPath());
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST(WindowLayout, RoundTripsThroughTheSettingsFileKeepingEveryOtherLine) {
    TempWorkingDir wd;
    std::ofstream("vantorel.ini") << "; kept\n[Vantorel]\nLangue=1\nSomethingNew=7\n[Other]\nA=1\n";
    const std::vector<WindowPlace> places = {
        {7, 10, 20, 300, 320, 2026, 12, 8, 21, 0},
        {9, -5, 0, 1600, 700, 1985, 1, 1, 0, 0},
        {2, 400, 30, 500, 500, 2050, 12, 31, 23, 59},
    };
    ASSERT_EQ(SettingsFile::writeWindowLayout(places), SettingsWrite::Written);
    EXPECT_EQ(SettingsFile::readWindowLayout(anyKind), places);
    const std::string text = fileText();
    for (const char* kept : {"; kept", "Langue=1", "SomethingNew=7", "[Other]", "A=1"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept;
    EXPECT_EQ(SettingsFile::readInt("Langue", -1), 1);

    // A shorter list later: the old third entry is not read back.
    ASSERT_EQ(SettingsFile::writeWindowLayout({places[0]}), SettingsWrite::Written);
    EXPECT_EQ(SettingsFile::readWindowLayout(anyKind), std::vector<WindowPlace>{places[0]});
    // A kind the program no longer reopens is left out.
    ASSERT_EQ(SettingsFile::writeWindowLayout(places), SettingsWrite::Written);
    EXPECT_EQ(SettingsFile::readWindowLayout(notFive).size(), 3u);
    EXPECT_EQ(SettingsFile::readWindowLayout([](int kind) { return kind != 9; }).size(), 2u);
}

TEST(WindowLayout, ADamagedEntryIsLeftOutAndTheOthersKept) {
    const char* good = "Kind=7\nX=0\nY=0\nWidth=300\nHeight=300\nYear=2024\nMonth=2\nDay=29\nHour=21\nMinute=30\n";
    auto entry = [good](int n, const std::string& replace = "", const std::string& with = "") {
        std::string lines = good;
        if (!replace.empty()) lines.replace(lines.find(replace), replace.size(), with);
        std::string out;
        std::istringstream in(lines);
        for (std::string line; std::getline(in, line);) out += "Window" + std::to_string(n) + line + "\n";
        return out;
    };
    const std::string text = "[Windows]\nCount=8\n" + entry(1) + entry(2, "Day=29", "Day=30") +
                             entry(3, "Year=2024", "Year=2051") + entry(4, "Width=300", "Width=0") +
                             entry(5, "Minute=30", "Minute=60") + entry(6, "X=0", "X=99999999999") +
                             entry(7, "Hour=21", "Hour=x") + entry(8, "Month=2", "Month=3");
    const auto places = windowLayoutFromText(SettingsText::parse(text, kWindowLayoutSection), anyKind);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].day, 29);
    EXPECT_EQ(places[1].month, 3);

    // A count out of range reads as no windows at all; none is no list.
    EXPECT_TRUE(windowLayoutFromText(SettingsText::parse("[Windows]\nCount=-1\n", kWindowLayoutSection), anyKind).empty());
    EXPECT_TRUE(windowLayoutFromText(SettingsText::parse("[Windows]\nCount=100000\n" + entry(1), kWindowLayoutSection),
                                     anyKind)
                    .empty());
    EXPECT_TRUE(windowLayoutFromText(SettingsText::parse(entry(1), kWindowLayoutSection), anyKind).empty());
}

// The folder of the last saved picture is text in an integer file: it comes
// back byte for byte, and a name that would break the file is refused.
TEST(PictureFolder, RoundTripsAndRefusesWhatTheFileCannotHold) {
    TempWorkingDir wd;
    std::ofstream("vantorel.ini") << "[Vantorel]\nLangue=2\n";
    EXPECT_FALSE(SettingsFile::readPictureFolder().has_value());
    const std::string folder = "/home/obs/Imágenes/ Jupiter = 2026 ";
    ASSERT_EQ(SettingsFile::writePictureFolder(folder), SettingsWrite::Written);
    EXPECT_EQ(SettingsFile::readPictureFolder(), folder);
    EXPECT_EQ(SettingsFile::readInt("Langue", -1), 2);
    for (const std::string& bad : {std::string("/a\nLangue=0"), std::string("/a\rb"), std::string("relative"),
                                   std::string(), std::string("/") + std::string(5000, 'x'),
                                   std::string("/a\0b", 4)})
        EXPECT_EQ(SettingsFile::writePictureFolder(bad), SettingsWrite::Refused);
    EXPECT_EQ(SettingsFile::readPictureFolder(), folder);
    EXPECT_EQ(SettingsFile::readInt("Langue", -1), 2);
    // A damaged value read from the file is no folder.
    std::ofstream("vantorel.ini") << "[Vantorel]\nPictureFolder=pictures\n";
    EXPECT_FALSE(SettingsFile::readPictureFolder().has_value());
}
