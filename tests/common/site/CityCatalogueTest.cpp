#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/site/CityCatalogue.h"
#include "engine/TimeZone.h"
#include "tests/support/TempWorkingDir.h"

using vantorel::City;
using vantorel::CityCatalogue;

namespace {

const std::string kHeader =
    "name,ascii_name,region,country,iso2,iso3,latitude,longitude,zone,population\n";

const std::string kSample =
    kHeader +
    "Paris,Paris,Île-de-France,France,FR,FRA,48.8667,2.3333,Europe/Paris,4957589\n"
    "Paris,Paris,Texas,United States of America,US,USA,33.6609,-95.5555,America/Chicago,25171\n"
    "Paris,Paris,Tennessee,United States of America,US,USA,36.3020,-88.3267,America/Chicago,10156\n"
    "Villeparisis,Villeparisis,Île-de-France,France,FR,FRA,48.9420,2.6140,Europe/Paris,26000\n"
    "Parisot,Parisot,Occitanie,France,FR,FRA,44.2600,1.8600,Europe/Paris,500\n"
    "São Paulo,Sao Paulo,São Paulo,Brazil,BR,BRA,-23.5587,-46.6250,America/Sao_Paulo,18845000\n"
    "Zürich,Zurich,Zürich,Switzerland,CH,CHE,47.3800,8.5500,Europe/Zurich,1108000\n"
    "\"Washington, D.C.\",\"Washington, D.C.\",District of Columbia,United States of "
    "America,US,USA,"
    "38.8995,-77.0094,America/New_York,2445216\n"
    "Washington,Washington,Tyne and Wear,United "
    "Kingdom,GB,GBR,54.9000,-1.5200,Europe/London,53526\n"
    "Port-au-Prince,Port-au-Prince,Ouest,Haiti,HT,HTI,18.5410,-72.3360,America/"
    "Port-au-Prince,1998000\n"
    "Pristina,Pristina,Pristina,Kosovo,,,42.6667,21.1660,Europe/Belgrade,331700\n"
    "Kiritimati,Kiritimati,,Kiribati,KI,KIR,1.8700,-157.4000,Pacific/Kiritimati,5115\n"
    "\r\n"
    "\n";

// Lines a damaged or hand-edited file may hold; none is a city.
const std::vector<std::string> kBadLines = {
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris",           // a field short
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000,x",  // one too many
    "Lyon,Lyon,Auvergne,France,FR,FRA,91,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,-180.5,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,nan,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,1e400,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76x,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,../../etc/passwd,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,-5",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,12.5",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,99999999999999999999",
    ",Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",
    "   ,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,,FR,FRA,45.76,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,fr,FRA,45.76,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FR,45.76,4.84,Europe/Paris,500000",
    "\"Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",  // open quote
    "Ly\"on,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",
    "Ly\xC3\x28on,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",  // not UTF-8
    "Ly\ton,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",
    "Lyon,Ly\xC3\xB6n,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",  // ASCII name
    std::string(150, 'L') + ",Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000",
    "Lyon,Lyon,Auvergne,France,FR,FRA,45.76,4.84,Europe/Paris,500000" + std::string(5000, ' '),
};

CityCatalogue sample() {
    std::istringstream in(kSample);
    return CityCatalogue::read(in);
}

std::vector<std::string> describe(const std::vector<const City*>& cities) {
    std::vector<std::string> out;
    for (const City* c : cities)
        out.push_back(c->name + (c->region.empty() ? "" : "/" + c->region));
    return out;
}

std::string writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

}  // namespace

