// The part of the folder walk that lists archives' members into the
// catalogue.
#include "scan/ArchiveFolders.h"
#include "scan/FolderScan.h"
#include "scan/ScanNames.h"

#include "platform/TextRules.h"
#include "interaction/ConflictAnswers.h"

namespace qbx {

bool TFolderScan::ScanArchive(TTreeNode *node, bool created, const std::string &path)
{
    const QString shown = ShownPath(path);
    int blocks = 0;
    // Reading a long archive shows activity and lets Stop be pressed.
    const TArchiveListing listing = ListArchive(shown, {}, [this, &blocks] {
        if (++blocks % 64 == 0)
            progress_.StepOperation();
        return progress_.OperationStopped();
    });
    switch (listing.Status) {
    case TArchiveStatus::Stopped:
        return false;
    case TArchiveStatus::Unreadable:
        skipped_.AddUnreadable(shown);
        return true;
    case TArchiveStatus::Capped:
        skipped_.AddCapped(shown);
        break;
    case TArchiveStatus::Listed:
        break;
    }
    // The first members left out by their paths, the rest by their number.
    for (const QString &member : listing.SkippedPaths)
        skipped_.Add(shown + u'/' + text::Visible(member));
    skipped_.AddArchiveNames(shown, listing.SkippedNames - qint64(listing.SkippedPaths.size()));
    if (listing.Members.empty())
        return true;

    // The members are walked like a sub-folder whose node is the archive's;
    // the archive keeps its own file size, and nested archives stay closed.
    TArchiveFolders folders(path, listing);
    IFolderLister *const outer = source_;
    const bool atTop = scanAtTop_;
    const uint8_t answer = answers_.ScanAnswer;
    source_ = &folders;
    inArchive_ = true;
    scanAtTop_ = false;
    answers_.ScanAnswer = created ? uint8_t(0) : uint8_t(answers_.ConflictAnswer);
    Level level;
    level.node = node;
    level.nodeNew = created;
    MeasurePath(level);
    int64_t total = 0;
    WalkFolder(level, path + '/', total);
    source_ = outer;
    inArchive_ = false;
    scanAtTop_ = atTop;
    answers_.ScanAnswer = answer;
    return !Stopped();
}

} // namespace qbx
