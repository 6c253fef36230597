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
class TModeLogic;
class TOptions;
class TTree;
struct TLastSearch;

// What saving works with; everything is owned by the main window and
// outlives this object.
struct TSavingContext {
    const TOptions &options;
    const TLastSearch &lastSearch;   // names the saved search results
    TModeLogic &modes;
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
// results) and Save Into (appending to another catalogue). A save never puts the file it
// replaces at risk: the new file is written beside it and renamed over it
// only when it is whole on the disk; a failure or Stop leaves the old file
// exactly as it was (see WriteCatalogueFile).
class TCatalogueSaving {
public:
    explicit TCatalogueSaving(TSavingContext context);

    // The command handlers. Save also runs when a catalogue with
    // changes is closed; it gives true when the catalogue was saved (false:
    // refused, failed or stopped).
    bool Save();
    // viaSave: run by Save for a new catalogue (the search results are
    // then not what is saved). Gives true when the catalogue was saved under
    // the chosen name.
    bool SaveAs(bool viaSave = false);
    void SaveInto();

    // Writes MainTreeView's tree into the table target, or, when the tree has
    // no unsaved changes, copies the catalogue's file there. Gives true on
    // success.
    bool WriteCatalogue(const QString &target);
    // Writes the result records of SearchTreeView into the table target.
    // Gives true on success.
    bool WriteSearchResults(const QString &target);

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
};

// Bytes a catalogue table of that many nodes takes at most (one record per
// node but the root, in whole 32 KiB blocks, and the header).
qint64 EstimatedCatalogueSize(int nodes);

} // namespace qbx
