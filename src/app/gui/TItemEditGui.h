#pragma once

#include "edit/IItemEditView.h"
#include "edit/TDescriptionCommands.h"
#include "edit/gui/TEditForm.h"
#include "edit/TItemOperations.h"
#include "interaction/CommandTable.h"

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <array>
#include <memory>

class QTreeView;

namespace qbx {

class IWindowCommands;
class IWindowControls;
class TDescriptionPaneGui;
class TLabelDelegateGui;
class TSession;

// Binds the editing of the catalogue to the main window: the item and
// description commands, in-place renaming in MainTreeView (its editor and
// the shortcuts taken away meanwhile), drag and drop of items, the double
// click on the splitter that fits the tree pane, the clipboard and the
// description editor. Construct it after the catalogue is attached to the
// window (the pane shows what editing changes); destroy it before the window.
class TItemEditGui : public QObject, private IItemEditView, private IClipboardText {
    Q_OBJECT
public:
    TItemEditGui(TSession &session, IWindowCommands &commands, IWindowControls &controls,
                 TDescriptionPaneGui &pane);
    ~TItemEditGui() override;

    TItemOperations &Items() { return items_; }
    TDescriptionCommands &Descriptions() { return descriptions_; }
    TEditForm &EditForm() { return editForm_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // IItemEditView
    void StartLabelEdit(const TTreeNode *node) override;
    bool LabelEditorOpen() const override;
    void CloseLabelEditor() override;
    void SetTreeReadOnly(bool readOnly) override;
    void SetEditShortcuts(bool given) override;
    bool IsExpanded(const TTreeNode *node) const override;
    void Expand(const TTreeNode *node) override;
    void ExpandNodes(const std::vector<const TTreeNode *> &nodes) override;
    void SetStatusText(const QString &text) override;
    void PostMessageHook() override;
    void ShowEntireView() override;
    void EditDescription() override;
    // IClipboardText
    bool HasText() const override;
    QString Text() const override;
    void SetText(const QString &text) override;

    QTreeView *Tree() const;
    void ConnectCommands();
    // The node under a point of MainTreeView's viewport when the point lies
    // on its icon or label.
    TTreeNode *NodeOnLabel(const QPoint &pos) const;
    bool DragOver(class QDragMoveEvent *event);
    void FitTreePane();
    // The edit box is gone: an edit that ended with a text is checked now.
    void EditorClosed();

    TSession &session_;
    IWindowCommands &commands_;
    IWindowControls &controls_;
    TDescriptionPaneGui &pane_;
    TEditForm editForm_;
    TItemOperations items_;
    TDescriptionCommands descriptions_;
    TLabelDelegateGui *delegate_;
    // The commands whose shortcuts a label edit takes away, with their shortcuts.
    static constexpr std::array<cmd::Id, 4> kEditKeyCommands = {
        cmd::DeleteItemAction, cmd::PasteDescrAction, cmd::CopyDescrAction, cmd::CutDescrAction};
    std::array<QList<QKeySequence>, 4> takenShortcuts_;
    bool shortcutsTaken_ = false;
    // The edit that ended with a text, checked once the edit box is gone.
    TTreeNode *pendingNode_ = nullptr;
    QString pendingPath_;
    QString pendingText_;
};

} // namespace qbx