TEST(CityCatalogue, ReadsEveryFieldOfAGoodList) {
    const CityCatalogue list = sample();
    ASSERT_EQ(list.status(), CityCatalogue::Status::Ok);
    EXPECT_EQ(list.skippedLines(), 0);
    ASSERT_EQ(list.cities().size(), 12u);
    const City& sp = list.cities()[5];
    EXPECT_EQ(sp.name, "São Paulo");
    EXPECT_EQ(sp.asciiName, "Sao Paulo");
    EXPECT_EQ(sp.region, "São Paulo");
    EXPECT_EQ(sp.country, "Brazil");
    EXPECT_EQ(sp.iso2, "BR");
    EXPECT_EQ(sp.iso3, "BRA");
    EXPECT_DOUBLE_EQ(sp.latitudeDeg, -23.5587);
    EXPECT_DOUBLE_EQ(sp.longitudeDeg, -46.625);
    EXPECT_EQ(sp.zoneName, "America/Sao_Paulo");
    EXPECT_EQ(sp.population, 18845000);
    EXPECT_EQ(list.cities()[7].name, "Washington, D.C.");
    EXPECT_EQ(list.cities()[10].iso2, "");
    EXPECT_EQ(list.cities()[11].region, "");
}

TEST(CityCatalogue, DamagedLinesAreSkippedAndCounted) {
    std::string text = kSample;
    for (const std::string& line : kBadLines) text += line + "\n";
    text += "Lyon,Lyon,Auvergne,France,FR,FRA,45.7600,4.8400,Europe/Paris,500000\n";  // still read
    std::istringstream in(text);
    const CityCatalogue list = CityCatalogue::read(in);
    EXPECT_EQ(list.status(), CityCatalogue::Status::Ok);
    EXPECT_EQ(list.skippedLines(), static_cast<int>(kBadLines.size()));
    ASSERT_EQ(list.cities().size(), 13u);
    EXPECT_EQ(list.cities().back().name, "Lyon");
    // Each bad line on its own, between good ones.
    for (const std::string& line : kBadLines) {
        std::istringstream one(kHeader + line +
                               "\nParis,Paris,,France,FR,FRA,48.8,2.3,Europe/Paris,1\n");
        const CityCatalogue l = CityCatalogue::read(one);
        EXPECT_EQ(l.skippedLines(), 1) << line;
        EXPECT_EQ(l.cities().size(), 1u) << line;
    }
}

TEST(CityCatalogue, MissingOrDamagedFilesGiveAStatus) {
    TempWorkingDir dir;
    using Status = CityCatalogue::Status;
    EXPECT_EQ(CityCatalogue::load(dir.file("none.csv")).status(), Status::Missing);
    EXPECT_EQ(CityCatalogue::load("").status(), Status::Missing);
    EXPECT_EQ(CityCatalogue::load(dir.path()).status(), Status::Unreadable);
    EXPECT_EQ(CityCatalogue::load(writeFile(dir.file("empty.csv"), "")).status(),
              Status::NotACityList);
    EXPECT_EQ(CityCatalogue::load(writeFile(dir.file("stars.csv"), "0000+00 And\n")).status(),
              Status::NotACityList);
    EXPECT_EQ(
        CityCatalogue::load(writeFile(dir.file("binary.csv"), std::string(100000, '\0'))).status(),
        Status::NotACityList);
    EXPECT_EQ(CityCatalogue::load(writeFile(dir.file("header.csv"), kHeader)).status(),
              Status::NoCities);
    EXPECT_EQ(
        CityCatalogue::load(writeFile(dir.file("bad.csv"), kHeader + kBadLines[2] + "\n")).status(),
        Status::NoCities);
    // A byte-order mark and Windows line ends are fine.
    std::string windows = "\xEF\xBB\xBF" + kSample;
    for (size_t at = 0; (at = windows.find('\n', at)) != std::string::npos; at += 2)
        windows.insert(at, "\r");
    const CityCatalogue list = CityCatalogue::load(writeFile(dir.file("windows.csv"), windows));
    EXPECT_EQ(list.status(), Status::Ok);
    EXPECT_EQ(list.cities().size(), 12u);
    EXPECT_EQ(list.cities().back().population, 5115);
    // Nothing to search in a list that failed.
    EXPECT_TRUE(CityCatalogue().search("Paris").empty());
    EXPECT_EQ(CityCatalogue().bestMatch("Paris"), nullptr);
}

