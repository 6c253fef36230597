#include "tree/TDescriptionPane.h"

#include "options/TOptions.h"
#include "interaction/CommandState.h"
#include "interaction/UnsavedChanges.h"
#include "interaction/ModeLogic.h"
#include "interaction/WindowState.h"
#include "tree/ItemCommandRules.h"
#include "tree/NodeRecord.h"
#include "tree/SizeText.h"
#include "tree/TTreeModel.h"

#include <QLocale>

#include <vector>

namespace qbx {

TDescriptionPane::TDescriptionPane(const TOptions &options, TWindowState &window,
                                   TCommandState &commands, const TUnsavedChanges &unsaved,
                                   IDescriptionView &view, TTreeModel &mainModel,
                                   TTreeModel &searchModel)
    : options_(options), window_(window), commands_(commands), unsaved_(unsaved), view_(view),
      mainModel_(mainModel), searchModel_(searchModel)
{
}

TTreeKind TDescriptionPane::ActiveKind() const
{
    switch (window_.DbState()) {
    case DbEntire:
        return TTreeKind::Main;
    case DbFound:
        return TTreeKind::Search;
    case DbNone:
    case DbOpen:
        break;
    }
    return TTreeKind::None;
}

TTreeModel &TDescriptionPane::Model(TTreeKind tree) const
{
    return tree == TTreeKind::Search ? searchModel_ : mainModel_;
}

TTreeModel *TDescriptionPane::ActiveModel() const
{
    const TTreeKind kind = ActiveKind();
    return kind == TTreeKind::None ? nullptr : &Model(kind);
}

int TDescriptionPane::Presentation() const
{
    for (int i = FirstFoundViewSet; i <= LastFoundViewSet; ++i) {
        if (commands_.Checked(CommandAt(i)))
            return i - FirstFoundViewSet;
    }
    return -1;
}

void TDescriptionPane::ShowRecord(const TDisplayRecord &record, int sizeUnit)
{
    SelSize = record.Size;
    const auto rows =
        record.Rows(SizeText(record.Size, sizeUnit, options_.EmptySize, QLocale()));
    for (int i = 0; i < RowCount; ++i)
        view_.SetRowText(i, rows[size_t(i)]);
}

void TDescriptionPane::SelectionChanged()
{
    Refill(options_.SizeUnit);
}

void TDescriptionPane::Refill(int sizeUnit)
{
    TTreeModel *model = ActiveModel();
    const std::vector<TTreeNode *> selected =
        model ? model->SelectedNodes() : std::vector<TTreeNode *>();
    const TTreeNode *root = model ? model->Tree().Root() : nullptr;
    const TDbState mode = window_.DbState();
    const int presentation = Presentation();

    TDisplayRecord shown =
        GetNodeRecord(selected.empty() ? nullptr : selected.front(), root, mode, presentation);
    for (size_t i = 1; i < selected.size(); ++i) {
        if (selected[i] == root) {
            shown = TDisplayRecord();
            break;
        }
        MergeDisplayRecord(shown, GetNodeRecord(selected[i], root, mode, presentation));
    }
    ShowRecord(shown, sizeUnit);

    if (view_.OperationRunning()) {
        // The commands are frozen; only renaming is kept out.
        view_.SetMainTreeReadOnly(true);
        return;
    }
    SetItemCommands(selected);

    bool rootSelected = false;
    for (const TTreeNode *n : selected)
        rootSelected = rootSelected || n == root;
    view_.SetMainTreeReadOnly(rootSelected);

    QString status;
    if (selected.size() == 1 && rootSelected) {
        if (mode == DbFound) {
            status = window_.FoundText;
        } else {
            // Unsaved changes make the catalogue's totals stale.
            if (unsaved_.Any())
                window_.TotalText.clear();
            status = window_.TotalText;
        }
    }
    window_.StatusText = status;
    view_.SetStatusText(status);
}

void TDescriptionPane::UpdateCommands()
{
    if (view_.OperationRunning())
        return;
    const TTreeModel *model = ActiveModel();
    SetItemCommands(model ? model->SelectedNodes() : std::vector<TTreeNode *>());
}

void TDescriptionPane::SetItemCommands(const std::vector<TTreeNode *> &selected)
{
    const TTreeKind kind = ActiveKind();
    const TTreeNode *root = ActiveModel() ? ActiveModel()->Tree().Root() : nullptr;
    TSelectionSummary s;
    s.Mode = window_.DbState();
    s.Count = int(selected.size());
    s.FirstImage = selected.empty() ? -1 : selected.front()->Image();
    s.ClipboardHasText = view_.ClipboardHasText();
    for (const TTreeNode *n : selected) {
        const bool expanded = n->HasChildren() && view_.IsExpanded(kind, n);
        s.RootSelected = s.RootSelected || n == root;
        s.AnyExpanded = s.AnyExpanded || expanded;
        s.AnyCollapsed = s.AnyCollapsed || !expanded;
        s.AnyChildren = s.AnyChildren || n->HasChildren();
        s.AnyData =
            s.AnyData || (s.Mode == DbFound ? n->FoundRecord() != nullptr : n->HasDescription());
    }

    for (const TCommandEnable &c : ItemCommandStates(s))
        commands_.SetEnabled(c.Command, c.Enabled);
}

int TDescriptionPane::ShownSizeUnit() const
{
    return qbx::ShownSizeUnit(view_.RowText(SizeRow), options_.SizeUnit);
}

void TDescriptionPane::CheckShownSizeCommand()
{
    commands_.SetChecked(SizeCommandShown(view_.RowText(SizeRow), options_.SizeUnit), true);
}

void TDescriptionPane::ShowSizeIn(int unit)
{
    if (window_.DbState() == DbEntire)
        view_.EndLabelEdit();
    const bool nothingShown = options_.EmptySize && view_.RowText(SizeRow).isEmpty();
    if (!nothingShown && unit != ShownSizeUnit()) {
        Refill(unit);
    }
    // The window checks a chosen size command before this runs; the check
    // must name the unit the pane really shows.
    CheckShownSizeCommand();
}

void TDescriptionPane::TreeViewExpanded(TTreeKind tree, TTreeNode *node)
{
    // Expanding a whole subtree reports empty folders too; only a folder
    // that really opens shows the open image.
    if (node && node->Image() == ImageFolder && node->HasChildren())
        Model(tree).Tree().SetImage(node, ImageFolderOpen);
}

void TDescriptionPane::TreeViewCollapsed(TTreeKind tree, TTreeNode *node)
{
    if (node && node->Image() == ImageFolderOpen)
        Model(tree).Tree().SetImage(node, ImageFolder);
}

void TDescriptionPane::TreeViewReset(TTreeKind tree)
{
    Model(tree).Tree().CloseFolders();
}

void TDescriptionPane::ExpandCollapse(bool expand, bool wholeSubtree)
{
    TTreeModel *model = ActiveModel();
    const TTreeNode *node = model ? model->CurrentNode() : nullptr;
    if (node) {
        if (expand)
            view_.Expand(ActiveKind(), node, wholeSubtree);
        else
            view_.Collapse(ActiveKind(), node, wholeSubtree);
    }
    SelectionChanged();
}

void TDescriptionPane::OpenFocusedFile()
{
    TTreeModel *model = ActiveModel();
    const TTreeNode *node = model ? model->CurrentNode() : nullptr;
    if (node && node->Image() == ImageFile && OpenOnDisc)
        OpenOnDisc(view_.RowText(LabelRow), view_.RowText(PathRow));
}

void TDescriptionPane::EditAtSelectedRow()
{
    if (!commands_.Enabled(cmd::EditDescrAction))
        return;
    const int row = view_.SelectedRow();
    EditFieldRow = uint8_t(row >= 0 && row < RowCount ? row : 2);
    view_.RunDescriptionEditor();
}

bool TDescriptionPane::PrepareSizeMenu()
{
    if (view_.SelectedRow() != SizeRow)
        return false;
    CheckShownSizeCommand();
    return true;
}

} // namespace qbx
