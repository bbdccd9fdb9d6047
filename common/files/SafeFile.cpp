#include "common/files/SafeFile.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel {

namespace {

constexpr const char* kTemporaryTag = ".tmp-";
constexpr int kRandomChars = 6;
// A temporary younger than this may belong to a writer that has created it
// but not yet locked it.
constexpr time_t kLockGraceSeconds = 2;

std::string directoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

mode_t defaultMode() {
    // The umask can only be read by setting it; the program has one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool isDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Whether `name` is one of the temporaries this program makes or made for
// the file `base`; `current` tells the present naming from the older ones.
bool isTemporaryName(const std::string& name, const std::string& base, bool& current) {
    if (name.size() <= base.size() || name.compare(0, base.size(), base) != 0) return false;
    const std::string rest = name.substr(base.size());
    current = false;
    if (rest == ".part") return true;
    if (rest.rfind(".tmp", 0) == 0 && isDigits(rest.substr(4))) return true;
    if (rest.size() == std::strlen(kTemporaryTag) + kRandomChars &&
        rest.rfind(kTemporaryTag, 0) == 0) {
        current = true;
        return true;
    }
    return false;
}

}  // namespace

FileRead readRegularFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    // O_NONBLOCK: opening a FIFO for reading must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.status = errno == ENOENT ? ReadStatus::Missing
                        : errno == EISDIR ? ReadStatus::NotRegular
                                          : ReadStatus::Unreadable;
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        result.status = ReadStatus::Unreadable;
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        result.status = ReadStatus::NotRegular;
        return result;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        result.status = ReadStatus::TooLarge;
        return result;
    }
    // The size may change under us: read at most one byte past the limit to
    // notice a file that grew.
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            result.status = ReadStatus::Unreadable;
            return result;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > maxBytes) {
            ::close(fd);
            result.status = ReadStatus::TooLarge;
            return result;
        }
    }
    ::close(fd);
    result.status = ReadStatus::Read;
    result.bytes = std::move(bytes);
    return result;
}

std::string finalTarget(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<size_t>(n) >= link.size()) return current;
        link.resize(static_cast<size_t>(n));
        current = link[0] == '/' ? link : directoryOf(current) + "/" + link;
    }
    return path;
}

bool isReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0;
}

void removeStaleTemporaries(const std::string& target) {
    const std::string dir = directoryOf(target);
    const std::string base = baseNameOf(target);
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(d)) {
        const std::string name = entry->d_name;
        bool current = false;
        if (!isTemporaryName(name, base, current)) continue;
        const std::string path = dir + "/" + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) continue;
        if (S_ISLNK(st.st_mode)) {
            ::unlink(path.c_str());  // the link only, never its target
            continue;
        }
        if (!S_ISREG(st.st_mode)) continue;
        if (current) {
            // A running writer holds a lock on its temporary.
            if (now - st.st_mtime < kLockGraceSeconds) continue;
            const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) continue;
            const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            ::close(fd);
            if (!free) continue;
        }
        ::unlink(path.c_str());
    }
    ::closedir(d);
}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open(const std::string& target) {
    discard();
    target_ = finalTarget(target);
    failed_ = false;
    existed_ = false;
    removeStaleTemporaries(target_);
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::mt19937 random(device());
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kAlphabet) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target_ + kTemporaryTag;
        for (int i = 0; i < kRandomChars; ++i) name += kAlphabet[pick(random)];
        // Exclusive and never through a link: a planted file or link of that
        // name makes this attempt fail instead of writing elsewhere.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0600);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            fd_ = fd;
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST) break;
    }
    failed_ = true;
    return false;
}

bool AtomicFile::write(const char* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    if (!writeAll(fd_, data, size)) failed_ = true;
    return !failed_;
}

bool AtomicFile::commit(Replace replace, bool readOnly) {
    if (fd_ < 0 || failed_) {
        discard();
        return false;
    }
    struct stat old {};
    existed_ = ::stat(target_.c_str(), &old) == 0;
    if (existed_ && replace == Replace::Never) {
        discard();
        return false;
    }
    mode_t mode = existed_ ? (old.st_mode & 07777) : defaultMode();
    if (readOnly) mode &= ~static_cast<mode_t>(0222);
    bool ok = ::fchmod(fd_, mode) == 0;
    if (ok && existed_ && ::geteuid() == 0) {
        // Root rewriting a user's file leaves it the user's.
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) { /* keep root's */
        }
    }
    // The lock stays held until the file is in place, so no cleaner takes
    // it for a killed run's leftover.
    if (!ok || ::fsync(fd_) != 0) {
        discard();
        return false;
    }
    if (replace == Replace::Never) {
        // link() fails when the target appeared meanwhile: never replaced.
        if (::link(temporary_.c_str(), target_.c_str()) == 0) {
            ::unlink(temporary_.c_str());
        } else if (errno == EEXIST) {
            existed_ = true;
            discard();
            return false;
        } else if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
            // A file system without hard links: the check above stands.
            discard();
            return false;
        }
    } else if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temporary_.clear();
    ::close(fd_);
    fd_ = -1;
    syncDirectory(directoryOf(target_));
    return true;
}

void AtomicFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
    AtomicFile file;
    return file.open(path) && file.write(bytes) && file.commit();
}

}  // namespace vantorel
