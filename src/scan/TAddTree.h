#pragma once

#include "platform/Volumes.h"
#include "scan/FolderLister.h"
#include "scan/TScanSettings.h"
#include "scan/TSkipReport.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

namespace qbx {

class IConflictPrompt;
class IMessageBoxes;
class TLongOperation;
class TModeLogic;
class TOptions;
class TTree;
class TTreeModel;
class TTreeNode;

// The scan dialog as the command sees it.
class IScanDialog {
public:
    virtual ~IScanDialog() = default;
    // Shows the dialog with the target's full item path; true when it closes
    // with OK, settings then holding the folder and the options (the drive
    // fields are the command's).
    virtual bool Execute(const QString &treeNodePath, TScanSettings &settings) = 0;
};

// What a scan needs of MainTreeView beyond its model.
class IScanTreeView {
public:
    virtual ~IScanTreeView() = default;
    // Nodes are about to be added in bulk (the view may hear a reset): the
    // view remembers which folders are expanded ...
    virtual void BeginFill() = 0;
    // ... and expands them again when the filling ends.
    virtual void EndFill() = 0;
    // Expands the node one level and scrolls it to the top of the view, so
    // that its first level shows below it.
    virtual void Expand(const TTreeNode *node) = 0;
};

// What the scan commands work with; everything outlives this object.
struct TScanContext {
    TModeLogic &modes;
    const TOptions &options; // read when a scan starts
    TLongOperation &operation;
    IMessageBoxes &boxes;
    TTreeModel &model; // of MainTreeView, with its selection
    IConflictPrompt &prompt;
    IScanDialog &dialog;
    IScanTreeView &view;
    IFolderLister &lister;
    // The mounted volumes (a drive root is a mount point).
    std::function<QList<TVolume>()> volumes;
    // The catalogue changed: marks it unsaved and refreshes the panes.
    std::function<void()> treeChanged;
};

// "Добавить дерево файлов..." and "Рассчитать размер".
class TAddTree {
public:
    explicit TAddTree(TScanContext context);

    void AddScannedTree();
    void CalculateSize();

    // The entries the last scan left out.
    const TSkipReport &Skipped() const { return skipped_; }

    static QString Title()
    {
        return QCoreApplication::translate("TAddTree", "Добавление дерева файлов");
    }
    // The name of a drive root whose volume has no label.
    static QString UnnamedLabel() { return QStringLiteral("Безымянный"); }

private:
    bool EnterFolder(const QString &folder);
    void Scan(TTreeNode *target, const TScanSettings &settings);

    TScanContext c_;
    TSkipReport skipped_;
};

// The volume label a scan of folder gives its node when the folder is a
// mount point: the label cut to 32 characters, made fit for the catalogue,
// else "Безымянный". Nothing when the folder is not a mount point.
std::optional<QString> DriveRootLabel(const QString &folder, const QList<TVolume> &volumes);

} // namespace qbx