TEST(CityCatalogue, SearchAsOneTypes) {
    const CityCatalogue list = sample();
    // The exact name first, then names starting with it, then a word of the
    // name, then anywhere; the most populous first within each.
    EXPECT_EQ(describe(list.search("paris")),
              (std::vector<std::string>{"Paris/Île-de-France", "Paris/Texas", "Paris/Tennessee",
                                        "Parisot/Occitanie", "Villeparisis/Île-de-France"}));
    EXPECT_EQ(describe(list.search("pa")),
              (std::vector<std::string>{"Paris/Île-de-France", "Paris/Texas", "Paris/Tennessee",
                                        "Parisot/Occitanie", "São Paulo/São Paulo",
                                        "Villeparisis/Île-de-France"}));
    EXPECT_EQ(describe(list.search("paul")), (std::vector<std::string>{"São Paulo/São Paulo"}));
    EXPECT_EQ(describe(list.search("prince")), (std::vector<std::string>{"Port-au-Prince/Ouest"}));
    EXPECT_EQ(describe(list.search("PARIS", 2)),
              (std::vector<std::string>{"Paris/Île-de-France", "Paris/Texas"}));
    // Case, accents and spaces ignored, on both sides.
    EXPECT_EQ(describe(list.search("  SAO   paulo ")),
              (std::vector<std::string>{"São Paulo/São Paulo"}));
    EXPECT_EQ(describe(list.search("zurich")), (std::vector<std::string>{"Zürich/Zürich"}));
    EXPECT_EQ(describe(list.search("Zürich")), (std::vector<std::string>{"Zürich/Zürich"}));
    EXPECT_TRUE(list.search("").empty());
    EXPECT_TRUE(list.search("   ").empty());
    EXPECT_TRUE(list.search("Atlantis").empty());
}

TEST(CityCatalogue, CountryOrRegionAfterACommaNarrowsTheMatches) {
    const CityCatalogue list = sample();
    const std::vector<std::string> paris = {"Paris/Texas", "Paris/Tennessee"};
    EXPECT_EQ(describe(list.search("Paris, US")), paris);
    EXPECT_EQ(describe(list.search("paris,usa")), paris);
    EXPECT_EQ(describe(list.search("Paris, United States")), paris);
    EXPECT_EQ(describe(list.search("Paris, Tennessee")),
              (std::vector<std::string>{"Paris/Tennessee"}));
    EXPECT_EQ(describe(list.search("Paris, fr")),
              (std::vector<std::string>{"Paris/Île-de-France", "Parisot/Occitanie",
                                        "Villeparisis/Île-de-France"}));
    EXPECT_TRUE(list.search("Paris, Brazil").empty());
    EXPECT_EQ(describe(list.search("Paris,")).size(), 5u);
    // A name with a comma of its own.
    EXPECT_EQ(describe(list.search("Washington, D.C.")),
              (std::vector<std::string>{"Washington, D.C./District of Columbia"}));
    EXPECT_EQ(describe(list.search("Washington, United Kingdom")),
              (std::vector<std::string>{"Washington/Tyne and Wear"}));
    // A city without codes is found by its country's name.
    EXPECT_EQ(describe(list.search("Pristina, Kosovo")),
              (std::vector<std::string>{"Pristina/Pristina"}));
}

TEST(CityCatalogue, BestMatchIsTheMostPopulousOfThatName) {
    const CityCatalogue list = sample();
    const City* paris = list.bestMatch("paris");
    ASSERT_NE(paris, nullptr);
    EXPECT_EQ(paris->country, "France");
    ASSERT_NE(list.bestMatch("Paris, US"), nullptr);
    EXPECT_EQ(list.bestMatch("Paris, US")->region, "Texas");
    EXPECT_EQ(list.bestMatch("PARIS, tennessee")->region, "Tennessee");
    EXPECT_EQ(list.bestMatch("sao paulo")->zoneName, "America/Sao_Paulo");
    EXPECT_EQ(list.bestMatch("Washington, D.C.")->zoneName, "America/New_York");
    // The capital goes by its name without the ", D.C." too.
    EXPECT_EQ(list.bestMatch("Washington")->zoneName, "America/New_York");
    EXPECT_EQ(list.bestMatch("Washington, US")->zoneName, "America/New_York");
    EXPECT_EQ(list.bestMatch("Washington, GB")->zoneName, "Europe/London");
    // Only a whole name counts.
    EXPECT_EQ(list.bestMatch("Pari"), nullptr);
    EXPECT_EQ(list.bestMatch("Villeparis"), nullptr);
    EXPECT_EQ(list.bestMatch("Paris, Brazil"), nullptr);
    EXPECT_EQ(list.bestMatch(""), nullptr);
}

