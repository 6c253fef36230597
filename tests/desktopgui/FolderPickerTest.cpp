#include "desktop/gui/TFolderPickerGui.h"

#include "desktop/QStringPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

namespace {

using qbx::TFolderPickerGui;

// Runs `act` on the folder dialog once it is up.
void WhenDialogShows(std::function<void(QFileDialog *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

TEST(FolderPicker, OpensAtTheGivenFolderWithThePromptAsTitle)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("Диск 1")));
    const QString chosen = QDir(root.path()).filePath(QStringLiteral("Диск 1"));

    TFolderPickerGui picker(nullptr);
    QString folder = root.path() + QLatin1Char('/');
    QString title, start, type;
    WhenDialogShows([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        start = dialog->directory().absolutePath();
        dialog->setViewMode(QFileDialog::Detail);
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_NE(details, nullptr);
        const QAbstractItemModel *model = details->model();
        const QModelIndex listed = details->rootIndex();
        (void)QTest::qWaitFor([&] { return model->rowCount(listed) == 1; }, 5000);
        type = model->index(0, 2, listed).data().toString();
        dialog->setDirectory(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_TRUE(picker.PickFolder(QStringLiteral("Выберите папку с файлами баз данных:"), folder));
    EXPECT_EQ(title, QStringLiteral("Выберите папку с файлами баз данных:"));
    EXPECT_EQ(start, QDir(root.path()).absolutePath());
    EXPECT_EQ(type, QStringLiteral("Папка")); // the type column speaks Russian too
    EXPECT_EQ(folder, chosen);                // no trailing separator: callers add it
}

TEST(FolderPicker, CancelLeavesTheFolderText)
{
    QTemporaryDir root;
    TFolderPickerGui picker(nullptr);
    QString folder = root.path() + QLatin1Char('/');
    WhenDialogShows([](QFileDialog *dialog) { dialog->reject(); });
    EXPECT_FALSE(picker.PickFolder(QStringLiteral("Выберете папку для обработки:"), folder));
    EXPECT_EQ(folder, root.path() + QLatin1Char('/'));
}

} // namespace
