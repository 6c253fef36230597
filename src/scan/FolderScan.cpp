#include "scan/FolderScan.h"
#include "platform/EngineFileName.h"

#include "interaction/ConflictAnswers.h"
#include "platform/TextRules.h"
#include "scan/AudioTags.h"
#include "scan/MediaNames.h"
#include "scan/Mp3Tags.h"
#include "scan/ReadOnlyFile.h"
#include "scan/ScanNames.h"
#include "scan/SetupTxt.h"
#include "scan/TInOutError.h"
#include "interaction/ConflictPrompt.h"
#include "tree/CataloguePath.h"
#include "tree/FieldCapacities.h"
#include "tree/NodePaths.h"
#include "tree/TTree.h"

#include <cerrno>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_set>

#include <sys/stat.h>

namespace qbx {
namespace {

// Folder totals saturate instead of overflowing.
int64_t AddSize(int64_t total, int64_t size)
{
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    return size > max - total ? max : total + size;
}

bool IsSetupTxt(const QString &name)
{
    return name.size() == 9 && text::Upper(name) == QLatin1StringView("SETUP.TXT");
}

void Complement(QString &field, const QString &value)
{
    if (field.isEmpty())
        field = value;
}

// A name straight below the catalogue root is a disc label: it is cut to the
// table's Label field, as a renamed disc's label is, and the cut name meets
// the discs already there as any name does.
QString DiscName(const QString &name)
{
    return name.left(kLabelCapacity);
}

// True when the path no longer names anything: the entry went away between
// its folder's listing and the walk's coming to it.
bool Vanished(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

} // namespace

TFolderScan::TFolderScan(TTree &tree, TConflictAnswers &answers, IConflictPrompt &prompt,
                         IScanProgress &progress, IFolderLister &lister)
    : tree_(tree), answers_(answers), prompt_(prompt), progress_(progress), source_(&lister)
{
}

std::string LastFolderComponent(const std::string &folder)
{
    size_t end = folder.size();
    while (end > 0 && folder[end - 1] == '/')
        --end;
    const size_t slash = folder.rfind('/', end == 0 ? 0 : end - 1);
    const size_t begin = slash == std::string::npos ? 0 : slash + 1;
    return end > begin ? folder.substr(begin, end - begin) : std::string();
}

int64_t TFolderScan::Run(TTreeNode *target, const TScanSettings &settings)
{
    settings_ = settings;
    target_ = target;
    firstAdded_ = nullptr;
    failed_ = false;
    failedPath_.clear();
    skipped_.Clear();
    markFirstAdded_ = true;
    scanAtTop_ = true;
    stopped_ = false;
    answers_.ScanAnswer = 0;
    std::string folder = EngineFileName(settings.FolderPath);
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    QString name;
    if (!settings.NoTopNode) {
        if (settings.IsDriveRoot) {
            name = settings.VolumeLabel;
        } else {
            const std::optional<QString> own = CatalogueName(LastFolderComponent(folder));
            if (!own) {
                skipped_.Add(ShownPath(folder));
                return 0;
            }
            name = target == tree_.Root() ? DiscName(*own) : *own;
        }
        // The chosen folder's node must fit the Path field as its entries'
        // nodes do.
        Level above;
        above.node = target;
        MeasurePath(above);
        if (!above.PathFits(name, true)) {
            skipped_.AddTooLong(ShownPath(folder));
            return 0;
        }
    }
    return ScanFolder(target, folder, name, true);
}

bool TFolderScan::Level::PathFits(const QString &name, bool folder) const
{
    if (pathLength < 0)
        return true;
    // A folder's stored path ends in "\\".
    const qsizetype length = (pathLength > 0 ? pathLength + 1 : 0) + name.size() + (folder ? 1 : 0);
    return length <= kPathCapacity;
}

void TFolderScan::MeasurePath(Level &level) const
{
    level.pathLength = level.node == tree_.Root() ? -1 : ItemPath(level.node).size();
}

bool TFolderScan::Stopped()
{
    if (failed_ || stopped_ || answers_.Cancelled())
        return true;
    stopped_ = progress_.OperationStopped();
    return stopped_;
}

void TFolderScan::Fail(const std::string &path)
{
    // A stop the user asked for earlier is not reported as a failure.
    if (!stopped_) {
        failed_ = true;
        failedPath_ = ShownPath(path);
    }
    stopped_ = true;
}

bool TFolderScan::AskConflict(TTreeNode *node)
{
    TConflictAnswer &answer = answers_.ConflictAnswer;
    if (answer > ConflictOverwriteAll || answer % 2 == 0) {
        const TConflictAnswer given = prompt_.AskConflict(FullItemPath(node));
        answer = given >= ConflictCancel && given <= ConflictOverwriteAll ? given : ConflictCancel;
    }
    return answer != ConflictCancel;
}

int64_t TFolderScan::ScanFolder(TTreeNode *parent, const std::string &folder, const QString &name,
                                bool chosen)
{
    if (Stopped())
        return 0;
    Level level;
    if (chosen && settings_.NoTopNode) {
        level.node = parent;
        markFirstAdded_ = false;
    } else {
        const int image = parent == tree_.Root() ? ImageDisc : ImageFolder;
        const auto [node, created] = tree_.FindOrAddChild(parent, name, image);
        level.node = node;
        level.nodeNew = created;
        if (parent == target_ && markFirstAdded_) {
            firstAdded_ = node;
            markFirstAdded_ = false;
        }
        if (created) {
            answers_.ScanAnswer = 0;
        } else {
            const bool goOn = AskConflict(node);
            answers_.ScanAnswer = answers_.ConflictAnswer;
            if (!goOn)
                return 0;
            if (answers_.ScanAnswer == ConflictOverwrite ||
                answers_.ScanAnswer == ConflictOverwriteAll)
                tree_.SetDescription(node, nullptr);
        }
        progress_.StepOperation();
    }
    MeasurePath(level);
    int64_t total = 0;
    const bool walked = WalkFolder(level, folder, total);
    // A folder whose total misses what could not be read gets no size, nor
    // do the folders above it.
    if (walked && level.complete)
        SetFolderSize(level.node, total);
    if (vanished_ && level.nodeNew && level.node != parent) {
        // The folder went away before it could be listed: no node for it.
        if (firstAdded_ == level.node)
            firstAdded_ = nullptr;
        tree_.RemoveNode(level.node);
    }
    lastComplete_ = vanished_ || (walked && level.complete);
    vanished_ = false;
    return total;
}

bool TFolderScan::WalkFolder(Level &level, const std::string &folder, int64_t &total)
{
    TFolderListing listing;
    if (!source_->List(folder, listing)) {
        if (!inArchive_ && Vanished(folder)) {
            skipped_.AddVanished(ShownPath(folder));
            vanished_ = true;
        } else if (settings_.KeepGoing && !inArchive_) {
            skipped_.AddUnlisted(ShownPath(folder));
            level.complete = false;
        } else {
            Fail(folder);
        }
        return false;
    }
    std::string path;
    for (size_t i = 0; i < listing.Count(); ++i) {
        if (Stopped())
            return false; // unfinished: the folder gets no size
        const TFolderListing::Entry &entry = listing.At(i);
        const std::string_view bytes = listing.Name(i);
        path.assign(folder).append(bytes);
        if (entry.kind == TEntryKind::Other) {
            skipped_.AddSpecial(ShownPath(path));
            continue;
        }
        std::optional<QString> entryName = CatalogueName(bytes);
        if (!entryName) {
            skipped_.Add(ShownPath(path));
            continue;
        }
        if (level.node == tree_.Root())
            *entryName = DiscName(*entryName);
        if (entry.kind == TEntryKind::Folder) {
            const TTreeNode *existing = tree_.FindChild(level.node, *entryName);
            if (existing && level.SeenHere(existing)) {
                skipped_.Add(ShownPath(path));
                continue;
            }
            if (!level.PathFits(*entryName, true)) {
                // No node for it, but its files' bytes are on the disc: they
                // count into this folder's total all the same.
                skipped_.AddTooLong(ShownPath(path));
                total = AddSize(total, FolderBytes(path + '/', level.complete));
                if (failed_)
                    return false;
                continue;
            }
            const bool atTop = scanAtTop_;
            const uint8_t answer = answers_.ScanAnswer;
            scanAtTop_ = false;
            total = AddSize(total, ScanFolder(level.node, path + '/', *entryName, false));
            if (!lastComplete_)
                level.complete = false;
            scanAtTop_ = atTop;
            answers_.ScanAnswer = answer;
            if (!level.nodeNew)
                level.Seen(existing ? existing : tree_.FindChild(level.node, *entryName));
            if (failed_)
                return false;
        } else if (!AddFile(level, path, *entryName, entry.size, total)) {
            return false;
        }
    }
    // A walk that stopped inside the last sub-folder has not seen everything.
    return !Stopped();
}

int64_t TFolderScan::FolderBytes(const std::string &folder, bool &complete)
{
    if (!settings_.AutoSize)
        return 0;
    TFolderListing listing;
    if (!source_->List(folder, listing)) {
        if (!inArchive_ && Vanished(folder))
            return 0;
        if (settings_.KeepGoing && !inArchive_) {
            skipped_.AddUnlisted(ShownPath(folder));
            complete = false;
        } else {
            Fail(folder);
        }
        return 0;
    }
    int64_t total = 0;
    std::string path;
    for (size_t i = 0; i < listing.Count() && !Stopped(); ++i) {
        const TFolderListing::Entry &entry = listing.At(i);
        const std::string_view bytes = listing.Name(i);
        // The same entries count as in a folder that is walked into nodes.
        if (entry.kind == TEntryKind::Other || !CatalogueName(bytes))
            continue;
        path.assign(folder).append(bytes);
        if (entry.kind == TEntryKind::Folder)
            total = AddSize(total, FolderBytes(path + '/', complete));
        else
            total = AddSize(total, entry.size);
    }
    return total;
}

TFolderScan::TRead TFolderScan::Recognise(TProductInfo (*reader)(const QString &),
                                          const std::string &path, TProductInfo &info)
{
    const QString file = ShownPath(path);
    try {
        info = reader(file);
    } catch (const TInOutError &) {
        // A file that opens but cannot be made sense of is simply not
        // recognised; one that is gone is left out; one that cannot be
        // opened stops the walk, unless the walk goes on past such files.
        info = {};
        try {
            ReadOnlyFile probe(file);
        } catch (const TInOutError &) {
            if (Vanished(path)) {
                skipped_.AddVanished(file);
                return TRead::Vanished;
            }
            if (settings_.KeepGoing) {
                skipped_.AddUnreadFile(file);
                return TRead::Unread;
            }
            Fail(path);
            return TRead::Failed;
        }
    }
    return TRead::Read;
}

TFolderScan::TRead TFolderScan::ReadTags(const std::string &path, const QString &name,
                                         TProductInfo &info)
{
    // An MP3 file the ID3 reader recognises keeps exactly its values; TagLib
    // reads only what that reader cannot (ID3 2.4, UTF-16 texts).
    const bool mp3 = HasExtension(name, QLatin1StringView(".mp3"));
    if (mp3) {
        const TRead read = Recognise(&ReadMp3Tags, path, info);
        if (read != TRead::Read)
            return read;
    }
    if (!info.Recognised && settings_.ExtraTags && (mp3 || IsTaggedAudioName(name)))
        return Recognise(&ReadAudioTags, path, info);
    return TRead::Read;
}

void TFolderScan::ApplySetupTxt(TTreeNode *folderNode, const TProductInfo &info)
{
    const uint8_t answer = answers_.ScanAnswer;
    auto fresh = [&info] {
        return std::make_unique<TItemDescription>(
            TItemDescription::Make(info.Producer, info.Product, info.Version, 0, info.Description));
    };
    if (answer == ConflictNotAsked || answer == ConflictOverwrite ||
        answer == ConflictOverwriteAll) {
        tree_.SetDescription(folderNode, fresh());
    } else if (answer == ConflictComplement || answer == ConflictComplementAll) {
        TItemDescription *d = tree_.MutableDescription(folderNode);
        if (!d) {
            tree_.SetDescription(folderNode, fresh());
            return;
        }
        const TItemDescription read = *fresh();
        Complement(d->Producer, read.Producer);
        Complement(d->Product, read.Product);
        Complement(d->Version, read.Version);
        Complement(d->Description, read.Description);
    }
}

// Where a file goes: skipped (already added by this walk), counted in its
// folder's size only (files are not added, or its path is too long), or a
// node, new or existing.
TFolderScan::TFileSlot TFolderScan::FileSlot(Level &level, const std::string &path,
                                             const QString &name)
{
    TFileSlot slot;
    slot.asNode = settings_.AddFiles && (settings_.Recursion || scanAtTop_);
    if (!slot.asNode)
        return slot;
    slot.existing = tree_.FindChild(level.node, name);
    if (slot.existing && level.SeenHere(slot.existing)) {
        skipped_.Add(ShownPath(path));
        slot.skip = true;
        return slot;
    }
    if (!level.PathFits(name, false)) {
        // Left out as a node; its size still counts below.
        skipped_.AddTooLong(ShownPath(path));
        slot.asNode = false;
    }
    return slot;
}

// A SETUP.TXT below the disc describes the folder it lies in. Members of an
// archive are never read, only listed.
TFolderScan::TRead TFolderScan::ReadFolderSetupTxt(Level &level, const std::string &path,
                                                   const QString &name)
{
    if (level.node == tree_.Root() || !settings_.AutoDescr || inArchive_ || !IsSetupTxt(name))
        return TRead::Read;
    TProductInfo info;
    const TRead read = Recognise(&ReadSetupTxt, path, info);
    if (read == TRead::Vanished || read == TRead::Failed)
        return read;
    if (info.Recognised)
        ApplySetupTxt(level.node, info);
    return TRead::Read;
}

// What the file says of itself: its tags, else a "producer - product" name
// of a media file.
TFolderScan::TRead TFolderScan::RecogniseFile(const std::string &path, const QString &name,
                                              TProductInfo &info)
{
    if (!settings_.AutoDescr)
        return TRead::Read;
    if (!inArchive_) {
        const TRead read = ReadTags(path, name, info);
        if (read == TRead::Vanished || read == TRead::Failed)
            return read;
    }
    if (!info.Recognised && IsMediaName(name)) {
        const TMediaName media = SplitMediaName(name);
        info = {media.Producer, media.Product, {}, {}, true};
    }
    return TRead::Read;
}

// Adds the file's size to total. Gives false when the walk must stop (a
// cancelled conflict, a file that cannot be opened).
bool TFolderScan::AddFile(Level &level, const std::string &path, const QString &name,
                          int64_t fileSize, int64_t &total)
{
    const TFileSlot slot = FileSlot(level, path, name);
    if (slot.skip)
        return true;
    const int64_t size = settings_.AutoSize ? fileSize : 0;
    const TRead setup = ReadFolderSetupTxt(level, path, name);
    if (setup == TRead::Vanished || setup == TRead::Failed)
        return setup == TRead::Vanished;
    if (!slot.asNode) {
        total = AddSize(total, size);
        return true;
    }

    TProductInfo info;
    const TRead read = RecogniseFile(path, name, info);
    if (read == TRead::Vanished || read == TRead::Failed)
        return read == TRead::Vanished;
    total = AddSize(total, size);
    const bool describe = settings_.AutoSize || info.Recognised;
    std::optional<TItemDescription> incoming;
    if (describe)
        incoming = TItemDescription::Make(info.Producer, info.Product, info.Version, size,
                                          info.Description);
    const TItemDescription *brought = incoming ? &*incoming : nullptr;
    const bool archive = settings_.Archives && !inArchive_ && IsArchiveName(name);
    if (!slot.existing)
        return AddFileNode(level, path, name, brought, archive);
    return UpdateFileNode(level, slot.existing, path, name, brought, archive);
}

// A file met for the first time: a new node (a disc when added to the root).
bool TFolderScan::AddFileNode(Level &level, const std::string &path, const QString &name,
                              const TItemDescription *incoming, bool archive)
{
    TTreeNode *node =
        tree_.AddChild(level.node, name, level.node == tree_.Root() ? ImageDisc : ImageFile);
    level.Seen(node);
    // A file of 0 bytes gets its size 0 all the same: a size known to be
    // 0 is shown as one, unlike an item without a size.
    if (incoming)
        tree_.SetDescription(node, std::make_unique<TItemDescription>(*incoming));
    progress_.StepOperation();
    return !archive || ScanArchive(node, true, path);
}

// A file the catalogue holds already: the conflict answer decides whether its
// description is kept, complemented or overwritten.
bool TFolderScan::UpdateFileNode(Level &level, TTreeNode *existing, const std::string &path,
                                 const QString &name, const TItemDescription *incoming,
                                 bool archive)
{
    level.Seen(existing);
    tree_.SetText(existing, name);
    if (!AskConflict(existing))
        return false;
    const uint8_t answer = answers_.ConflictAnswer;
    const bool complement = answer == ConflictComplement || answer == ConflictComplementAll;
    const bool overwrite = answer == ConflictOverwrite || answer == ConflictOverwriteAll;
    if (overwrite)
        tree_.SetDescription(existing, nullptr);
    if ((complement || overwrite) && incoming) {
        TItemDescription *d = tree_.MutableDescription(existing);
        if (!d) {
            tree_.SetDescription(existing, std::make_unique<TItemDescription>(*incoming));
        } else {
            Complement(d->Producer, incoming->Producer);
            Complement(d->Product, incoming->Product);
            Complement(d->Version, incoming->Version);
            if (d->Size == 0)
                d->Size = incoming->Size;
            Complement(d->Description, incoming->Description);
        }
    }
    progress_.StepOperation();
    return !archive || ScanArchive(existing, false, path);
}

void TFolderScan::SetFolderSize(TTreeNode *folderNode, int64_t total)
{
    if (folderNode == tree_.Root() || !settings_.AutoSize ||
        (settings_.TerminalSize && folderNode->HasChildren()))
        return;
    TItemDescription *d = tree_.MutableDescription(folderNode);
    if (d && d->Size != 0)
        return;
    const uint8_t answer = answers_.ScanAnswer;
    if (answer >= ConflictCancel && answer <= ConflictKeepAll)
        return;
    if (d)
        d->Size = total;
    else // also a total of 0: the folder's size is known
        tree_.SetDescription(folderNode, std::make_unique<TItemDescription>(
                                             TItemDescription::Make({}, {}, {}, total, {})));
}

} // namespace qbx
