#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

namespace qbx {

// The file dialogs' list in Russian: Qt's file-system model names the types
// of files and folders and the size units in English. Sizes are shown in the
// program's own units ("кБ", "МБ"...), types as "Папка" and "Файл «DB»".
class TFileDialogModel : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role) const override;
};

// Gives a Qt-drawn file dialog the Russian model, a size that shows its
// columns whole, and columns that fit their contents. A dialog drawn by the
// desktop is already in the user's language and is left as it is.
void PrepareFileDialog(QFileDialog &dialog);

} // namespace qbx
