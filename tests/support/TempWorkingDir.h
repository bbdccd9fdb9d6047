#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// Moves the process into a fresh temporary directory for the life of the
// object, as the program reads and writes its files in the working directory.
// The per-user folders (XDG_CONFIG_HOME, XDG_DATA_HOME) point into a second
// fresh directory meanwhile, so no test reads or writes the real home.
class TempWorkingDir {
public:
    TempWorkingDir()
        : previous_(std::filesystem::current_path()),
          previousConfig_(env("XDG_CONFIG_HOME")),
          previousData_(env("XDG_DATA_HOME")) {
        dir_ = makeTemp("vantorel-XXXXXX");
        home_ = makeTemp("vantorel-home-XXXXXX");
        std::filesystem::current_path(dir_);
        setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home_ / "data").c_str(), 1);
    }
    ~TempWorkingDir() {
        std::filesystem::current_path(previous_);
        restore("XDG_CONFIG_HOME", previousConfig_);
        restore("XDG_DATA_HOME", previousData_);
        for (const auto& d : {dir_, home_}) {
            std::error_code ec;
            std::filesystem::permissions(d, std::filesystem::perms::owner_all, ec);
            std::filesystem::remove_all(d, ec);
        }
    }
    const std::filesystem::path& path() const { return dir_; }
    std::filesystem::path file(const std::string& name) const { return dir_ / name; }
    // Files of the per-user configuration and data folders of the program.
    std::filesystem::path userConfigFile(const std::string& name) const {
        return home_ / "config" / "vantorel" / name;
    }
    std::filesystem::path userDataFile(const std::string& name) const {
        return home_ / "data" / "vantorel" / name;
    }

private:
    static std::filesystem::path makeTemp(const char* name) {
        std::string pattern = (std::filesystem::temp_directory_path() / name).string();
        return mkdtemp(pattern.data());
    }
    static std::optional<std::string> env(const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    }
    static void restore(const char* name, const std::optional<std::string>& value) {
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }

    std::filesystem::path previous_;
    std::optional<std::string> previousConfig_, previousData_;
    std::filesystem::path dir_;
    std::filesystem::path home_;
};