// The list the program ships.
TEST(CityCatalogue, TheShippedListReadsWholeAndFindsTheBigCities) {
    const CityCatalogue list = CityCatalogue::load(std::filesystem::path(VANTOREL_SOURCE_DIR) /
                                                   "data" / CityCatalogue::kFileName);
    ASSERT_EQ(list.status(), CityCatalogue::Status::Ok);
    EXPECT_EQ(list.skippedLines(), 0);
    EXPECT_GT(list.cities().size(), 7000u);

    const City* paris = list.bestMatch("Paris");
    ASSERT_NE(paris, nullptr);
    EXPECT_EQ(paris->zoneName, "Europe/Paris");
    EXPECT_NEAR(paris->latitudeDeg, 48.85, 0.05);
    EXPECT_NEAR(paris->longitudeDeg, 2.35, 0.05);

    // Accents ignored both ways: the list writes "Sao Paulo" and "Montréal".
    const City* saoPaulo = list.bestMatch("São Paulo");
    ASSERT_NE(saoPaulo, nullptr);
    EXPECT_EQ(saoPaulo->zoneName, "America/Sao_Paulo");
    EXPECT_LT(saoPaulo->latitudeDeg, -23);
    EXPECT_EQ(list.bestMatch("sao paulo"), saoPaulo);
    const City* montreal = list.bestMatch("montreal");
    ASSERT_NE(montreal, nullptr);
    EXPECT_EQ(montreal->name, "Montréal");
    EXPECT_EQ(montreal->zoneName, "America/Toronto");
    EXPECT_EQ(list.bestMatch("MALMO")->name, "Malmö");
    EXPECT_EQ(list.search("dussel", 1).front()->name, "Düsseldorf");

    // Same names in several countries: the most populous, or the one asked for.
    EXPECT_EQ(list.bestMatch("London")->country, "United Kingdom");
    EXPECT_EQ(list.bestMatch("London, Canada")->zoneName, "America/Toronto");
    EXPECT_EQ(list.bestMatch("London, US")->region, "Kentucky");
    EXPECT_EQ(list.bestMatch("Portland, Maine")->zoneName, "America/New_York");
    EXPECT_EQ(list.bestMatch("Cordoba")->country, "Argentina");  // written Córdoba
    EXPECT_EQ(list.bestMatch("Cordoba, Spain")->zoneName, "Europe/Madrid");
    EXPECT_EQ(list.bestMatch("Kathmandu")->zoneName, "Asia/Kathmandu");
    const auto springfields = list.search("Springfield, US");
    EXPECT_GE(springfields.size(), 5u);
    for (const City* c : springfields) EXPECT_EQ(c->iso2, "US");
}

// Every zone of the shipped list is known to this system's tz database, so a
// city picked always gives a zone.
TEST(CityCatalogue, EveryShippedZoneIsInTheTzDatabase) {
    const CityCatalogue list = CityCatalogue::load(std::filesystem::path(VANTOREL_SOURCE_DIR) /
                                                   "data" / CityCatalogue::kFileName);
    std::set<std::string> zones;
    for (const City& c : list.cities()) zones.insert(c.zoneName);
    EXPECT_GT(zones.size(), 300u);
    for (const std::string& z : zones) EXPECT_TRUE(vantorel::TimeZone::named(z).has_value()) << z;
}
