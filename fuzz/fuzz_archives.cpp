// Feeds arbitrary files to the archive lister: it may reject them, but must
// not crash, read outside its buffers, hang, or give a member list whose
// parents are not folders listed before their children.
#include "FuzzFile.h"

#include "scan/ArchiveLister.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    qbx::TArchiveLimits limits;
    limits.MaxMembers = 10000;
    const qbx::TArchiveListing listing =
        qbx::ListArchive(qbx::fuzz::WriteInput(data, size), limits);
    if (listing.Status == qbx::TArchiveStatus::Unreadable && !listing.Members.empty())
        __builtin_trap();
    if (listing.Members.size() > size_t(limits.MaxMembers))
        __builtin_trap();
    for (size_t i = 0; i < listing.Members.size(); ++i) {
        const qbx::TArchiveMember &m = listing.Members[i];
        if (m.Name.isEmpty() || m.Parent >= int(i) || (m.Folder && m.Size != 0))
            __builtin_trap();
        if (m.Parent >= 0 && !listing.Members[size_t(m.Parent)].Folder)
            __builtin_trap();
    }
    return 0;
}
