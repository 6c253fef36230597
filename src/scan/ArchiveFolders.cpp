#include "scan/ArchiveFolders.h"

#include <algorithm>
#include <limits>

namespace qbx {

TArchiveFolders::TArchiveFolders(const std::string &archivePath, const TArchiveListing &listing)
    : archive_(listing), children_(listing.Members.size() + 1)
{
    // Only folders need their paths; a member always comes after its folder.
    std::vector<std::string> paths(listing.Members.size());
    const std::string top = archivePath + '/';
    slots_.emplace(top, 0);
    for (size_t i = 0; i < listing.Members.size(); ++i) {
        const TArchiveMember &member = listing.Members[i];
        const int parent = member.Parent;
        if (parent < -1 || parent >= int(i))
            continue; // not a member of this listing's tree
        children_[size_t(parent + 1)].push_back(int(i));
        if (!member.Folder)
            continue;
        paths[i] = (parent < 0 ? top : paths[size_t(parent)]) + member.Name.toStdString() + '/';
        slots_.emplace(paths[i], int(i) + 1);
    }
}

bool TArchiveFolders::List(const std::string &folder, TFolderListing &listing)
{
    listing.Clear();
    const auto slot = slots_.find(folder);
    if (slot == slots_.end())
        return false;
    constexpr std::uint64_t maxSize = std::numeric_limits<int64_t>::max();
    for (const int index : children_[size_t(slot->second)]) {
        const TArchiveMember &member = archive_.Members[size_t(index)];
        const std::string name = member.Name.toStdString();
        if (member.Folder)
            listing.Add(name, TEntryKind::Folder, 0);
        else
            listing.Add(name, TEntryKind::File, int64_t(std::min(member.Size, maxSize)));
    }
    return true;
}

} // namespace qbx
