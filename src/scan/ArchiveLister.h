#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace qbx {

// One folder or file inside an archive. Parent is the index of its folder in
// the listing's member list, or -1 for the archive's top level; a folder
// always comes before its children, so the list can be inserted in order.
struct TArchiveMember {
    int Parent = -1;
    QString Name; // catalogue text (1251-fit), one path component
    bool Folder = false;
    std::uint64_t Size = 0; // uncompressed size; 0 for folders
};

enum class TArchiveStatus {
    Listed,     // every member was listed
    Capped,     // listing stopped at MaxMembers; the members so far are kept
    Unreadable, // damaged, encrypted or unsupported: no members at all
    Stopped,    // the caller asked to stop; no members
};

struct TArchiveListing {
    TArchiveStatus Status = TArchiveStatus::Listed;
    std::vector<TArchiveMember> Members;
    // Members left out because their name cannot be held in the catalogue
    // (characters 1251 lacks, not readable at all, too long, "..", a file
    // where a folder is, a name that differs from another only in letter
    // case).
    int SkippedNames = 0;
    // The whole paths of the first of them, as the archive holds them ('/'
    // between folders), for the scan's report.
    std::vector<QString> SkippedPaths;
    static constexpr size_t ShownSkipped = 10;

    void Skip(const QString &path)
    {
        if (SkippedPaths.size() < ShownSkipped)
            SkippedPaths.push_back(path);
        ++SkippedNames;
    }
};

struct TArchiveLimits {
    int MaxMembers = 1'000'000;   // folders and files together
    int MaxNameLength = 255;      // characters of one path component
    int MaxPathBytes = 32 * 1024; // bytes of one member's whole path
};

// Lists the members of an archive file (zip, 7z, rar, tar with any of the
// usual compressions, cab, iso9660, cpio...) with libarchive. Nothing is
// extracted and nested archives are not opened; folders that members imply
// but the archive does not hold as entries are added. Names are converted to
// catalogue text; a zip name without the UTF-8 flag is read as DOS 866, as
// the old Russian archivers wrote it. Damaged, encrypted and unsupported
// archives give TArchiveStatus::Unreadable. stop (when given) is asked while
// the archive is read, also inside a long member, and ends the listing.
TArchiveListing ListArchive(const QString &path, const TArchiveLimits &limits = {},
                            const std::function<bool()> &stop = {});

} // namespace qbx
