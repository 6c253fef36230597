#include "edit/gui/TLabelDelegateGui.h"

#include "tree/TTreeModel.h"

#include <QLineEdit>

namespace qbx {

TLabelDelegateGui::TLabelDelegateGui(QObject *parent) : QStyledItemDelegate(parent)
{
}

QWidget *TLabelDelegateGui::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    if (CanEdit && !CanEdit())
        return nullptr;
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor_ = editor;
    if (OnEditing)
        OnEditing();
    return editor;
}

void TLabelDelegateGui::setModelData(QWidget *editor, QAbstractItemModel *,
                                     const QModelIndex &index) const
{
    const auto *line = qobject_cast<QLineEdit *>(editor);
    TTreeNode *node = TTreeModel::NodeAt(index);
    if (line && node && OnEdited)
        OnEdited(node, line->text());
}

void TLabelDelegateGui::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (editor == editor_)
        editor_.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
    if (OnClosed)
        OnClosed();
}

void TLabelDelegateGui::CloseEditor()
{
    if (QWidget *editor = editor_.data()) {
        editor_.clear();
        emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
}

} // namespace qbx
