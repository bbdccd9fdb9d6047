#include "common/files/SafeFile.h"

#include <cerrno>
#include <csignal>
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
// A temporary without its writer's pid, younger than this, may belong to a
// writer that has created it but not yet locked it.
constexpr time_t kLockGraceSeconds = 2;
// A temporary whose pid names a running process is kept this long at most:
// the pid may have been reused since its writer was killed.
constexpr time_t kLiveWriterSeconds = 3600;
// How long FileLock waits for another holder before giving up.
constexpr int kLockWaitMilliseconds = 10000;

FileStepHook& stepHook() {
    static FileStepHook hook;
    return hook;
}

int injectedError(FileStep step, const std::string& target) {
    const FileStepHook& hook = stepHook();
    return hook ? hook(step, target) : 0;
}

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

// Writes everything or gives the errno value of the failure (0 when none).
int writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;  // no progress: never loop on it
        data += n;
        size -= static_cast<size_t>(n);
    }
    return 0;
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

enum class TemporaryKind {
    None,
    Earlier,   // an earlier version's name: no writer ever holds it now
    Unowned,   // "NAME.tmp-XXXXXX": locked by a live writer
    Owned,     // "NAME.tmp-PID-XXXXXX": locked by a live writer, PID its process
};

// Which of the temporaries this program makes or made for the file `base`
// `name` is; `pid` receives the writer's process of an Owned one.
TemporaryKind temporaryKind(const std::string& name, const std::string& base, pid_t& pid) {
    if (name.size() <= base.size() || name.compare(0, base.size(), base) != 0)
        return TemporaryKind::None;
    const std::string rest = name.substr(base.size());
    if (rest == ".part") return TemporaryKind::Earlier;
    if (rest.rfind(".tmp", 0) == 0 && isDigits(rest.substr(4))) return TemporaryKind::Earlier;
    const size_t tag = std::strlen(kTemporaryTag);
    if (rest.rfind(kTemporaryTag, 0) != 0) return TemporaryKind::None;
    if (rest.size() == tag + kRandomChars) return TemporaryKind::Unowned;
    const size_t dash = rest.find('-', tag);
    const std::string digits = dash == std::string::npos ? "" : rest.substr(tag, dash - tag);
    if (!isDigits(digits) || digits.size() > 9 || rest.size() != dash + 1 + kRandomChars)
        return TemporaryKind::None;
    pid = static_cast<pid_t>(std::stol(digits));
    return TemporaryKind::Owned;
}

bool processRunning(pid_t pid) {
    if (pid <= 0) return false;
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Whether a writer holds the temporary at `path`: its lock makes ours fail.
bool heldByWriter(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return true;  // cannot tell: keep it
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return !free;
}

// Whether the file now at the target may be replaced: none, or a regular
// file that is not read-only (unless told so).
int replaceableTarget(const std::string& target, bool replaceReadOnly) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return 0;
    if (!S_ISREG(st.st_mode)) return kNotRegularFile;
    if (!replaceReadOnly && isReadOnlyFile(target)) return kReadOnlyFile;
    return 0;
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
    const std::string base = baseNameOf(target);
    removeStaleTemporariesIn(directoryOf(target),
                             [&base](const std::string& name) { return name == base; });
}

void removeStaleTemporariesIn(const std::string& dir,
                              const std::function<bool(const std::string& name)>& ours) {
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(d)) {
        const std::string name = entry->d_name;
        // The file a temporary is for: its name up to the last ".tmp" or ".part".
        const size_t part = name.size() > 5 && name.compare(name.size() - 5, 5, ".part") == 0
                                ? name.size() - 5
                                : name.rfind(".tmp");
        if (part == std::string::npos || part == 0) continue;
        const std::string base = name.substr(0, part);
        pid_t pid = 0;
        const TemporaryKind kind = temporaryKind(name, base, pid);
        if (kind == TemporaryKind::None || !ours(base)) continue;
        const std::string path = dir + "/" + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) continue;
        if (S_ISLNK(st.st_mode)) {
            ::unlink(path.c_str());  // the link only, never its target
            continue;
        }
        if (!S_ISREG(st.st_mode)) continue;
        const time_t age = now - st.st_mtime;
        if (kind == TemporaryKind::Unowned && age < kLockGraceSeconds) continue;
        // A writer locks its temporary at once, but a killed writer's pid
        // says more at once than any age: a run right after a kill cleans up.
        if (kind == TemporaryKind::Owned && processRunning(pid) && age < kLiveWriterSeconds)
            continue;
        if (kind != TemporaryKind::Earlier && heldByWriter(path)) continue;
        ::unlink(path.c_str());
    }
    ::closedir(d);
}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::fail(int error) {
    failed_ = true;
    if (error_ == 0) error_ = error != 0 ? error : EIO;
    return false;
}

