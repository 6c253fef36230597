#pragma once

#include "scan/ArchiveLister.h"
#include "scan/FolderLister.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace qbx {

// The members of a listed archive served as folders, so that the walk
// inserts them by the same rules as entries of the file system. A folder of
// the archive is named by the archive's own path followed by the member
// folders' names, each ending in '/' ("/cd/pack.zip/docs/"); names are the
// members' catalogue names as UTF-8.
class TArchiveFolders : public IFolderLister {
public:
    // archivePath: the archive file's path in the system's bytes.
    TArchiveFolders(const std::string &archivePath, const TArchiveListing &listing);

    bool List(const std::string &folder, TFolderListing &listing) override;

private:
    const TArchiveListing &archive_;
    // Member indexes of each folder's children; slot 0 is the archive's top
    // level, slot i + 1 the member folder i.
    std::vector<std::vector<int>> children_;
    std::unordered_map<std::string, int> slots_; // folder path -> slot
};

} // namespace qbx
