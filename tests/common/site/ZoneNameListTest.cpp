#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/files/Paths.h"
#include "common/site/ZoneNameList.h"
#include "engine/TimeZone.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

std::vector<std::string> names(const std::vector<const std::string*>& found) {
    std::vector<std::string> out;
    for (const std::string* n : found) out.push_back(*n);
    return out;
}

}  // namespace

// Both kinds of list the database ships: tzdata.zi's zone and link lines,
// the tab-separated zone.tab; every other line and name is left out.
TEST(ZoneNameList, ReadsTheDatabasesListsAndSkipsTheRest) {
    const ZoneNameList zi = ZoneNameList::parse(
        "# version 2024a\n"
        "R E 1981 ma - Mar lastSu 1u 1 S\n"
        "Z Europe/Paris 0:9:21 - LMT 1891 Mar 16\n"
        "1 c CE%sT\n"
        "Z America/Sao_Paulo -3:6:28 - LMT 1914\r\n"
        "Z Etc/GMT+5 -5 - -05\n"
        "Z EST5EDT -5 u E%sT\n"
        "L Europe/Paris Europe/Monaco\n"
        "L Asia/Kolkata Asia/Calcutta\n"
        "Z ../../etc/passwd 0 - X\n"
        "Z Bad/Name;rm 0 - X\n"
        "Z " + std::string(2000, 'A') + "/B 0 - X\n"
        "L OnlyTarget\n");
    ASSERT_TRUE(zi.ok());
    EXPECT_EQ(zi.names(), (std::vector<std::string>{"America/Sao_Paulo", "Asia/Calcutta",
                                                    "Europe/Monaco", "Europe/Paris", "UTC"}));

    const ZoneNameList tab = ZoneNameList::parse(
        "# tzdb timezone descriptions\n"
        "FR\t+4852+00220\tEurope/Paris\n"
        "BR\t-2332-04637\tAmerica/Sao_Paulo\tS & SE Brazil\n"
        "XX\tnot enough fields\n");
    EXPECT_EQ(tab.names(), (std::vector<std::string>{"America/Sao_Paulo", "Europe/Paris", "UTC"}));

    EXPECT_EQ(ZoneNameList::parse("").status(), ZoneNameList::Status::NoNames);
    EXPECT_EQ(ZoneNameList::parse(std::string(100, '\0')).status(), ZoneNameList::Status::NoNames);
}

// Typing finds a place's zone by any part of its name, case, accents and
// underscores ignored; an exact part comes first.
TEST(ZoneNameList, SearchRanksPartsBeforeTheRest) {
    const ZoneNameList list = ZoneNameList::parse(
        "Z America/Sao_Paulo 0\nZ America/Argentina/San_Luis 0\nZ Europe/Paris 0\n"
        "Z America/Port-au-Prince 0\nZ Asia/Kolkata 0\nZ Europe/Kyiv 0\n");
    EXPECT_EQ(names(list.search("paris")), (std::vector<std::string>{"Europe/Paris"}));
    EXPECT_EQ(names(list.search("São")), (std::vector<std::string>{"America/Sao_Paulo"}));
    EXPECT_EQ(names(list.search("sao paulo")), (std::vector<std::string>{"America/Sao_Paulo"}));
    EXPECT_EQ(names(list.search("Sao_P")), (std::vector<std::string>{"America/Sao_Paulo"}));
    // "san" starts a part of San_Luis; it is held elsewhere in none.
    EXPECT_EQ(names(list.search("san")), (std::vector<std::string>{"America/Argentina/San_Luis"}));
    // "america" is a whole part of three names.
    EXPECT_EQ(list.search("america").size(), 3u);
    EXPECT_EQ(names(list.search("europe/pa")), (std::vector<std::string>{"Europe/Paris"}));
    EXPECT_EQ(names(list.search("olka")), (std::vector<std::string>{"Asia/Kolkata"}));
    EXPECT_EQ(list.search("").size(), list.names().size());
    EXPECT_EQ(list.search("", 2).size(), 2u);
    EXPECT_TRUE(list.search("atlantis").empty());
}

// The system's own list: found, read whole, and its names are zones the
// conversions know.
TEST(ZoneNameList, TheSystemsListHoldsTheZonesOfPlaces) {
    const ZoneNameList list = ZoneNameList::load(Paths::zoneListFiles());
    ASSERT_TRUE(list.ok()) << "no tz database list under /usr/share/zoneinfo";
    EXPECT_GT(list.names().size(), 300u);
    int unknown = 0;
    for (const std::string& name : list.names()) unknown += !TimeZone::named(name).has_value();
    EXPECT_EQ(unknown, 0);
    ASSERT_FALSE(list.search("paris").empty());
    EXPECT_EQ(*list.search("paris").front(), "Europe/Paris");

    // A list that is missing or not a file falls to the next; none at all
    // says so.
    TempWorkingDir wd;
    std::filesystem::create_directory("tzdata.zi");
    std::ofstream("zone.tab") << "FR\t+4852+00220\tEurope/Paris\n";
    const ZoneNameList fallback =
        ZoneNameList::load({wd.file("tzdata.zi"), wd.file("zone1970.tab"), wd.file("zone.tab")});
    EXPECT_EQ(fallback.names(), (std::vector<std::string>{"Europe/Paris", "UTC"}));
    EXPECT_EQ(ZoneNameList::load({wd.file("none")}).status(), ZoneNameList::Status::Missing);
    EXPECT_EQ(ZoneNameList::load({wd.file("tzdata.zi")}).status(), ZoneNameList::Status::Unreadable);
}
