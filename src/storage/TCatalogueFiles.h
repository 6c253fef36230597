#pragma once

#include "platform/FileStamp.h"
#include "interaction/IFileDialogs.h"
#include "storage/CatalogueDocument.h"

#include <QString>
#include <QStringList>

namespace qbx {

class IMainView;
class IQueryFileEditor;
class IMessageBoxes;
class IStorageStatus;
class TCatalogueTree;
class TCommandState;
class TLongOperation;
class TModeLogic;
class TOptions;
class TTree;
struct TConflictAnswers;

// What the catalogue commands work with; everything is owned by the main
// window and outlives this object.
struct TCatalogueContext {
    const TOptions &options;
    TModeLogic &modes;
    TConflictAnswers &answers; // of a merge (Add)
    TCommandState &commands;
    TLongOperation &operation;
    IMessageBoxes &boxes;
    IStorageStatus &status;
    IFileDialogs &dialogs;
    TCatalogueTree &catalogue; // the tree of MainTreeView
    TTree &searchTree;         // the tree of SearchTreeView
    IMainView &view; // expands MainTreeView's root after an Add
};

// The File commands that bring a catalogue into the window and take it out
// again: Create, Open (a catalogue, or a query file handed to the query
// editor), Add and Close, and LoadTable, which reads a catalogue table into
// the catalogue tree. The open catalogue's document, with its one file
// name, lives here.
class TCatalogueFiles {
public:
    explicit TCatalogueFiles(TCatalogueContext context);

    void CreateCatalogue();
    // The Open command: runs the open dialog.
    void OpenWithDialog();
    // Opens a file named on the command line (already resolved), no dialog.
    void OpenFile(const QString &fileName);
    void AddCatalogue();
    void CloseCatalogue();
    // The first load of the open catalogue: reads the document's table file
    // into the catalogue tree; title is the operation's status
    // title. A load stopped or failed partway keeps what it read, and the
    // file is then remembered as holding more than the tree (HoldsMore).
    void LoadTable(const QString &title);

    // Whether the file holds records the catalogue tree lacks, so that
    // writing the tree over it loses them: the open catalogue's file after
    // an incomplete first load, and a copy of it that Save As made. Close,
    // Create and Open forget them all.
    bool HoldsMore(const QString &fileName) const;
    void SetHoldsMore(const QString &fileName, bool holdsMore);

    // The state of the file on disk that the catalogue tree was read from or
    // last written to: another program (a second copy of this one) that
    // writes or replaces the file meanwhile changes it, and writing the tree
    // over the file would then silently undo that program's work.
    void RememberOnDisk(const QString &fileName);
    // True when fileName is the remembered file and it still exists but is
    // no longer as it was remembered.
    bool ChangedOnDisk(const QString &fileName) const;
    // True when fileName is the remembered file and it is as remembered: a
    // write of this program into it is then remembered in its turn.
    bool CurrentOnDisk(const QString &fileName) const;

    // The open catalogue: its file, name and flags.
    TCatalogueDocument &Document() { return document_; }
    const TCatalogueDocument &Document() const { return document_; }

    // The open dialog as the Open command shows it.
    const TOpenDialogState &OpenDialog() const { return openDialog_; }
    void SetOpenDialogFolder(const QString &folder) { openDialog_.InitialFolder = folder; }

    // Where a query file chosen by Open goes. The query editor is built
    // after this object and sets itself here; until then a query file only
    // sets QueryFilePending.
    void SetQueryEditor(IQueryFileEditor *editor) { queryEditor_ = editor; }

private:
    void OpenChosen(const QString &fileName);
    bool IsQueryFile(const QString &fileName) const;
    void WarnBadFormat(const QString &fileName);
    // Reads the table fileName into the tree; gives whether every record
    // was read.
    bool ReadTable(const QString &fileName, const QString &title);

    TCatalogueContext c_;
    TCatalogueDocument document_;
    TOpenDialogState openDialog_;
    QStringList holdingMore_; // absolute file names, see HoldsMore
    QString stampKey_;        // see RememberOnDisk
    TFileStamp stamp_;
    IQueryFileEditor *queryEditor_ = nullptr;
};

} // namespace qbx
