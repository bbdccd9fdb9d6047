#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of a sectioned key=value file, read and edited line by line so
// that a rewrite changes only the line of the key it sets: other sections,
// comments, unknown keys, the byte-order mark and the file's own line ends
// (LF, CRLF or CR) all come back as they were.

namespace vantorel {

class SettingsText {
public:
    SettingsText() = default;
    explicit SettingsText(std::string section) : section_(std::move(section)) {}

    // Any bytes at all; nothing is refused.
    static SettingsText parse(std::string_view bytes, std::string section);

    // The key's value in the section (names compared without case), as a
    // whole decimal number within int; nothing for a missing key or a value
    // that is not such a number.
    std::optional<int> value(std::string_view key) const;
    // The key's value as written, blanks included; nothing for a missing key.
    std::optional<std::string> text(std::string_view key) const;
    // Replaces the key's first line in the section, or adds it at the end of
    // the section (the section is added when missing).
    void set(std::string_view key, int value);
    // Sets a text value; false (and nothing changed) for one holding a line
    // end or a NUL, which the file could not give back.
    bool setText(std::string_view key, std::string_view value);
    // The same with a text value; line ends in it are dropped, so a value
    // never adds a line.
    void set(std::string_view key, std::string_view value);
    std::string serialize() const;

    const std::vector<std::string>& lines() const { return lines_; }
    const std::string& lineEnd() const { return lineEnd_; }
    bool hasByteOrderMark() const { return bom_; }

private:
    void setLine(std::string_view key, const std::string& entry);

    std::string section_;
    std::vector<std::string> lines_;
    std::string lineEnd_ = "\n";
    bool bom_ = false;
};

// A whole decimal number (surrounding blanks allowed) that fits an int.
std::optional<int> parseWholeNumber(std::string_view text);

}  // namespace vantorel
