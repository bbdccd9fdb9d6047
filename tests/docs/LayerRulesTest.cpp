#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The folders are the layers of the program, from the ground up: engine/;
// common/; the subsystems moon/, planets/, satellites/, sky/ and tonight/; on top app/
// and cli/. Inside a folder, its root is plain C++, paint/ draws with Qt Gui
// and ui/ holds the widgets. Every include of every source file is read here
// and each one that runs upward or sideways is named.

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = VANTOREL_SOURCE_DIR;

const std::map<std::string, int> kFloor = {
    {"engine", 0}, {"common", 1}, {"moon", 2}, {"planets", 2},
    {"satellites", 2}, {"sky", 2}, {"tonight", 2}, {"app", 3}, {"cli", 3},
};

std::string topFolder(const std::string& path) { return path.substr(0, path.find('/')); }

// 0 for a folder's root, 1 for paint/, 2 for ui/.
int part(const std::string& path) {
    if (path.find("/ui/") != std::string::npos) return 2;
    if (path.find("/paint/") != std::string::npos) return 1;
    return 0;
}

struct Include {
    std::string target;
    bool system;
};

std::vector<Include> includesOf(const fs::path& file) {
    std::vector<Include> out;
    std::ifstream in(file);
    std::string line;
    static const std::regex inc(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::smatch m;
    while (std::getline(in, line))
        if (std::regex_search(line, m, inc)) out.push_back({m[2], m[1] == "<"});
    return out;
}

std::vector<std::string> sourceFiles() {
    std::vector<std::string> out;
    for (const auto& [folder, floor] : kFloor) {
        (void)floor;
        for (const auto& e : fs::recursive_directory_iterator(kRoot / folder)) {
            const std::string ext = e.path().extension().string();
            if (e.is_regular_file() && (ext == ".h" || ext == ".cpp"))
                out.push_back(fs::relative(e.path(), kRoot).generic_string());
        }
    }
    return out;
}

// The reason an include breaks a rule, or empty.
std::string brokenRule(const std::string& from, const Include& inc) {
    const std::string fromTop = topFolder(from);
    if (inc.system) {
        const bool qt = inc.target.rfind("Q", 0) == 0 || inc.target.rfind("qt", 0) == 0;
        if (qt && part(from) == 0 && fromTop != "app" && fromTop != "cli")
            return "a plain C++ file includes Qt";
        static const std::set<std::string> widgetsOnlyInUi = {"QWidget", "QDialog", "QMainWindow",
                                                             "QApplication", "QMdiArea", "QPrinter"};
        if (part(from) == 1 && widgetsOnlyInUi.count(inc.target)) return "a painter includes widgets";
        return {};
    }
    const std::string toTop = topFolder(inc.target);
    const auto floorFrom = kFloor.find(fromTop);
    const auto floorTo = kFloor.find(toTop);
    if (floorTo == kFloor.end()) return {};  // generated or test support
    if (floorTo->second > floorFrom->second) return "includes a higher layer";
    if (floorTo->second == floorFrom->second && fromTop != toTop) {
        if (fromTop == "app" || fromTop == "cli") return "the shell and the command line stay apart";
        if (part(inc.target) == 2) return "includes another subsystem's windows";
    }
    if (part(inc.target) > part(from) && !(fromTop == "app" || fromTop == "cli"))
        return part(from) == 0 ? "plain C++ includes a painter or a window" : "a painter includes a window";
    if (fromTop == "cli" && part(inc.target) == 2) return "the command line includes widgets";
    return {};
}

}  // namespace

TEST(LayerRules, EveryIncludePointsDownOrWithinItsSubsystem) {
    const std::vector<std::string> files = sourceFiles();
    ASSERT_GT(files.size(), 200u) << "the source tree was not found";
    int checked = 0;
    for (const std::string& file : files) {
        for (const Include& inc : includesOf(kRoot / file)) {
            ++checked;
            const std::string why = brokenRule(file, inc);
            EXPECT_TRUE(why.empty()) << file << " -> " << inc.target << ": " << why;
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(LayerRules, TheRulesCatchWhatTheyForbid) {
    EXPECT_FALSE(brokenRule("engine/Jupiter.h", {"satellites/GalileanMoons.h", false}).empty());
    EXPECT_FALSE(brokenRule("moon/MoonTheory.cpp", {"common/paint/DrawingSurface.h", false}).empty());
    EXPECT_FALSE(brokenRule("planets/ui/PlanetView.cpp", {"app/ui/MainWindow.h", false}).empty());
    EXPECT_FALSE(brokenRule("satellites/ui/X.cpp", {"planets/ui/PlanetView.h", false}).empty());
    EXPECT_FALSE(brokenRule("common/text/DateText.cpp", {"QString", true}).empty());
    EXPECT_FALSE(brokenRule("sky/paint/SkyChartPicture.cpp", {"QWidget", true}).empty());
    EXPECT_FALSE(brokenRule("cli/CmdRender.cpp", {"common/ui/ChildView.h", false}).empty());
    EXPECT_TRUE(brokenRule("planets/ui/PlanetView.cpp", {"satellites/paint/JupiterPicture.h", false}).empty());
    EXPECT_TRUE(brokenRule("moon/MoonDocument.cpp", {"planets/PanelText.h", false}).empty());
    EXPECT_TRUE(brokenRule("app/ui/ViewFactories.cpp", {"sky/ui/SkyChartView.h", false}).empty());
}
