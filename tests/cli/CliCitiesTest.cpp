#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

TEST(CliCities, ListsMatchesWithCoordinatesAndZones) {
    CliRun r = runCli("cities --match 'Paris, France' --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"name\":\"Paris\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"zone_name\":\"Europe/Paris\""), std::string::npos) << r.out;
    EXPECT_NEAR(jsonNumber(r.out, "latitude_deg"), 48.85, 0.05);
    EXPECT_NEAR(jsonNumber(r.out, "longitude_east_deg"), 2.35, 0.05);

    // Accents and case ignored; the text table names region, country and zone.
    r = runCli("cities --match 'SÃO PAULO'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.rfind("name ", 0), 0u) << r.out;
    for (const char* part :
         {"Sao Paulo", "São Paulo", "Brazil", "-23.5", "-46.6", "America/Sao_Paulo"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;

    // The most populous first, at most --limit of them.
    r = runCli("cities --match london --limit 2 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    const size_t uk = r.out.find("\"Europe/London\"");
    const size_t canada = r.out.find("\"America/Toronto\"");
    EXPECT_TRUE(uk != std::string::npos && canada != std::string::npos && uk < canada) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '{'), 3) << r.out;
    r = runCli("cities --match 'London, US'");
    EXPECT_NE(r.out.find("Kentucky"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Westminster"), std::string::npos) << r.out;
}

TEST(CliCities, NoMatchOrBadArgumentsExitTwoNamingIt) {
    CliRun r = runCli("cities --match 'Atlantis Major'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    EXPECT_NE(r.out.find("Atlantis Major"), std::string::npos) << r.out;
    EXPECT_EQ(runCli("cities").status, 2);
    EXPECT_EQ(runCli("cities --match Paris --limit 0").status, 2);
    EXPECT_EQ(runCli("cities --match ''").status, 2);
}

// A damaged list in the working directory's data/ is reported, not read.
TEST(CliCities, ADamagedListIsReported) {
    TempWorkingDir dir;
    std::filesystem::create_directory(dir.file("data"));
    std::ofstream(dir.file("data/cities.csv")) << "this is not a list of cities\n";
    CliRun r = runCli("cities --match Paris");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("not a list of cities"), std::string::npos) << r.out;

    std::ofstream(dir.file("data/cities.csv"))
        << "name,ascii_name,region,country,iso2,iso3,latitude,longitude,zone,population\n"
           "Paris,Paris,,France,FR,FRA,148.8,2.3,Europe/Paris,1\n"
           "Lyon,Lyon,,France,FR,FRA,45.76,4.84,Europe/Paris,1\n";
    r = runCli("cities --match Paris");
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.out.find("skipped 1 damaged line of"), std::string::npos) << r.out;
    r = runCli("cities --match Lyon");
    EXPECT_EQ(r.status, 0) << r.out;
}
