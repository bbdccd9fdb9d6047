#pragma once

#include <filesystem>
#include <string>

// Moves the process into a fresh temporary directory for the life of the
// object, as the program reads and writes its files in the working directory.
class TempWorkingDir {
public:
    TempWorkingDir() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        std::filesystem::current_path(dir_);
    }
    ~TempWorkingDir() {
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    const std::filesystem::path& path() const { return dir_; }
    std::filesystem::path file(const std::string& name) const { return dir_ / name; }

private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};
