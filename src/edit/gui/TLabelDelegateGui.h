#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

namespace qbx {

class TTreeNode;

// The in-place label editor of MainTreeView. The edited text never goes into
// the model: the edit's end is handed to the item operations, which check
// the name and carry an accepted rename out afterwards.
class TLabelDelegateGui : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TLabelDelegateGui(QObject *parent = nullptr);

    // Whether a label edit may begin now; none opens when it answers false.
    std::function<bool()> CanEdit;
    // A label edit begins; it ends with a new text; the edit box is gone.
    std::function<void()> OnEditing;
    std::function<void(TTreeNode *, const QString &)> OnEdited;
    std::function<void()> OnClosed;

    bool EditorOpen() const { return !editor_.isNull(); }
    // Closes the edit box without taking its text.
    void CloseEditor();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

private:
    mutable QPointer<QWidget> editor_;
};

} // namespace qbx
