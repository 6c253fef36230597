#include "storage/gui/TFileDialogModel.h"

#include "tree/SizeText.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

#include <algorithm>
#include <QCoreApplication>

namespace qbx {

namespace {

// Columns of QFileSystemModel.
constexpr int SizeColumn = 1;
constexpr int TypeColumn = 2;

} // namespace

QVariant TFileDialogModel::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!files || role != Qt::DisplayRole ||
        (index.column() != SizeColumn && index.column() != TypeColumn))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QFileInfo info = files->fileInfo(source);
    if (index.column() == TypeColumn) {
        if (info.isDir())
            return info.isRoot() ? QCoreApplication::translate("TFileDialogModel", "Диск") : QCoreApplication::translate("TFileDialogModel", "Папка");
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QCoreApplication::translate("TFileDialogModel", "Файл")
                                : QCoreApplication::translate("TFileDialogModel", "Файл «%1»").arg(suffix.toUpper());
    }
    if (info.isDir())
        return QString();
    return SizeText(info.size(), SuAuto, false);
}

void PrepareFileDialog(QFileDialog &dialog)
{
    dialog.setProxyModel(new TFileDialogModel(&dialog));
    dialog.resize(std::max(dialog.width(), 760), std::max(dialog.height(), 460));
    if (auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

} // namespace qbx
