#include "edit/TItemOperations.h"
#include "tree/FieldCapacities.h"

#include "edit/IItemEditView.h"
#include "edit/ItemNames.h"
#include "options/TOptions.h"
#include "platform/TextRules.h"
#include "interaction/CommandState.h"
#include "interaction/UnsavedChanges.h"
#include "interaction/ConflictAnswers.h"
#include "interaction/ConflictPrompt.h"
#include "interaction/MessageBoxes.h"
#include "interaction/WindowState.h"
#include "storage/CatalogueDocument.h"
#include "tree/CataloguePath.h"
#include "tree/NodePaths.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTreeModel.h"

#include <unordered_set>
#include <QCoreApplication>

namespace qbx {

namespace {

QString kNameCheckCaption()
{
    return QCoreApplication::translate("TItemOperations", "Проверка имени элемента");
}

bool Contains(const TTreeNode *ancestor, const TTreeNode *node)
{
    for (; node; node = node->Parent()) {
        if (node == ancestor)
            return true;
    }
    return false;
}

// A file whose name has no extension becomes a folder when it gets children.
bool BecomesFolder(const TTreeNode *node, bool hadChildren)
{
    return node->Image() == ImageFile && !node->Text().contains(u'.') && !hadChildren;
}

} // namespace

TItemOperations::TItemOperations(TDeps deps) : d_(deps)
{
}

void TItemOperations::MarkChanged()
{
    d_.unsaved.Set(true);
}

void TItemOperations::Refresh()
{
    if (SelectionChanged)
        SelectionChanged();
}

std::vector<TTreeNode *> TItemOperations::TopSelected() const
{
    const std::vector<TTreeNode *> selected = d_.model.SelectedNodes();
    const std::unordered_set<const TTreeNode *> set(selected.begin(), selected.end());
    std::vector<TTreeNode *> top;
    for (TTreeNode *n : selected) {
        bool inside = false;
        for (const TTreeNode *p = n->Parent(); p && !inside; p = p->Parent())
            inside = set.count(p) > 0;
        if (!inside)
            top.push_back(n);
    }
    return top;
}

void TItemOperations::AddSubitem()
{
    EndLabelEdit();
    const std::vector<TTreeNode *> selected = d_.model.SelectedNodes();
    if (selected.size() != 1)
        return;
    TTreeNode *node = selected.front();
    TTree &tree = d_.catalogue.Tree();
    const bool isRoot = node == tree.Root();
    const bool hadChildren = node->HasChildren();
    const QString name = MakeUniqueChildName(
        // The names are stored in the catalogue: the same in every language.
        isRoot ? QStringLiteral("Новый") : QStringLiteral("Новый подэлемент"), tree, node);
    const qsizetype above = ItemPath(node).size();
    if (!isRoot && (above > 0 ? above + 1 : 0) + name.size() > kPathCapacity) {
        WarnPathTooLong(QCoreApplication::translate("TItemOperations", "Добавление подэлемента"));
        return;
    }
    tree.AddChild(node, name, isRoot ? ImageDisc : ImageFile);
    if (!isRoot && BecomesFolder(node, hadChildren))
        tree.SetImage(node, ImageFolder); // moves it among its siblings
    d_.view.Expand(node);
    MarkChanged();
    Refresh();
}

void TItemOperations::RenameItem()
{
    EndLabelEdit();
    const std::vector<TTreeNode *> selected = d_.model.SelectedNodes();
    if (selected.size() != 1 || selected.front() == d_.catalogue.Tree().Root())
        return;
    d_.view.SetTreeReadOnly(false);
    d_.view.StartLabelEdit(selected.front());
}

void TItemOperations::MainTreeViewEditing()
{
    d_.view.SetEditShortcuts(false);
    d_.catalogue.EditState = EditLabel;
}

QString TItemOperations::MainTreeViewEdited(TTreeNode *node, const QString &newText)
{
    GiveShortcutsBack();
    d_.view.SetTreeReadOnly(true);
    const QString oldText = node->Text();
    if (newText == oldText)
        return oldText;
    auto refuse = [this](const char *text) {
        d_.boxes.Show(QCoreApplication::translate("TItemOperations", text), kNameCheckCaption(), TMsgIcon::Warning, MbOk);
    };
    const std::optional<QString> typed = TypedText(newText);
    if (!typed) {
        refuse(QT_TRANSLATE_NOOP("TItemOperations", "Новое имя элемента содержит символы, которые нельзя сохранить в базе "
               "данных.\rПереименование отменено."));
        return oldText;
    }
    QString name = *typed;
    switch (CheckItemName(name)) {
    case TNameCheck::Invalid:
        refuse(QT_TRANSLATE_NOOP("TItemOperations", "Новое имя элемента имеет недопустимое значение.\rПереименование отменено."));
        return oldText;
    case TNameCheck::BadCharacters:
        refuse(QT_TRANSLATE_NOOP("TItemOperations", "Новое имя элемента содержит недопустимые символы (\\, / или управляющие "
               "символы).\rПереименование отменено."));
        return oldText;
    case TNameCheck::Ok:
        break;
    }
    const TTreeNode *parent = node->Parent();
    if (parent && !parent->Parent())
        name = name.left(kLabelCapacity); // a disc label fills the table's Label field
    if (name == oldText)
        return oldText;
    if (!SubtreePathsFit(node, parent, name)) {
        WarnPathTooLong(kNameCheckCaption());
        return oldText;
    }
    editedLabel_ = JoinPath(FullItemPath(parent), name);
    editedNode_ = node;
    editedOldPath_ = FullItemPath(node);
    MarkChanged();
    d_.catalogue.EditState = EditRenamePending;
    d_.view.PostMessageHook();
    return oldText;
}

void TItemOperations::WarnPathTooLong(const QString &caption)
{
    d_.boxes.Show(PathTooLongText(), caption, TMsgIcon::Warning, MbOk);
}

void TItemOperations::GiveShortcutsBack()
{
    d_.view.SetEditShortcuts(true);
}

void TItemOperations::EndLabelEdit()
{
    if (d_.view.LabelEditorOpen())
        d_.view.CloseLabelEditor();
    if (d_.catalogue.EditState == EditLabel) {
        d_.catalogue.EditState = EditNone;
        GiveShortcutsBack();
    }
}

void TItemOperations::MessageHook()
{
    switch (d_.catalogue.EditState) {
    case EditLabel:
        // The edit was cancelled: no edited event gave the shortcuts back.
        if (!d_.view.LabelEditorOpen()) {
            d_.catalogue.EditState = EditNone;
            GiveShortcutsBack();
        }
        break;
    case EditRenamePending:
        d_.catalogue.EditState = EditNone;
        CarryOutRename();
        break;
    case EditFromResults: {
        d_.catalogue.EditState = EditNone;
        if (d_.options.ConfirmEdit && d_.document.FirstEntireView &&
            d_.boxes.Show(QCoreApplication::translate("TItemOperations", "Вы действительно хотите перейти в режим "
                                         "редактирования?"),
                          QCoreApplication::translate("TItemOperations", "Редактирование описания"), TMsgIcon::Question,
                          MbYesNo) == TMsgAnswer::No)
            break;
        d_.view.ShowEntireView();
        d_.view.EditDescription();
        break;
    }
    default:
        break;
    }
}

void TItemOperations::AskEditorFromResults()
{
    d_.catalogue.EditState = EditFromResults;
    d_.view.PostMessageHook();
}

bool TItemOperations::IsExpanded(const TTreeNode *node) const
{
    return d_.view.IsExpanded(node);
}

void TItemOperations::CarryOutRename()
{
    TTree &tree = d_.catalogue.Tree();
    TTreeNode *node = editedNode_;
    editedNode_ = nullptr;
    // The node is used only when it is still the one at its old place; a
    // tree changed meanwhile drops the rename instead of touching a
    // deleted node.
    if (!node || NodeByFullPath(tree, editedOldPath_) != node)
        return;
    const QString label = editedLabel_;
    const QString name = LastComponentKeep(label);
    if (text::Upper(FullItemPath(node)) != text::Upper(label) &&
        !tree.FindChild(node->Parent(), name)) {
        // No sibling has the new name, so nothing merges: moving the subtree
        // would make the same nodes again below the new name. The node is
        // renamed where it is, and its folders stay open as they are.
        tree.SetText(node, name);
        d_.model.Select(node);
    } else if (text::Upper(FullItemPath(node)) != text::Upper(label)) {
        const auto [disc, path] = SplitFirst(label);
        const std::vector<QString> expanded =
            ExpandedPathsBelow(node, [this](const TTreeNode *n) { return d_.view.IsExpanded(n); });
        TTreeNode *parent = node->Parent();
        if (d_.catalogue.MoveSubtree(node, disc, path)) {
            d_.model.Select(parent);
            if (TTreeNode *renamed = NodeByFullPath(tree, label)) {
                d_.model.Select(renamed);
                // The copy shows what the renamed node showed: a rename
                // should not fold up the folders the user had open.
                std::vector<const TTreeNode *> open;
                for (const QString &rel : expanded)
                    if (TTreeNode *n =
                            NodeByFullPath(tree, rel.isEmpty() ? label : label + u'\\' + rel))
                        open.push_back(n);
                d_.view.ExpandNodes(open);
            }
        }
        d_.answers.ConflictAnswer = ConflictNotAsked;
    } else {
        tree.SetText(node, name);
    }
    Refresh();
}

bool TItemOperations::MainTreeViewDragOver(const TTreeNode *dragged, const TTreeNode *target) const
{
    if (!dragged || !target || target == dragged->Parent())
        return false;
    // Neither the dragged node nor anything below it.
    return !Contains(dragged, target);
}

void TItemOperations::MainTreeViewDragDrop(TTreeNode *dragged, TTreeNode *target)
{
    EndLabelEdit();
    if (!MainTreeViewDragOver(dragged, target))
        return;
    // Dropped on the root the item becomes a disc, whose label is cut to the
    // table's Label field as a renamed disc's is.
    const QString name = target->Parent() ? dragged->Text() : dragged->Text().left(kLabelCapacity);
    if (!SubtreePathsFit(dragged, target, name)) {
        WarnPathTooLong(QCoreApplication::translate("TItemOperations", "Перемещение элемента"));
        return;
    }
    const bool hadChildren = target->HasChildren();
    const auto [label, path] = SplitFirst(FullItemPath(target) + u'\\' + name);
    const bool moved = d_.catalogue.MoveSubtree(dragged, label, path);
    MarkChanged();
    if (moved) {
        d_.model.Select(target);
        if (BecomesFolder(target, hadChildren))
            d_.catalogue.Tree().SetImage(target, ImageFolder);
    }
    d_.answers.ConflictAnswer = ConflictNotAsked;
    Refresh();
}

void TItemOperations::ToggleFolderFile()
{
    EndLabelEdit();
    const std::vector<TTreeNode *> selected = d_.model.SelectedNodes();
    if (selected.size() != 1 || selected.front()->Image() < ImageFolder)
        return;
    TTreeNode *node = selected.front();
    // A folder's stored path ends in "\\": it must still fit the Path field.
    if (node->Image() == ImageFile && !FitsAsFolder(node)) {
        WarnPathTooLong(QCoreApplication::translate("TItemOperations", "Преобразовать папку/файл"));
        return;
    }
    MarkChanged();
    if (node->IsFolder())
        d_.catalogue.Tree().SetImage(node, ImageFile);
    else if (node->Image() == ImageFile)
        d_.catalogue.Tree().SetImage(
            node, node->HasChildren() && d_.view.IsExpanded(node) ? ImageFolderOpen : ImageFolder);
    d_.model.Select(node);
    Refresh();
}

void TItemOperations::DeleteItem()
{
    EndLabelEdit();
    d_.window.StatusText.clear();
    d_.view.SetStatusText(QString());
    const std::vector<TTreeNode *> selected = d_.model.SelectedNodes();
    const TTreeNode *root = d_.catalogue.Tree().Root();
    if (selected.empty())
        return;
    for (const TTreeNode *n : selected) {
        if (n == root)
            return;
    }
    if (d_.options.ConfirmDelete) {
        const QString what = selected.size() == 1
                                 ? QCoreApplication::translate("TItemOperations", "элемент \"%1\"").arg(selected.front()->Text())
                                 : QCoreApplication::translate("TItemOperations", "выбранные элементы");
        if (d_.boxes.Show(QCoreApplication::translate("TItemOperations", "Вы действительно хотите удалить %1?").arg(what),
                          QCoreApplication::translate("TItemOperations", "Удаление элемента"), TMsgIcon::Question,
                          MbYesNo) != TMsgAnswer::Yes)
            return;
    }
    // The node to select afterwards: the next sibling of the last node
    // selected, else the previous sibling of the first, with their parent in
    // reserve; else the parent of the first node.
    const std::vector<TTreeNode *> picked = d_.model.SelectedNodesInSelectionOrder();
    const TTreeNode *first = picked.front();
    const TTreeNode *last = picked.back();
    TTreeNode *chosen = nullptr;
    TTreeNode *reserve = nullptr;
    if (last->Row() + 1 < last->Parent()->ChildCount()) {
        chosen = last->Parent()->Child(last->Row() + 1);
        reserve = last->Parent();
    } else if (first->Row() > 0) {
        chosen = first->Parent()->Child(first->Row() - 1);
        reserve = first->Parent();
    } else {
        chosen = first->Parent();
    }
    // A node inside a deleted one goes with it; neither the chosen node nor
    // the reserve may be among what is deleted.
    const std::vector<TTreeNode *> top = TopSelected();
    for (const TTreeNode *n : top) {
        if (Contains(n, chosen))
            chosen = nullptr;
        if (Contains(n, reserve))
            reserve = nullptr;
    }
    TTreeNode *fallback = top.front()->Parent();
    d_.catalogue.DeleteNodes(top);
    d_.model.Select(chosen ? chosen : reserve ? reserve : fallback);
    MarkChanged();
    Refresh();
}

void TItemOperations::DeleteSubitems()
{
    EndLabelEdit();
    d_.window.StatusText.clear();
    d_.view.SetStatusText(QString());
    const std::vector<TTreeNode *> top = TopSelected();
    if (top.empty())
        return;
    if (d_.options.ConfirmDelete) {
        const QString what = d_.model.SelectedNodes().size() == 1
                                 ? QCoreApplication::translate("TItemOperations", "элемента \"%1\"").arg(top.front()->Text())
                                 : QCoreApplication::translate("TItemOperations", "выбранных элементов");
        if (d_.boxes.Show(
                QCoreApplication::translate("TItemOperations", "Вы действительно хотите удалить все подэлементы %1?").arg(what),
                QCoreApplication::translate("TItemOperations", "Удаление подэлементов"), TMsgIcon::Question,
                MbYesNo) == TMsgAnswer::No)
            return;
    }
    d_.catalogue.EditState = EditNone;
    TTree &tree = d_.catalogue.Tree();
    {
        // One change of the view for all of it, not a row removal per child.
        TTreeMerge merge(tree);
        for (TTreeNode *node : top) {
            // From the last child on, so no sibling list is shifted.
            while (node->HasChildren()) {
                TTreeNode *child = node->Child(node->ChildCount() - 1);
                tree.FreeDescriptions(child);
                tree.RemoveNode(child);
            }
            if (node->Image() == ImageFolderOpen)
                tree.SetImage(node, ImageFolder);
        }
    }
    MarkChanged();
    Refresh();
}

} // namespace qbx
