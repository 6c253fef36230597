// The catalogue tree in the real main window: its popup menu, folder images
// and the progress bar during a question.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "interaction/CommandTable.h"
#include "interaction/LongOperation.h"
#include "storage/CatalogueFields.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace qbx::test {
namespace {

// A disc holding an empty folder and a folder with a file.
void WriteTreeCatalogue(const QString &path)
{
    engine::Table::Create(path.toStdString(), CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
    engine::Table t;
    t.Open(path.toStdString(), engine::OpenMode::Exclusive);
    using V = engine::Value;
    // Values refer to their bytes: keep them alive until appended.
    std::deque<std::string> bytes;
    const auto text = [&bytes](const char *s) {
        return V::Text(bytes.emplace_back(codec::ToCp1251(QString::fromUtf8(s))));
    };
    const V rows[4][7] = {
        {text("Диск"), V::Null(), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
        {text("Диск"), text("Игры\\"), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
        {text("Диск"), text("Игры\\setup.exe"), V::Null(), V::Null(), V::Null(), V::Number(9),
         V::Null()},
        {text("Диск"), text("Пусто\\"), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
    };
    for (const auto &row : rows)
        t.Append(row);
}

class TreeWindow : public ::testing::Test {
protected:
    TempConfigHome config;
    QTemporaryDir dir;
    TProgram program;
    TMainForm &form = program.Window();

    void SetUp() override
    {
        form.show();
        QApplication::processEvents();
        const QString path = dir.filePath(QStringLiteral("games.db"));
        WriteTreeCatalogue(path);
        program.Session().Files().OpenFile(path);
        form.Action(cmd::EntireViewAction)->trigger();
        QApplication::processEvents();
    }
    void TearDown() override { form.close(); }

    TTreeNode *Disc() { return program.Session().MainTree().Root()->Child(0); }

    // Opens the tree's popup menu on the node and gives the entries shown.
    QStringList PopupOn(TTreeNode *node)
    {
        program.Session().MainModel().Select(node);
        QApplication::processEvents();
        QTreeView *tree = form.MainTreeView();
        const QRect rect = tree->visualRect(program.Session().MainModel().IndexOf(node));
        emit tree->customContextMenuRequested(rect.center());
        auto *menu = form.findChild<QMenu *>(QStringLiteral("TreePopupMenu"));
        QStringList shown;
        for (QAction *a : menu->actions()) {
            if (a->isSeparator())
                shown << QStringLiteral("-");
            else if (a->isVisible())
                shown << a->objectName();
        }
        menu->hide();
        return shown;
    }
};

TEST_F(TreeWindow, PopupEntriesFollowTheCommandsAfterExpandingAll)
{
    QStringList shown = PopupOn(Disc());
    EXPECT_TRUE(shown.contains(QStringLiteral("ExpandNodePopupItem")));
    EXPECT_FALSE(shown.contains(QStringLiteral("CollapseNodePopupItem")));
    EXPECT_FALSE(shown.contains(QStringLiteral("FolderFilePopupItem")));
    // Separators stay, even where the entries between them are hidden.
    EXPECT_EQ(shown.count(QStringLiteral("-")), 4);

    form.Action(cmd::ExpandNodesAction)->trigger();
    QApplication::processEvents();
    shown = PopupOn(Disc());
    EXPECT_TRUE(form.Action(cmd::CollapseNodeAction)->isEnabled());
    EXPECT_TRUE(shown.contains(QStringLiteral("CollapseNodePopupItem")));

    TTreeNode *file = Disc()->Child(0)->Child(0);
    ASSERT_EQ(file->Text(), QStringLiteral("setup.exe"));
    shown = PopupOn(file);
    EXPECT_TRUE(form.Action(cmd::FolderFileAction)->isEnabled());
    EXPECT_TRUE(shown.contains(QStringLiteral("FolderFilePopupItem")));
}

TEST_F(TreeWindow, ExpandingAllOpensOnlyFoldersWithChildren)
{
    program.Session().MainModel().Select(Disc());
    form.Action(cmd::ExpandNodesAction)->trigger();
    QApplication::processEvents();
    TTreeNode *games = Disc()->Child(0);
    TTreeNode *empty = Disc()->Child(1);
    ASSERT_EQ(empty->Text(), QStringLiteral("Пусто"));
    EXPECT_EQ(games->Image(), 3);
    EXPECT_EQ(empty->Image(), 2);
}

TEST_F(TreeWindow, QuestionDuringAnOperationShowsTheProgressReached)
{
    TLongOperation &operation = form.Operation();
    operation.SetClock([] { return qint64(0); }); // no paced update on its own
    operation.StartOperation(QStringLiteral("Работа"), 100);
    for (int i = 0; i < 37; ++i)
        operation.StepOperation(); // faster than the paced updates
    int shownDuringQuestion = -1;
    QTimer::singleShot(0, [&] {
        shownDuringQuestion = form.ProgressBar()->value();
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    QMessageBox box(QMessageBox::Question, QStringLiteral("Работа"), QStringLiteral("?"),
                    QMessageBox::Ok, &form);
    box.exec();
    operation.EndOperation();
    EXPECT_EQ(shownDuringQuestion, 37);
}

} // namespace
} // namespace qbx::test
