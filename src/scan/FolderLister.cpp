#include "scan/FolderLister.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx {
namespace {

// Closes the folder however the listing ends.
struct FolderHandle {
    int fd = -1;
    ~FolderHandle()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

int OpenFolder(const std::string &folder)
{
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

enum class StatResult { Ok, Vanished, Failed };

StatResult StatAt(int dirFd, const char *name, int flags, struct stat &st)
{
    if (::fstatat(dirFd, name, &st, flags) == 0)
        return StatResult::Ok;
    return errno == ENOENT || errno == ENOTDIR ? StatResult::Vanished : StatResult::Failed;
}

enum class AddResult { Added, Skipped, Failed };

// Adds one entry of the folder open as dirFd to the listing.
AddResult AddEntry(int dirFd, const char *name, unsigned char type, TFolderListing &listing)
{
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
        return AddResult::Skipped;
    struct stat st {};
    if (type == DT_UNKNOWN || type == DT_REG || type == DT_LNK) {
        // Sizes need the entry's attributes; file systems that do not
        // give the type with the name need them for the type too.
        switch (StatAt(dirFd, name, AT_SYMLINK_NOFOLLOW, st)) {
        case StatResult::Vanished:
            return AddResult::Skipped;
        case StatResult::Failed:
            return AddResult::Failed;
        case StatResult::Ok:
            break;
        }
        type = S_ISDIR(st.st_mode)   ? DT_DIR
               : S_ISREG(st.st_mode) ? DT_REG
               : S_ISLNK(st.st_mode) ? DT_LNK
                                     : DT_UNKNOWN;
    }
    if (type == DT_LNK) {
        // A link counts as the file it leads to; a link to a folder, to
        // a special file or to nothing is not catalogued.
        if (StatAt(dirFd, name, 0, st) != StatResult::Ok || !S_ISREG(st.st_mode)) {
            listing.Add(name, TEntryKind::Other, 0);
            return AddResult::Added;
        }
        type = DT_REG;
    }
    if (type == DT_DIR)
        listing.Add(name, TEntryKind::Folder, 0);
    else if (type == DT_REG)
        listing.Add(name, TEntryKind::File, int64_t(st.st_size));
    else
        listing.Add(name, TEntryKind::Other, 0);
    return AddResult::Added;
}

} // namespace

// The folder's records are read straight with getdents64 into the lister's
// buffer: a directory stream would check the folder's attributes and its
// descriptor's flags again for every folder, three system calls more than
// the walk needs.
bool TSystemFolderLister::List(const std::string &folder, TFolderListing &listing)
{
    listing.Clear();
    FolderHandle handle{OpenFolder(folder)};
    if (handle.fd < 0)
        return false;
    if (!buffer_)
        buffer_ = std::make_unique<char[]>(kBufferSize);
    for (;;) {
        const ssize_t got = ::getdents64(handle.fd, buffer_.get(), kBufferSize);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        for (ssize_t at = 0; at < got;) {
            const auto *record = reinterpret_cast<const dirent64 *>(buffer_.get() + at);
            if (record->d_reclen == 0)
                return false;
            at += record->d_reclen;
            if (AddEntry(handle.fd, record->d_name, record->d_type, listing) == AddResult::Failed)
                return false;
        }
    }
}

bool CanListFolder(const std::string &folder)
{
    FolderHandle handle{OpenFolder(folder)};
    return handle.fd >= 0;
}

} // namespace qbx
