// A catalogue file opened in the real main window: the first entry to the
// whole-catalogue view loads it, the tree and the description pane show it,
// and closing empties the window again.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "support/TestSupport.h"
#include "tree/NodePaths.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

QString WriteCatalogue(const QString &path, const QString &firstFile = QStringLiteral("setup.exe"),
                       const QString &disc = QStringLiteral("Диск"))
{
    engine::Table::Create(path.toStdString(), CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
    engine::Table t;
    t.Open(path.toStdString(), engine::OpenMode::Exclusive);
    const std::string cd = codec::ToCp1251(disc);
    const std::string dir = codec::ToCp1251(QStringLiteral("Игры\\"));
    const std::string file = codec::ToCp1251(QStringLiteral("Игры\\") + firstFile);
    const std::string maker = codec::ToCp1251(QStringLiteral("Фирма"));
    using V = engine::Value;
    const V rows[3][7] = {
        {V::Text(cd), V::Null(), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
        {V::Text(cd), V::Text(dir), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
        {V::Text(cd), V::Text(file), V::Text(maker), V::Null(), V::Text("2.1"), V::Number(2048),
         V::Null()},
    };
    for (const auto &row : rows)
        t.Append(row);
    return path;
}

class CatalogueWindow : public ::testing::Test {
protected:
    // Chooses `file` in the next open dialog as soon as it is shown.
    static void AnswerFileDialog(const QString &file)
    {
        QTimer::singleShot(0, [file] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(file);
            static_cast<QDialog *>(dialog)->accept(); // public there
        });
    }

    TempConfigHome config;
    QTemporaryDir dir;
    TProgram program;
    TMainForm &form = program.Window();

    QString Row(int row) const { return form.DescrListView()->topLevelItem(row)->text(1); }
};

TEST_F(CatalogueWindow, OpenShowAndClose)
{
    form.show();
    QApplication::processEvents();
    const QString path = WriteCatalogue(dir.filePath(QStringLiteral("games.db")));
    program.Session().Files().OpenFile(path);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("games - Кварнис"));
    EXPECT_TRUE(form.Action(cmd::EntireViewAction)->isEnabled());
    EXPECT_FALSE(form.MainTreeView()->isVisible()) << "opening shows no pane yet";

    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(form.MainTreeView()->isVisible());
    TTreeModel &model = program.Session().MainModel();
    const QModelIndex root = model.index(0, 0);
    EXPECT_TRUE(form.MainTreeView()->isExpanded(root));
    ASSERT_EQ(model.rowCount(root), 1);
    EXPECT_EQ(model.index(0, 0, root).data().toString(), QStringLiteral("Диск"));
    EXPECT_EQ(form.WindowState().TotalText, QStringLiteral("Всего записей: 3"));

    TTree &tree = program.Session().MainTree();
    const TTreeNode *file = tree.Root()->Child(0)->Child(0)->Child(0);
    model.Select(file);
    QApplication::processEvents();
    EXPECT_EQ(Row(0), QStringLiteral("Диск"));
    EXPECT_EQ(Row(1), QStringLiteral("Игры\\setup.exe"));
    EXPECT_EQ(Row(2), QStringLiteral("Фирма"));
    EXPECT_EQ(Row(4), QStringLiteral("2.1"));
    EXPECT_FALSE(Row(5).isEmpty());
    EXPECT_TRUE(form.Action(cmd::RenameItemAction)->isEnabled());

    form.Action(cmd::CloseDbAction)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form.WindowState().DbState(), DbNone);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Кварнис"));
    EXPECT_FALSE(program.Session().MainTree().Root()->HasChildren());
    form.close();
}

TEST_F(CatalogueWindow, CreateShowsAnEmptyChangedCatalogue)
{
    form.show();
    form.Action(cmd::CreateDbAction)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form.WindowState().DbState(), DbEntire);
    EXPECT_TRUE(form.MainTreeView()->isVisible());
    EXPECT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Qubrix - Кварнис"));
    form.Action(cmd::CloseDbAction)->trigger(); // nothing added: no question
    EXPECT_EQ(form.WindowState().DbState(), DbNone);
    form.close();
}

TEST_F(CatalogueWindow, AddKeepsExpandedFoldersAndTheSelection)
{
    form.show();
    const QString path = WriteCatalogue(dir.filePath(QStringLiteral("games.db")));
    program.Session().Files().OpenFile(path);
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    TTreeModel &model = program.Session().MainModel();
    TTree &tree = program.Session().MainTree();
    QTreeView *view = form.MainTreeView();
    const TTreeNode *games = tree.Root()->Child(0)->Child(0);
    view->expand(model.IndexOf(games));
    const TTreeNode *setup = games->Child(0);
    model.Select(setup);

    // The same disc with a file that comes before setup.exe, and a new disc
    // that comes before the open one.
    const QString more = WriteCatalogue(dir.filePath(QStringLiteral("more.db")),
                                        QStringLiteral("alpha.exe"), QStringLiteral("Архив"));
    WriteCatalogue(dir.filePath(QStringLiteral("same.db")), QStringLiteral("alpha.exe"));
    for (const QString &added : {more, dir.filePath(QStringLiteral("same.db"))}) {
        AnswerFileDialog(added);
        form.Session().Answers().ConflictAnswer = ConflictKeepAll;
        form.Action(cmd::AddDbAction)->trigger();
        QApplication::processEvents();
    }

    ASSERT_EQ(model.rowCount(model.index(0, 0)), 2);
    EXPECT_EQ(tree.Root()->Child(1)->Child(0), games);
    EXPECT_TRUE(view->isExpanded(model.IndexOf(games)));
    EXPECT_EQ(TTreeModel::NodeAt(view->currentIndex()), setup);
    EXPECT_EQ(view->currentIndex().row(), 1) << "alpha.exe came before it";
    EXPECT_EQ(model.SelectedNodes(), std::vector<TTreeNode *>{const_cast<TTreeNode *>(setup)});
    EXPECT_EQ(Row(1), QStringLiteral("Игры\\setup.exe"));
    EXPECT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    form.close();
}

} // namespace
} // namespace qbx::test
