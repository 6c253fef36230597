// A search in the real main window: a catalogue opened, a condition run,
// the results shown in mode 3 with the pane's rows, another presentation,
// and back to the same item in the catalogue.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TSearchGui.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "search/SearchConditions.h"
#include "storage/CatalogueFields.h"
#include "support/TestSupport.h"
#include "tree/NodePaths.h"
#include "tree/TCatalogueTree.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

QString WriteCatalogue(const QString &path)
{
    engine::Table::Create(path.toStdString(), CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
    engine::Table t;
    t.Open(path.toStdString(), engine::OpenMode::Exclusive);
    using V = engine::Value;
    const auto text = [](const char *s) { return codec::ToCp1251(QString::fromUtf8(s)); };
    const std::string cd = text("Диск"), dir = text("Игры\\"), file = text("Игры\\setup.exe"),
                      other = text("Игры\\readme.txt"), maker = text("Фирма");
    const V rows[4][7] = {
        {V::Text(cd), V::Null(), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
        {V::Text(cd), V::Text(dir), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
        {V::Text(cd), V::Text(file), V::Text(maker), V::Null(), V::Text("2.1"), V::Number(2048),
         V::Null()},
        {V::Text(cd), V::Text(other), V::Null(), V::Null(), V::Null(), V::Number(10), V::Null()},
    };
    for (const auto &row : rows)
        t.Append(row);
    return path;
}

class SearchWindow : public ::testing::Test {
protected:
    TempConfigHome config;
    QTemporaryDir dir;
    TProgram program;
    TMainForm &form = program.Window();

    QString Row(int row) const { return form.DescrListView()->topLevelItem(row)->text(1); }
};

TEST_F(SearchWindow, SearchShowResultsAndGoBack)
{
    form.show();
    QApplication::processEvents();
    TOptions &options = form.Options();
    options.Confirm100.clear();
    options.ConfirmHalf.clear();
    options.ConfirmReview = false;
    program.Session().Files().OpenFile(WriteCatalogue(dir.filePath(QStringLiteral("games.db"))));

    const QString condition =
        FieldCondition(QStringLiteral("Producer"), PrepareSearchText(QStringLiteral("*фир*"), true),
                       true) +
        KindFilter(true, true, true);
    EXPECT_EQ(program.Search().RunNewSearch(condition), 1);
    QApplication::processEvents();
    EXPECT_EQ(form.WindowState().DbState(), DbFound);
    EXPECT_EQ(form.Session().LastSearch().LastCondition, condition);
    ASSERT_TRUE(form.SearchTreeView()->isVisible());
    EXPECT_FALSE(form.MainTreeView()->isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("games (выборка) - Кварнис"));
    EXPECT_TRUE(form.Action(cmd::FoundViewAction)->isChecked());

    TTreeModel &model = program.Session().SearchModel();
    const QModelIndex root = model.index(0, 0);
    EXPECT_TRUE(form.SearchTreeView()->isExpanded(root));
    ASSERT_EQ(model.rowCount(root), 1);
    EXPECT_EQ(model.index(0, 0, root).data().toString(), QStringLiteral("Диск"));

    const TTreeNode *file = program.Session().SearchTree().Root()->Child(0)->Child(0)->Child(0);
    model.Select(file);
    QApplication::processEvents();
    EXPECT_EQ(Row(0), QStringLiteral("Диск"));
    EXPECT_EQ(Row(1), QStringLiteral("Игры\\setup.exe"));
    EXPECT_EQ(Row(2), QStringLiteral("Фирма"));
    EXPECT_EQ(Row(4), QStringLiteral("2.1"));

    // Ctrl+3: the list of full paths, rebuilt from the catalogue.
    form.Action(cmd::FoundViewListAction)->trigger();
    QApplication::processEvents();
    const QModelIndex newRoot = model.index(0, 0);
    ASSERT_EQ(model.rowCount(newRoot), 1);
    EXPECT_EQ(model.index(0, 0, newRoot).data().toString(),
              QStringLiteral("Диск\\Игры\\setup.exe"));
    EXPECT_EQ(form.WindowState().DbState(), DbFound);
    // Choosing it again does not rebuild.
    const TTreeNode *node = program.Session().SearchTree().Root()->Child(0);
    form.Action(cmd::FoundViewListAction)->trigger();
    EXPECT_EQ(program.Session().SearchTree().Root()->Child(0), node);

    // Back to the whole catalogue, on the same item.
    model.Select(node);
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form.WindowState().DbState(), DbEntire);
    ASSERT_TRUE(form.MainTreeView()->isVisible());
    const auto selected = program.Session().MainModel().SelectedNodes();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(FullItemPath(selected.front()), QStringLiteral("Диск\\Игры\\setup.exe"));
    EXPECT_EQ(Row(2), QStringLiteral("Фирма"));

    // And to the results again, unchanged.
    form.Action(cmd::FoundViewAction)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form.WindowState().DbState(), DbFound);
    EXPECT_EQ(program.Session().SearchTree().Root()->Child(0), node);

    // An unsaved change is searched in the tree itself, without a copy.
    form.Action(cmd::EntireViewAction)->trigger();
    program.Session().Catalogue().InsertItem(QStringLiteral("Диск"), QStringLiteral("new.txt"),
                                             QStringLiteral("Фирма 2"), {}, {}, 1, {}, false);
    program.Session().Catalogue().OnTreeChanged();
    ASSERT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());
    EXPECT_EQ(program.Search().RunNewSearch(condition), 2);
    // The shared temporary folder is no witness (other programs write
    // there); that no copy is written is checked by the runner's tests.
    EXPECT_TRUE(program.Search().Runner().SearchedTable().isEmpty()) << "the tree, not a file";
    EXPECT_EQ(form.WindowState().DbState(), DbFound);

    // Nothing found: the mode and the results stay.
    EXPECT_EQ(program.Search().RunNewSearch(QStringLiteral(R"((Label = "none"))")), 0);
    EXPECT_EQ(form.WindowState().DbState(), DbFound);
}

} // namespace
} // namespace qbx::test
