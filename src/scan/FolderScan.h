#pragma once

#include "scan/FolderLister.h"
#include "scan/TScanSettings.h"
#include "scan/TSkipReport.h"

#include <QString>

#include <cstdint>
#include <string>
#include <unordered_set>

namespace qbx {

class IConflictPrompt;
struct TConflictAnswers;
class TTree;
class TTreeNode;
struct TItemDescription;
struct TProductInfo;

// The walk's view of the long operation it runs in.
class IScanProgress {
public:
    virtual ~IScanProgress() = default;
    // True when the walk must stop now (Stop pressed and confirmed).
    virtual bool OperationStopped() = 0;
    // One folder or file node was made or found.
    virtual void StepOperation() = 0;
};

// Walks a folder of the file system into the catalogue tree: a node for
// every folder and (as asked) every file, sizes, descriptions from
// SETUP.TXT and media files, and name conflicts with items that existed
// before through the conflict prompt, whose answers go into the scan's
// answers (ConflictAnswer, and ScanAnswer for a folder's description).
// Widget-free, so the command-line program runs the same walk.
class TFolderScan {
public:
    TFolderScan(TTree &tree, TConflictAnswers &answers, IConflictPrompt &prompt, IScanProgress &progress,
                IFolderLister &lister);

    // Walks settings.FolderPath below target, the walk's working state and
    // the description answer starting afresh. Gives the chosen folder's total
    // of file sizes (what was walked of it when the walk stopped early).
    int64_t Run(TTreeNode *target, const TScanSettings &settings);

    // The node made or found for the chosen folder (the first under the
    // target), or null.
    TTreeNode *FirstAddedNode() const { return firstAdded_; }
    // A folder could not be listed or a file could not be opened; the walk
    // stopped there.
    bool Failed() const { return failed_; }
    // The folder or file that could not be read, as the user knows its path.
    const QString &FailedPath() const { return failedPath_; }
    const TSkipReport &Skipped() const { return skipped_; }

private:
    // One folder being walked: its node and the children its listing reached.
    struct Level {
        TTreeNode *node = nullptr;
        // The node was made by this walk, so every child it has came from this
        // listing.
        bool nodeNew = false;
        // False once something below could not be read (the walk going on
        // past it): the folder's total then misses it.
        bool complete = true;
        // Characters of the node's path below its disc, which its children's
        // paths extend; -1 for the root, whose children are discs.
        qsizetype pathLength = -1;
        // For a node that existed before: the children this listing made or
        // found, to tell a second entry of the same name (ignoring case) from an
        // item the catalogue already had.
        std::unordered_set<const TTreeNode *> seen;

        bool SeenHere(const TTreeNode *child) const { return nodeNew || seen.count(child) > 0; }
        void Seen(const TTreeNode *child)
        {
            if (!nodeNew && child)
                seen.insert(child);
        }
        // Whether a child of this name fits the catalogue's path field.
        bool PathFits(const QString &name, bool folder) const;
    };
    // Sets level's path length from its node.
    void MeasurePath(Level &level) const;

    int64_t ScanFolder(TTreeNode *parent, const std::string &folder, const QString &name,
                       bool chosen);
    // Walks the folder's entries into level's node, adding file sizes to
    // total. False when the walk did not see every entry (stop, failure).
    bool WalkFolder(Level &level, const std::string &folder, int64_t &total);
    // The bytes of the files in the folder and below it, walked without
    // making nodes (a folder whose path the catalogue cannot hold); complete
    // goes false when a folder below could not be listed.
    int64_t FolderBytes(const std::string &folder, bool &complete);
    // Lists the archive file (path) into its node. False when the walk must
    // stop.
    bool ScanArchive(TTreeNode *node, bool created, const std::string &path);
    bool Stopped();
    void Fail(const std::string &path);
    bool AskConflict(TTreeNode *node);
    // How reading a recogniser's file went: read (or not made sense of),
    // unreadable while the walk goes on past that (reported once), gone, or
    // failed (the walk stops).
    enum class TRead { Read, Unread, Vanished, Failed };
    TRead Recognise(TProductInfo (*reader)(const QString &), const std::string &path,
                    TProductInfo &info);
    // Reads the tags of an audio file by its name: the ID3 reader for MP3,
    // then (when asked for) TagLib.
    TRead ReadTags(const std::string &path, const QString &name, TProductInfo &info);
    void ApplySetupTxt(TTreeNode *folderNode, const TProductInfo &info);
    bool AddFile(Level &level, const std::string &path, const QString &name, int64_t fileSize,
                 int64_t &total);
    struct TFileSlot {
        bool skip = false;             // added by this walk already
        bool asNode = false;           // false: only its size counts
        TTreeNode *existing = nullptr; // the node of that name the catalogue holds
    };
    TFileSlot FileSlot(Level &level, const std::string &path, const QString &name);
    TRead ReadFolderSetupTxt(Level &level, const std::string &path, const QString &name);
    TRead RecogniseFile(const std::string &path, const QString &name, TProductInfo &info);
    // incoming: the description the file brings, or null when it brings none.
    bool AddFileNode(Level &level, const std::string &path, const QString &name,
                     const TItemDescription *incoming, bool archive);
    bool UpdateFileNode(Level &level, TTreeNode *existing, const std::string &path,
                        const QString &name, const TItemDescription *incoming, bool archive);
    void SetFolderSize(TTreeNode *folderNode, int64_t total);

    TTree &tree_;
    TConflictAnswers &answers_;
    // Remember the first node added directly under the target.
    bool markFirstAdded_ = true;
    // True while the top folder is processed.
    bool scanAtTop_ = false;
    // The user's stop was confirmed; a failure after it is not reported.
    bool stopped_ = false;
    IConflictPrompt &prompt_;
    IScanProgress &progress_;
    // Where folders are listed: the file system, or an archive while its
    // members are walked.
    IFolderLister *source_;
    bool inArchive_ = false;
    TScanSettings settings_;
    TTreeNode *target_ = nullptr;
    TTreeNode *firstAdded_ = nullptr;
    bool failed_ = false;
    // The folder just walked had vanished before it could be listed.
    bool vanished_ = false;
    // The folder just walked was read whole (or had vanished).
    bool lastComplete_ = true;
    QString failedPath_;
    TSkipReport skipped_;
};

// The catalogue name of the chosen folder: its last component, or "" when
// the path has none ("/").
std::string LastFolderComponent(const std::string &folder);

} // namespace qbx
