#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The engine's access to files. Every read and write of a table goes through
// these two interfaces, so that tests can put a file system underneath that
// fails on cue (a full disk at byte N, an I/O error, a refused rename) and
// check that the user's old file survives.
namespace qbx::engine {

enum class FileLock { None, Shared, Exclusive };

// An open file. Every failure throws Error with the file name in the message.
class File {
public:
    virtual ~File() = default;

    virtual const std::string &Path() const = 0;
    virtual bool Writable() const = 0;
    virtual uint64_t Size() const = 0;
    // Reads up to `size` bytes at `offset` and gives the number read, which
    // is less than `size` only at the end of the file.
    virtual size_t ReadAt(uint64_t offset, void *buffer, size_t size) const = 0;
    virtual void WriteAt(uint64_t offset, const void *buffer, size_t size) = 0;
    virtual void Truncate(uint64_t size) = 0;
    // Forces what was written (through WriteAt or a mapping) to the disk.
    virtual void Flush() = 0;
    // A hint that the bytes written in [offset, offset + size) are final:
    // the disk may start writing them now, so that a later Flush has less
    // to wait for. Never fails; Flush reports what could not be written.
    virtual void StartWriteback(uint64_t offset, uint64_t size)
    {
        (void)offset;
        (void)size;
    }
    // A descriptor to map the file with, or -1 when the file must only be
    // written through WriteAt.
    virtual int MapDescriptor() const = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Opens an existing file, for writing too when `writable` and the file
    // permits it (a read-only file opens for reading; see File::Writable),
    // and takes `lock` without waiting: a conflicting lock raises ErrLocked.
    virtual std::unique_ptr<File> Open(const std::string &path, bool writable, FileLock lock) = 0;
    // Creates a file that must not exist yet (ErrFileExists otherwise),
    // locked exclusively, with permission bits `mode` exactly, or the usual
    // ones for a new file (0666 less the umask) without it.
    virtual std::unique_ptr<File> CreateNew(const std::string &path,
                                            std::optional<unsigned> mode) = 0;
    // Renames `from` over `to` in one step.
    virtual void Rename(const std::string &from, const std::string &to) = 0;
    virtual void Remove(const std::string &path) = 0;
    // Forces the folder's entries (a rename into it) to the disk.
    virtual void FlushFolder(const std::string &folder) = 0;
    // Permission bits of an existing file; nullopt when there is none.
    virtual std::optional<unsigned> Mode(const std::string &path) = 0;
};

// The operating system's files.
FileSystem &SystemFileSystem();

// Throws the Error for system error `err` (ENOSPC, EACCES...) of an
// operation (`what`, "Cannot write table") on the file `path`.
[[noreturn]] void ThrowFileError(int err, const std::string &what, const std::string &path);

// The folder part of a file name ("." for a bare name) and the name in it.
std::string FolderOf(const std::string &path);
std::string FileNameOf(const std::string &path);
// The start of the names of new files written beside `path` to replace it:
// "." (hidden), the file's name and ".".
std::string ReplacementPrefix(const std::string &path);

// Creates a new file "<folder>/<prefix>XXXXXX<suffix>" with a name no file
// has yet and gives it with its name in `path`.
std::unique_ptr<File> CreateUniqueFile(FileSystem &fs, const std::string &folder,
                                       const std::string &prefix, const std::string &suffix,
                                       std::optional<unsigned> mode, std::string &path);

// Removes a file when it goes out of scope, unless released: the half-written
// new file of a replacement that failed.
class FileRemover {
public:
    FileRemover(FileSystem &fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    ~FileRemover();
    FileRemover(const FileRemover &) = delete;
    FileRemover &operator=(const FileRemover &) = delete;
    void Release() { path_.clear(); }

private:
    FileSystem &fs_;
    std::string path_;
};

} // namespace qbx::engine
