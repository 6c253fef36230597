#pragma once

#include "engine/FileSystem.h"
#include "storage/CatalogueWriter.h"
#include "storage/ISaveDialog.h"

#include <QString>

#include <functional>
#include <memory>

namespace qbx {

class IMainView;
class IMessageBoxes;
class IStorageStatus;
class TCatalogueFiles;
class TCommandState;
class TLongOperation;
class TMainShell;
class TOptions;
class TTree;
struct TEnvironment;
struct TLastSearch;

// What saving works with; everything is owned by the main window and
// outlives this object.
struct TSavingContext {
    const TOptions &options;
    const TEnvironment &environment; // the temporary folder of the search copy
    const TLastSearch &lastSearch;   // names the saved search results
    TMainShell &shell;
    TCommandState &commands;
    TLongOperation &operation;
    IMessageBoxes &boxes;
    IStorageStatus &status;
    IMainView &view;
    ISaveDialog &dialog;
    TCatalogueFiles &files; // holds the table object's file name
    TTree &catalogue;       // the tree of MainTreeView
    TTree &searchTree;      // the tree of SearchTreeView
    // Every file write of saving goes through it (tests inject faults).
    engine::FileSystem &fs = engine::SystemFileSystem();
    // Free bytes of the file system holding a folder, -1 when unknown.
    std::function<qint64(const QString &folder)> freeSpace;
};

// The save commands: Save, Save As (a catalogue, a text tree, or the search
// results), Save Into (appending to another catalogue), and the temporary
// copy of an edited tree that searches read. A save never puts the file it
// replaces at risk: the new file is written beside it and renamed over it
// only when it is whole on the disk; a failure or Stop leaves the old file
// exactly as it was (see WriteCatalogueFile).
class TCatalogueSaving {
public:
    explicit TCatalogueSaving(TSavingContext context);

    // The command handlers. SaveDbClick also runs when a catalogue with
    // changes is closed; it gives true when the catalogue was saved (false:
    // refused, failed or stopped).
    bool SaveDbClick();
    // viaSave: run by SaveDbClick for a new catalogue (the search results are
    // then not what is saved). Gives true when the catalogue was saved under
    // the chosen name.
    bool SaveDbAsClick(bool viaSave = false);
    void SaveDbToClick();

    // Writes MainTreeView's tree into the table target, or, when the tree has
    // no unsaved changes, copies the catalogue's file there. The temporary
    // copy does not count as saving the catalogue. Gives true on success.
    bool WriteCatalogue(const QString &target, bool temporary);
    // Writes the result records of SearchTreeView into the table target.
    // Gives true on success.
    bool WriteSearchResults(const QString &target);

    // Brings the temporary copy of the catalogue tree that searches read up
    // to date: when TreeChanged is set, the earlier copy is deleted and the
    // tree is written to a new file "QbxXXXXXX.tmp" in TempFolder. Gives the
    // name of the up-to-date copy; "" after a failure (reported with an
    // error box; TreeChanged is set again so that the next search retries).
    // Call it before every search while the tree has unsaved changes. The first
    // copy of a run also removes the copies that programs killed before
    // they could delete theirs left in the temporary folder.
    QString MakeSearchCopy();
    // The temporary copy, "" when there is none.
    const QString &SearchCopy() const { return searchCopy_; }
    // Deletes the temporary copy (the program ends).
    void RemoveSearchCopy();

    // The save dialog as it was last shown (it keeps its state).
    const TSaveDialogState &Dialog() const { return dialog_; }
    void SetDialogFolder(const QString &folder) { dialog_.InitialFolder = folder; }

private:
    // target: the file written, named in the reasons a failure is given.
    TWriteResult RunWrite(const QString &title, const QString &target, TTree &tree,
                          TRecordSource source,
                          const std::function<TWriteResult(IWriteProgress &)> &write);
    bool HasRoomFor(qint64 bytes, const QString &target, const QString &title);
    void ReportNoRoom(const QString &target, const QString &title);
    void ReportFailure(const TWriteResult &result, const QString &target, const QString &text,
                       const QString &title);
    bool LoadForExport(const QString &title);
    void EndExport(bool loaded);
    TTree &ShownTree();
    void Warn(const QString &text, const QString &title);

    TSavingContext c_;
    TSaveDialogState dialog_;
    // The temporary copy of the tree that searches read while the catalogue
    // has unsaved changes; deleted when replaced and when the program ends.
    QString searchCopy_;
    // The current temporary copy, held open with a shared lock for as long
    // as it is in use, so that another copy of the program knows it is not
    // a leftover.
    std::unique_ptr<engine::File> copyHold_;
    bool sweptTempFolder_ = false;
};

// Deletes a temporary table; one that needed a folder of its own sits in a
// folder named like itself, which goes too.
void RemoveTemporaryTable(const QString &table);

// Bytes a catalogue table of that many nodes takes at most (one record per
// node but the root, in whole 32 KiB blocks, and the header).
qint64 EstimatedCatalogueSize(int nodes);

} // namespace qbx
