#include "scan/TAddTree.h"

#include "options/TOptions.h"
#include "platform/EngineFileName.h"

#include "interaction/ConflictAnswers.h"
#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "scan/FolderScan.h"
#include "scan/ScanInto.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/MessageBoxes.h"
#include "tree/NodePaths.h"
#include "tree/FieldCapacities.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <QDir>
#include <QFile>
#include <QCoreApplication>

namespace qbx {
namespace {

// A message box wraps its text at words, at about 500 pixels; a longer path
// would be cut at the box's edge. This many characters fit on a line.
constexpr int ReportPathWidth = 56;

// The walk's progress through the long operation.
class TOperationProgress : public IScanProgress {
public:
    explicit TOperationProgress(TLongOperation &operation) : operation_(operation) {}
    bool OperationStopped() override { return operation_.OperationStopped(); }
    void StepOperation() override { operation_.StepOperation(); }

private:
    TLongOperation &operation_;
};

QString NoAccessText(const QString &folder)
{
    return folder + QCoreApplication::translate("TAddTree", "\rНет доступа к указанному ресурсу.");
}

} // namespace

std::optional<QString> DriveRootLabel(const QString &folder, const QList<TVolume> &volumes)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    const QString root = clean.endsWith(u'/') ? clean : clean + u'/';
    for (const TVolume &volume : volumes) {
        if (volume.root != root)
            continue;
        const std::optional<QString> label =
            codec::ToCatalogueText(text::Trim(text::Cut(volume.label, kLabelCapacity)));
        return label && !label->isEmpty() ? *label : TAddTree::UnnamedLabel();
    }
    return std::nullopt;
}

TAddTree::TAddTree(TScanContext context) : c_(std::move(context))
{
}

bool TAddTree::EnterFolder(const QString &folder)
{
    for (;;) {
        if (CanListFolder(EngineFileName(folder)))
            return true;
        if (c_.boxes.Show(NoAccessText(folder), Title(), TMsgIcon::Error, MbRetryCancel) !=
            TMsgAnswer::Retry)
            return false;
    }
}

void TAddTree::AddScannedTree()
{
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.EndLabelEdit)
        c_.modes.hooks.EndLabelEdit();
    const std::vector<TTreeNode *> selected = c_.model.SelectedNodes();
    if (selected.size() != 1)
        return;
    TTreeNode *target = selected.front();
    TScanSettings settings;
    if (!c_.dialog.Execute(FullItemPath(target), settings))
        return;
    // Set on the options dialog, not in the scan dialog.
    settings.ExtraTags = c_.options.ReadExtraTags;
    if (!settings.FolderPath.endsWith(u'/'))
        settings.FolderPath += u'/';
    if (!EnterFolder(settings.FolderPath))
        return;
    const std::optional<QString> label = DriveRootLabel(settings.FolderPath, c_.volumes());
    settings.IsDriveRoot = label.has_value();
    settings.VolumeLabel = label.value_or(QString());
    Scan(target, settings);
}

void TAddTree::Scan(TTreeNode *target, const TScanSettings &settings)
{
    TTree &tree = c_.model.Tree();
    c_.modes.FreezeCommands();
    c_.operation.StartOperation(Title(), 100, true);
    TOperationProgress progress(c_.operation);
    // The scan's own answers: an "All" answer holds for this scan only.
    TConflictAnswers answers;
    TFolderScan scan(tree, answers, c_.prompt, progress, c_.lister);
    c_.view.BeginFill();
    ScanInto(scan, tree, target, settings);
    c_.view.EndFill();
    skipped_ = scan.Skipped();
    if (scan.Failed())
        c_.boxes.Show(NoAccessText(scan.FailedPath()), Title(), TMsgIcon::Error, MbOk);

    TTreeNode *selected = scan.FirstAddedNode() ? scan.FirstAddedNode() : target;
    c_.model.Select(selected);
    c_.view.Expand(selected);
    c_.modes.RestoreCommands();
    if (c_.treeChanged)
        c_.treeChanged();
    if (!skipped_.Empty())
        c_.boxes.Show(skipped_.Text(ReportPathWidth), Title(), TMsgIcon::Warning, MbOk);
}

void TAddTree::CalculateSize()
{
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.EndLabelEdit)
        c_.modes.hooks.EndLabelEdit();
    const std::vector<TTreeNode *> selected = c_.model.SelectedNodes();
    if (selected.size() != 1)
        return;
    TTreeNode *node = selected.front();
    TTree &tree = c_.model.Tree();
    const int64_t size = SubtreeSize(node);
    if (TItemDescription *d = tree.MutableDescription(node))
        d->Size = size;
    else
        tree.SetDescription(
            node, std::make_unique<TItemDescription>(TItemDescription::Make({}, {}, {}, size, {})));
    if (c_.treeChanged)
        c_.treeChanged();
}

} // namespace qbx
