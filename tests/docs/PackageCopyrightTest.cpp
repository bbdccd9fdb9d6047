#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// packaging/copyright is the Debian copyright file of the package: every
// file of data the package carries must be named there with its source and
// licence, so a catalogue or map added without its credit fails here.

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = VANTOREL_SOURCE_DIR;

// One paragraph: its fields, a field's continuation lines joined to it.
using Paragraph = std::map<std::string, std::string>;

std::vector<Paragraph> readParagraphs(const fs::path& p) {
    std::ifstream in(p);
    std::vector<Paragraph> out;
    Paragraph current;
    std::string field;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            if (!current.empty()) out.push_back(current);
            current.clear();
            continue;
        }
        if (line[0] == ' ') {
            current[field] += "\n" + line.substr(1);
            continue;
        }
        const auto colon = line.find(':');
        field = line.substr(0, colon);
        current[field] = colon == std::string::npos ? "" : line.substr(colon + 1);
        if (!current[field].empty() && current[field][0] == ' ') current[field].erase(0, 1);
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

// Debian's patterns: '*' stands for any run of characters, '/' included.
bool matches(const std::string& pattern, const std::string& path) {
    if (pattern.empty()) return path.empty();
    if (pattern[0] == '*')
        for (size_t i = 0; i <= path.size(); ++i)
            if (matches(pattern.substr(1), path.substr(i))) return true;
    return !path.empty() && (pattern[0] == '?' || pattern[0] == path[0]) &&
           matches(pattern.substr(1), path.substr(1));
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// The repository's files, relative to the root, build folders left out.
std::vector<std::string> sourceFiles() {
    std::vector<std::string> files;
    for (auto it = fs::recursive_directory_iterator(kRoot); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name == ".git" || name.rfind("build", 0) == 0)) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file()) files.push_back(fs::relative(it->path(), kRoot).generic_string());
    }
    return files;
}

// The data the package carries: the files installed from data/ and the maps
// compiled into the programs.
std::vector<std::string> carriedData() {
    std::vector<std::string> files;
    for (const char* folder : {"data", "resources/maps"})
        for (const auto& e : fs::directory_iterator(kRoot / folder))
            if (e.is_regular_file()) files.push_back(fs::relative(e.path(), kRoot).generic_string());
    return files;
}

}  // namespace

TEST(PackageCopyright, NamesEveryCarriedFileWithItsSourceAndLicence) {
    const std::vector<Paragraph> paragraphs = readParagraphs(kRoot / "packaging/copyright");
    ASSERT_GT(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[0].at("Format").find("https://www.debian.org/doc/packaging-manuals/"
                                              "copyright-format/1.0/"),
              0u);

    // Licences with a text of their own paragraph.
    std::set<std::string> texts;
    for (const Paragraph& p : paragraphs)
        if (!p.count("Files") && p.count("License")) texts.insert(words(p.at("License")).front());

    const std::vector<std::string> sources = sourceFiles();
    std::vector<std::pair<std::string, const Paragraph*>> patterns;
    for (const Paragraph& p : paragraphs) {
        if (!p.count("Files")) continue;
        ASSERT_TRUE(p.count("Copyright")) << p.at("Files");
        ASSERT_TRUE(p.count("License")) << p.at("Files");
        EXPECT_FALSE(words(p.at("Copyright")).empty()) << p.at("Files");
        // The licence's text follows its name, or has a paragraph of its own.
        const std::string& licence = p.at("License");
        const std::string name = licence.substr(0, licence.find('\n'));
        EXPECT_TRUE(licence.find('\n') != std::string::npos || texts.count(name))
            << name << " has no text";
        for (const std::string& pattern : words(p.at("Files"))) {
            patterns.push_back({pattern, &p});
            // A pattern that matches nothing is a credit for a file gone.
            bool found = false;
            for (const std::string& file : sources) found = found || matches(pattern, file);
            EXPECT_TRUE(found) << pattern << " names no file";
        }
    }

    // Every carried file falls under a paragraph of its own (the last match
    // wins, as in Debian's format), not under the program's "*".
    const std::vector<std::string> data = carriedData();
    EXPECT_GT(data.size(), 200u);
    for (const std::string& file : data) {
        if (file == "data/CATALOGUES.txt") continue;  // the credits themselves
        std::string last;
        for (const auto& [pattern, paragraph] : patterns)
            if (matches(pattern, file)) last = pattern;
        EXPECT_FALSE(last.empty() || last == "*") << file << " has no credit of its own";
    }
}
