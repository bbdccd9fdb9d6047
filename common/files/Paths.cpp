#include "common/files/Paths.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vantorel {

namespace {

constexpr const char* kProgramFolder = "vantorel";
constexpr const char* kSettingsName = "vantorel.ini";

bool isRegularFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// Any entry of that name counts, a link or a damaged file included: the user
// put it there, so the working directory is the one meant.
bool isPresent(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

fs::path homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    // A desktop session always has HOME; a service or cron job may not.
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr &&
                                                     pw->pw_dir[0] == '/')
        return pw->pw_dir;
    return {};
}

// The XDG base folder: the variable when it holds an absolute path (relative
// ones are to be ignored), else the fallback under the home folder.
fs::path xdgBase(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') return value;
    const fs::path home = homeDirectory();
    return home.empty() ? fs::path() : home / underHome;
}

// Beside the working directory's file of that name when there is a working
// directory; an empty path otherwise.
fs::path inWorkingDirectory(const std::string& name) {
    const fs::path dir = Paths::workingDirectory();
    return dir.empty() ? fs::path() : dir / name;
}

}  // namespace

std::vector<fs::path> Paths::zoneListFiles() {
    const char* tzdir = std::getenv("TZDIR");
    const fs::path dir = (tzdir != nullptr && tzdir[0] == '/') ? fs::path(tzdir)
                                                                : fs::path("/usr/share/zoneinfo");
    return {dir / "tzdata.zi", dir / "zone1970.tab", dir / "zone.tab"};
}

fs::path Paths::workingDirectory() {
    std::error_code ec;
    fs::path dir = fs::current_path(ec);
    return ec ? fs::path() : dir;
}

fs::path Paths::executableDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

std::vector<fs::path> Paths::dataDirectories() {
    std::vector<fs::path> dirs;
    auto add = [&dirs](const fs::path& dir) {
        if (dir.empty()) return;
        const fs::path clean = dir.lexically_normal();
        if (std::find(dirs.begin(), dirs.end(), clean) == dirs.end()) dirs.push_back(clean);
    };
    add(inWorkingDirectory("data"));
    const fs::path exeDir = executableDirectory();
    if (!exeDir.empty()) {
        add(exeDir / "data");
#ifdef VANTOREL_RELATIVE_DATADIR
        add(exeDir / VANTOREL_RELATIVE_DATADIR);
#endif
    }
#ifdef VANTOREL_INSTALL_DATADIR
    add(VANTOREL_INSTALL_DATADIR);
#endif
    return dirs;
}

fs::path Paths::dataFile(const std::string& name) {
    for (const fs::path& dir : dataDirectories()) {
        const fs::path candidate = dir / name;
        if (isRegularFile(candidate)) return candidate;
    }
    return {};
}

fs::path Paths::userConfigDirectory() {
    const fs::path base = xdgBase("XDG_CONFIG_HOME", ".config");
    return base.empty() ? base : base / kProgramFolder;
}

fs::path Paths::userDataDirectory() {
    const fs::path base = xdgBase("XDG_DATA_HOME", ".local/share");
    return base.empty() ? base : base / kProgramFolder;
}

fs::path Paths::settingsFile() {
    const fs::path local = inWorkingDirectory(kSettingsName);
    if (!local.empty() && isPresent(local)) return local;
    const fs::path user = userConfigDirectory();
    if (!user.empty()) return user / kSettingsName;
    // No home and no working directory: a relative name that simply fails.
    return local.empty() ? fs::path(kSettingsName) : local;
}

fs::path Paths::yearlyFileToRead(const std::string& name) {
    const fs::path local = inWorkingDirectory(name);
    if (!local.empty() && isPresent(local)) return local;
    const fs::path user = userDataDirectory();
    return user.empty() ? (local.empty() ? fs::path(name) : local) : user / name;
}

fs::path Paths::yearlyFileToWrite(const std::string& name) {
    const fs::path localSettings = inWorkingDirectory(kSettingsName);
    if (!localSettings.empty() && isPresent(localSettings)) return inWorkingDirectory(name);
    const fs::path user = userDataDirectory();
    if (!user.empty()) return user / name;
    const fs::path local = inWorkingDirectory(name);
    return local.empty() ? fs::path(name) : local;
}

fs::path Paths::exportFile(const std::string& nameOrPath) {
    const fs::path given(nameOrPath);
    if (given.is_absolute() || given.has_parent_path()) return given;
    const fs::path dir = workingDirectory();
    if (!dir.empty()) return dir / given;
    const fs::path home = homeDirectory();
    return home.empty() ? given : home / given;
}

bool Paths::makeParentDirectory(const fs::path& file) {
    const fs::path dir = file.parent_path();
    if (dir.empty()) return true;
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return true;
    // Folders made here hold the user's settings: private, as XDG asks.
    const mode_t previous = ::umask(077);
    fs::create_directories(dir, ec);
    ::umask(previous);
    return !ec && fs::is_directory(dir, ec);
}

}  // namespace vantorel
