#pragma once

#include <array>
#include <cstdio>
#include <regex>
#include <string>
#include <sys/wait.h>

// Runs vantorel-cli with the given arguments (a shell line) and gathers its
// standard output and error together.
struct CliRun {
    int status;
    std::string out;
};

inline CliRun runCli(const std::string& args) {
    const std::string cmd = std::string(VANTOREL_CLI) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    while (size_t n = fread(buf.data(), 1, buf.size(), p)) out.append(buf.data(), n);
    const int rc = pclose(p);
    return {WEXITSTATUS(rc), out};
}

// The number after "name": in a JSON text; a huge value when absent.
inline double jsonNumber(const std::string& json, const std::string& name) {
    std::smatch m;
    const std::regex re("\"" + name + "\":(-?[0-9.eE+-]+)");
    if (!std::regex_search(json, m, re)) return 1e300;
    return std::stod(m[1]);
}
