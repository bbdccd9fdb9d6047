#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Reading and writing the program's own files so that nothing the user keeps
// is ever lost: small files are read only when they are regular files of a
// sane size (a FIFO or a link to /dev/zero must not hang or eat memory), and
// every write goes to an exclusively created temporary file beside the
// target, is flushed to disk and renamed over it, so that a kill at any moment
// leaves either the old file or the new one. Links are followed to their
// target, and a replaced file keeps its mode. Only a regular file is ever
// replaced (never a device, a FIFO or a folder), and never a read-only one.

namespace vantorel {

// Causes of a refused write that are not the system's: AtomicFile::error()
// gives one of these or an errno value.
constexpr int kNotRegularFile = -1;  // the target is a device, a FIFO, a folder...
constexpr int kReadOnlyFile = -2;    // the target is read-only and is kept

enum class ReadStatus {
    Read,        // the whole file is in `bytes`
    Missing,     // no such file: a fresh one may be written
    NotRegular,  // a directory, a FIFO, a device...
    TooLarge,    // more than the caller's limit
    Unreadable,  // exists but cannot be opened or read
};

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
    bool ok() const { return status == ReadStatus::Read; }
};

// Reads a whole regular file of at most `maxBytes` bytes. Never blocks on a
// FIFO and never reads more than `maxBytes` + 1 bytes.
FileRead readRegularFile(const std::string& path, std::size_t maxBytes);

// The file a path finally names once every symbolic link on it is followed
// (the last link's target when it does not exist yet). Gives `path` itself
// when the links loop.
std::string finalTarget(const std::string& path);

// Whether the file at `path` (links followed) exists but may not be
// rewritten: its owner write bit is off or the process may not write it. A
// file made read-only is the user's way of saying "keep this", which holds
// for root too.
bool isReadOnlyFile(const std::string& path);

// A new version of a file, built in a temporary file beside the target and
// put in place by commit(). Dropping it uncommitted removes the temporary.
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Creates the temporary file for `target` (links followed), removing
    // the stale temporaries a killed run of this program left for it. Fails
    // when the target exists and is not a regular file, or is read-only
    // unless `replaceReadOnly` (the program's own read-only files).
    bool open(const std::string& target, bool replaceReadOnly = false);
    bool write(const char* data, std::size_t size);
    bool write(const std::string& text) { return write(text.data(), text.size()); }

    enum class Replace { Always, Never };
    // Flushes the data to disk, gives the file the old file's mode (the
    // umask's default for a new file), without its write bits when
    // `readOnly`, and renames it over the target. With Replace::Never an
    // existing target is left alone and commit() fails with existed() true.
    bool commit(Replace replace = Replace::Always, bool readOnly = false);
    // Removes the temporary file; nothing changes.
    void discard();

    bool existed() const { return existed_; }
    // Why open(), write() or commit() failed: the errno value of the first
    // step that failed, kNotRegularFile or kReadOnlyFile; 0 when none did.
    int error() const { return error_; }
    const std::string& target() const { return target_; }
    const std::string& temporaryPath() const { return temporary_; }

private:
    // Records the first failure's cause; always false.
    bool fail(int error);

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool failed_ = false;
    bool existed_ = false;
    bool replaceReadOnly_ = false;
    int error_ = 0;
};

// Writes `bytes` as the whole new content of `path` through an AtomicFile;
// `error`, when given, receives AtomicFile::error().
bool writeFileAtomically(const std::string& path, const std::string& bytes,
                         int* error = nullptr);

// Removes the leftovers of killed runs for `target`: this program's
// temporaries ("NAME.tmp-PID-XXXXXX") whose writer is gone and that no
// writer holds, and those of its earlier versions ("NAME.tmp-XXXXXX",
// "NAME.part", "NAME.tmpPID"). Only regular files and links themselves are
// removed, never what a link points to.
void removeStaleTemporaries(const std::string& target);
// The same for every file of the folder `dir` whose name `ours` accepts.
void removeStaleTemporariesIn(const std::string& dir,
                              const std::function<bool(const std::string& name)>& ours);

// An exclusive advisory lock for a read-modify-write of `path` shared by
// several processes: a lock file "PATH.lock" beside it, removed on release.
// Waits at most a few seconds for another holder. Where no lock file can be
// made or the file system knows no locks, it goes on unlocked: the write
// itself then succeeds or says why not.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();
    bool locked() const { return fd_ >= 0; }
    // Another holder kept the lock all the time waited.
    bool timedOut() const { return timedOut_; }

private:
    std::string lockPath_;
    int fd_ = -1;
    bool timedOut_ = false;
};

// The steps of a write, for tests that make one fail or slow it down.
enum class FileStep { Create, Write, Sync, Rename };
// Called before each step with the target's path; a non-zero errno value
// makes the step fail with it. An empty hook (the default) does nothing.
using FileStepHook = std::function<int(FileStep step, const std::string& target)>;
void setFileStepHookForTesting(FileStepHook hook);

}  // namespace vantorel
