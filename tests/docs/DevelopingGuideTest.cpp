#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// docs/DEVELOPING.md maps each computation and window to its file, function,
// test and command. A map that names files or functions that have moved is
// worse than none, so every name it gives is checked here.

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = VANTOREL_SOURCE_DIR;

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// `path` tokens: a slash and an extension, or a trailing slash (a folder).
bool looksLikePath(const std::string& token) {
    static const std::regex path(R"(^[A-Za-z0-9_.-]+(/[A-Za-z0-9_.-]+)*(\.[a-z]+|/)$)");
    return token.find('/') != std::string::npos && std::regex_match(token, path);
}

std::vector<std::string> backticked(const std::string& text) {
    std::vector<std::string> out;
    static const std::regex tick("`([^`]+)`");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), tick); it != std::sregex_iterator();
         ++it)
        out.push_back((*it)[1]);
    return out;
}

}  // namespace

TEST(DevelopingGuide, EveryFileItNamesExistsAndHoldsTheNamesBesideIt) {
    const std::string guide = readText(kRoot / "docs/DEVELOPING.md");
    ASSERT_FALSE(guide.empty()) << "docs/DEVELOPING.md is missing";
    int files = 0;
    int symbols = 0;
    std::istringstream lines(guide);
    std::string line;
    while (std::getline(lines, line)) {
        // In a table row, a cell that names files is followed by a cell of the
        // functions or tests found in the first of those files.
        const bool row = line.rfind("|", 0) == 0;
        std::vector<std::string> cells;
        if (row) {
            std::string cell;
            std::istringstream parts(line.substr(1));
            while (std::getline(parts, cell, '|')) cells.push_back(cell);
        } else {
            cells.push_back(line);
        }
        fs::path lastFile;
        for (const std::string& cell : cells) {
            bool cellHasPath = false;
            for (const std::string& token : backticked(cell)) {
                if (looksLikePath(token)) {
                    EXPECT_TRUE(fs::exists(kRoot / token)) << token << " in: " << line;
                    if (!cellHasPath) lastFile = kRoot / token;
                    cellHasPath = true;
                    ++files;
                } else if (row && !lastFile.empty() && fs::is_regular_file(lastFile) &&
                           std::regex_match(token, std::regex(R"([A-Za-z_][A-Za-z0-9_:.]*)"))) {
                    // `Class::function`, `function` or a test's `Suite.Name`: the
                    // last part must be in the file.
                    std::string name = token.substr(token.rfind(':') + 1);
                    name = name.substr(name.rfind('.') + 1);
                    EXPECT_NE(readText(lastFile).find(name), std::string::npos)
                        << token << " not in " << lastFile.string();
                    ++symbols;
                }
            }
        }
    }
    // A guide that names nothing would pass; it must be the map it claims to be.
    EXPECT_GT(files, 40);
    EXPECT_GT(symbols, 20);
}

namespace {

std::vector<std::string> tableRows(const std::string& guide, const std::string& heading) {
    std::vector<std::string> rows;
    const auto start = guide.find("\n## " + heading + "\n");
    if (start == std::string::npos) return rows;
    std::istringstream lines(guide.substr(start + 1));
    std::string line;
    std::getline(lines, line);  // the heading
    while (std::getline(lines, line) && line.rfind("## ", 0) != 0)
        if (line.rfind("| ", 0) == 0 && line.find("---") == std::string::npos) rows.push_back(line);
    if (!rows.empty()) rows.erase(rows.begin());  // the column titles
    return rows;
}

// The header that declares `className`, relative to the root; empty when none.
std::string headerDeclaring(const std::string& className) {
    const std::regex decl("\\n(class|struct) " + className + "\\b[^;]*\\{");
    for (const char* folder : {"app", "common", "moon", "planets", "satellites", "sky", "tonight"})
        for (const auto& e : fs::recursive_directory_iterator(kRoot / folder))
            if (e.path().extension() == ".h" && std::regex_search(readText(e.path()), decl))
                return fs::relative(e.path(), kRoot).generic_string();
    return {};
}

}  // namespace

TEST(DevelopingGuide, EverySourceFolderHasItsRowAndEveryRowItsFolder) {
    const std::string guide = readText(kRoot / "docs/DEVELOPING.md");
    std::set<std::string> named;
    for (const std::string& row : tableRows(guide, "Folders")) {
        const auto ticks = backticked(row);
        ASSERT_FALSE(ticks.empty()) << row;
        named.insert(ticks.front());
        EXPECT_TRUE(fs::is_directory(kRoot / ticks.front())) << row;
    }
    std::set<std::string> withSources;
    for (const char* top : {"engine", "common", "moon", "planets", "satellites", "sky", "tonight", "app", "cli"})
        for (const auto& e : fs::recursive_directory_iterator(kRoot / top)) {
            const auto ext = e.path().extension();
            if (e.is_regular_file() && (ext == ".cpp" || ext == ".h"))
                withSources.insert(fs::relative(e.path().parent_path(), kRoot).generic_string() + "/");
        }
    for (const std::string& folder : withSources)
        EXPECT_TRUE(named.count(folder)) << folder << " has sources but no row in the Folders table";
    for (const std::string& folder : named)
        EXPECT_TRUE(withSources.count(folder)) << folder << " is in the map but holds no source";
}

TEST(DevelopingGuide, EachWindowRowNamesTheViewsItsFactoryCreates) {
    const std::string guide = readText(kRoot / "docs/DEVELOPING.md");
    const std::vector<std::string> rows = tableRows(guide, "Windows");
    ASSERT_GE(rows.size(), 8u);
    const std::string factories = readText(kRoot / "app/ui/ViewFactories.cpp");
    // registry.setViewFactory(DocTypeId::X, ... new ClassName(...) ...), and the
    // frame factories alike; one call may span lines.
    static const std::regex call(R"(set(View|Frame)Factory\(\s*DocTypeId::(\w+)[^;]*?new (\w+)\()");
    int pairs = 0;
    for (auto it = std::sregex_iterator(factories.begin(), factories.end(), call);
         it != std::sregex_iterator(); ++it) {
        const std::string id = "DocTypeId::" + (*it)[2].str();
        const std::string cls = (*it)[3];
        const std::string header = headerDeclaring(cls);
        ASSERT_FALSE(header.empty()) << cls << " is declared in no header";
        const std::string stem = header.substr(0, header.size() - 2);
        bool rowFound = false;
        for (const std::string& row : rows) {
            if (row.find("`" + id + "`") == std::string::npos) continue;
            rowFound = true;
            const bool names = row.find("`" + header + "`") != std::string::npos ||
                               row.find("`" + stem + ".cpp`") != std::string::npos;
            EXPECT_TRUE(names) << "the row of " << id << " does not name " << header << " (" << cls << ")";
        }
        EXPECT_TRUE(rowFound) << id << " has no row in the Windows table";
        ++pairs;
    }
    EXPECT_GE(pairs, 12);
}
