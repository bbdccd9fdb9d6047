#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
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
