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
    DIR *dir = nullptr;
    ~FolderHandle()
    {
        if (dir)
            ::closedir(dir);
    }
};

DIR *OpenFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    DIR *dir = ::fdopendir(fd);
    if (!dir)
        ::close(fd);
    return dir;
}

enum class StatResult { Ok, Vanished, Failed };

StatResult StatAt(int dirFd, const char *name, int flags, struct stat &st)
{
    if (::fstatat(dirFd, name, &st, flags) == 0)
        return StatResult::Ok;
    return errno == ENOENT || errno == ENOTDIR ? StatResult::Vanished : StatResult::Failed;
}

} // namespace

bool TSystemFolderLister::List(const std::string &folder, TFolderListing &listing)
{
    listing.Clear();
    FolderHandle handle{OpenFolder(folder)};
    if (!handle.dir)
        return false;
    const int dirFd = ::dirfd(handle.dir);
    for (;;) {
        errno = 0;
        const dirent *e = ::readdir(handle.dir);
        if (!e)
            return errno == 0;
        const char *name = e->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        unsigned char type = e->d_type;
        struct stat st {};
        if (type == DT_UNKNOWN || type == DT_REG || type == DT_LNK) {
            // Sizes need the entry's attributes; file systems that do not
            // give the type with the name need them for the type too.
            switch (StatAt(dirFd, name, AT_SYMLINK_NOFOLLOW, st)) {
            case StatResult::Vanished:
                continue;
            case StatResult::Failed:
                return false;
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
                continue;
            }
            type = DT_REG;
        }
        if (type == DT_DIR)
            listing.Add(name, TEntryKind::Folder, 0);
        else if (type == DT_REG)
            listing.Add(name, TEntryKind::File, int64_t(st.st_size));
        else
            listing.Add(name, TEntryKind::Other, 0);
    }
}

bool CanListFolder(const std::string &folder)
{
    FolderHandle handle{OpenFolder(folder)};
    return handle.dir != nullptr;
}

} // namespace qbx
