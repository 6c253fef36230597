#pragma once

#include <QString>

#include <cstdint>

namespace qbx {

// What tells one state of a file from another: which file the name leads to
// and its size and time of last change. A program that writes the file, or
// replaces it by a rename, changes the stamp.
struct TFileStamp {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;

    bool operator==(const TFileStamp &) const = default;
};

// The stamp of the file the name leads to now; exists is false when there
// is none (or it cannot be looked at).
TFileStamp FileStampOf(const QString &fileName);

} // namespace qbx
