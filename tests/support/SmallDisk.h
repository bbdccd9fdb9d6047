#pragma once

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

// A tmpfs of a few KiB mounted on a fresh folder for the life of the object:
// a disk that fills up for real (ENOSPC at write, flush or close). Mounting
// needs root; where it cannot be had, mounted() is false and the test skips.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& size = "64k") {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-disk-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return;
        dir_ = pattern;
        mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                           ("size=" + size + ",mode=0755").c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
        if (!dir_.empty()) ::rmdir(dir_.c_str());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::filesystem::path& path() const { return dir_; }
    std::filesystem::path file(const std::string& name) const { return dir_ / name; }

    // Takes every free byte left into a file of its own.
    void fill() const {
        const int fd = ::open((dir_ / ".filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0) return;
        static const char block[512] = {};
        while (::write(fd, block, sizeof block) > 0) {
        }
        while (::write(fd, block, 1) > 0) {
        }
        ::close(fd);
    }

private:
    std::filesystem::path dir_;
    bool mounted_ = false;
};