bool AtomicFile::open(const std::string& target, bool replaceReadOnly) {
    discard();
    target_ = finalTarget(target);
    failed_ = false;
    existed_ = false;
    replaceReadOnly_ = replaceReadOnly;
    error_ = 0;
    removeStaleTemporaries(target_);
    if (const int refused = replaceableTarget(target_, replaceReadOnly)) return fail(refused);
    if (const int injected = injectedError(FileStep::Create, target_)) return fail(injected);
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::mt19937 random(device());
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kAlphabet) - 2);
    // The writer's pid in the name tells a killed run's leftover at once.
    const std::string prefix = target_ + kTemporaryTag + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
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
        if (errno != EEXIST) return fail(errno);
    }
    return fail(EEXIST);
}

bool AtomicFile::write(const char* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    if (const int injected = injectedError(FileStep::Write, target_)) return fail(injected);
    if (const int error = writeAll(fd_, data, size)) return fail(error);
    return true;
}

bool AtomicFile::commit(Replace replace, bool readOnly) {
    if (fd_ < 0 || failed_) {
        if (!failed_) fail(EBADF);
        discard();
        return false;
    }
    auto failWith = [this](int error) {
        fail(error);
        discard();
        return false;
    };
    struct stat old {};
    existed_ = ::stat(target_.c_str(), &old) == 0;
    if (existed_ && replace == Replace::Never) {
        discard();
        return false;
    }
    // Checked again: the target may have changed since open().
    if (const int refused = replaceableTarget(target_, replaceReadOnly_)) return failWith(refused);
    mode_t mode = existed_ ? (old.st_mode & 07777) : defaultMode();
    if (readOnly) mode &= ~static_cast<mode_t>(0222);
    if (::fchmod(fd_, mode) != 0) return failWith(errno);
    if (existed_ && ::geteuid() == 0) {
        // Root rewriting a user's file leaves it the user's.
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) { /* keep root's */
        }
    }
    // The lock stays held until the file is in place, so no cleaner takes
    // it for a killed run's leftover.
    if (const int injected = injectedError(FileStep::Sync, target_)) return failWith(injected);
    if (::fsync(fd_) != 0) return failWith(errno);
    if (const int injected = injectedError(FileStep::Rename, target_)) return failWith(injected);
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
            return failWith(errno);
        }
    } else if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return failWith(errno);
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

bool writeFileAtomically(const std::string& path, const std::string& bytes, int* error) {
    AtomicFile file;
    const bool written = file.open(path) && file.write(bytes) && file.commit();
    if (error) *error = file.error();
    return written;
}

FileLock::FileLock(const std::string& path) : lockPath_(finalTarget(path) + ".lock") {
    for (int waited = 0; waited < kLockWaitMilliseconds;) {
        const int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) return;  // no lock to be had here: the write itself will tell
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error != EWOULDBLOCK && error != EINTR) return;
            ::usleep(10000);
            waited += 10;
            continue;
        }
        // The holder before us removes the file on release: ours must still
        // be the one under the name, else another process locks a new one.
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && ::stat(lockPath_.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            fd_ = fd;
            return;
        }
        ::close(fd);
        ++waited;
    }
    timedOut_ = true;
}

FileLock::~FileLock() {
    if (fd_ < 0) return;
    ::unlink(lockPath_.c_str());
    ::close(fd_);
}

void setFileStepHookForTesting(FileStepHook hook) { stepHook() = std::move(hook); }

}  // namespace vantorel
