// The file dialogs drawn by Qt: Russian type and size texts, columns that show
// their contents whole.
#include "search/gui/TQueryFileDialogsGui.h"
#include "desktop/QStringPrinter.h"
#include "storage/gui/TQtFileDialogs.h"
#include "storage/gui/TQtSaveDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

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

struct TShownList {
    QStringList folderRow, fileRow;
    bool columnsWhole = false;
};

// Shows a Qt-drawn file dialog on a folder holding one subfolder and one
// file, and reads the type and size texts of its detail list.
TShownList ShowOn(const std::function<void(const QString &folder)> &show)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QTemporaryDir dir;
    EXPECT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Диски")));
    QFile file(dir.filePath(QStringLiteral("catalogue.db")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(35 * 1024 + 512, 'x'));
    file.close();

    TShownList shown;
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
            shown.folderRow << Text(model, root, QStringLiteral("Диски"), column);
            shown.fileRow << Text(model, root, QStringLiteral("catalogue.db"), column);
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
        shown.columnsWhole = whole();
        dialog->reject();
    });
    show(dir.path());
    QLocale::setDefault(QLocale::c());
    return shown;
}

void ExpectRussian(const TShownList &shown)
{
    EXPECT_EQ(shown.folderRow, (QStringList{QString(), QStringLiteral("Папка")}));
    EXPECT_EQ(shown.fileRow,
              (QStringList{QStringLiteral("35,50 кБ"), QStringLiteral("Файл «DB»")}));
    EXPECT_TRUE(shown.columnsWhole);
}

const QString AllFiles = QStringLiteral("Все файлы (*.*)|*.*");

TEST(FileDialog, ListsTypesAndSizesInRussianWithWholeColumns)
{
    ExpectRussian(ShowOn([](const QString &folder) {
        TQtFileDialogs dialogs(nullptr);
        EXPECT_TRUE(
            dialogs.GetOpenFileName({QStringLiteral("Открыть"), AllFiles, folder, QString()})
                .isEmpty());
    }));
}

// The save dialog of the catalogue and both dialogs of the query editor list
// the folder the same way as the open dialog.
TEST(FileDialog, SaveAndQueryDialogsListInRussianToo)
{
    ExpectRussian(ShowOn([](const QString &folder) {
        TQtSaveDialog dialog(nullptr);
        TSaveDialogState state;
        state.Title = QStringLiteral("Сохранение базы данных");
        state.Filter = AllFiles;
        state.InitialFolder = folder;
        EXPECT_TRUE(dialog.GetSaveFileName(state).FileName.isEmpty());
    }));
    TQueryFileDialogsGui queries(nullptr);
    ExpectRussian(ShowOn([&](const QString &folder) {
        EXPECT_TRUE(queries
                        .GetOpenFileName({QStringLiteral("Загрузка сложного запроса"), AllFiles,
                                          folder, QString()})
                        .isEmpty());
    }));
    ExpectRussian(ShowOn([&](const QString &folder) {
        EXPECT_TRUE(queries
                        .GetSaveFileName({QStringLiteral("Сохранение сложного запроса"), AllFiles,
                                          folder, QString()},
                                         true)
                        .isEmpty());
    }));
}

} // namespace
} // namespace qbx::test
