// The open dialog drawn by Qt: Russian type and size texts, columns that show
// their contents whole.
#include "storage/TQtFileDialogsGui.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

QString Text(const QAbstractItemModel *model, const QModelIndex &parent, const QString &name,
             int column)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        if (model->index(row, 0, parent).data().toString() == name)
            return model->index(row, column, parent).data().toString();
    }
    return QStringLiteral("<missing %1>").arg(name);
}

TEST(FileDialog, ListsTypesAndSizesInRussianWithWholeColumns)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Диски")));
    QFile file(dir.filePath(QStringLiteral("catalogue.db")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(35 * 1024 + 512, 'x'));
    file.close();

    QStringList folderRow, fileRow;
    bool columnsWhole = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setViewMode(QFileDialog::Detail);
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_NE(details, nullptr);
        const QAbstractItemModel *model = details->model();
        const QModelIndex root = details->rootIndex();
        (void)QTest::qWaitFor([&] { return model->rowCount(root) == 2; }, 5000);
        EXPECT_EQ(model->rowCount(root), 2);
        for (int column = 1; column <= 2; ++column) {
            folderRow << Text(model, root, QStringLiteral("Диски"), column);
            fileRow << Text(model, root, QStringLiteral("catalogue.db"), column);
        }
        QHeaderView *header = details->header();
        // The columns are fitted when the view lays itself out.
        const auto whole = [&] {
            for (int column = 1; column < header->count(); ++column) {
                const QString title = model->headerData(column, Qt::Horizontal).toString();
                if (header->sectionSize(column) <
                        static_cast<QAbstractItemView *>(details)->sizeHintForColumn(column) ||
                    header->sectionSize(column) < header->fontMetrics().horizontalAdvance(title))
                    return false;
            }
            return true;
        };
        (void)QTest::qWaitFor(whole, 2000);
        columnsWhole = whole();
        dialog->reject();
    });
    TQtFileDialogs dialogs(nullptr);
    const QString chosen = dialogs.GetOpenFileName(
        {QStringLiteral("Открыть"), QStringLiteral("Все файлы (*.*)|*.*"), dir.path(), QString()});
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(folderRow, (QStringList{QString(), QStringLiteral("Папка")}));
    EXPECT_EQ(fileRow, (QStringList{QStringLiteral("35,50 кБ"), QStringLiteral("Файл «DB»")}));
    EXPECT_TRUE(columnsWhole);
    QLocale::setDefault(QLocale::c());
}

} // namespace
} // namespace qbx::test
