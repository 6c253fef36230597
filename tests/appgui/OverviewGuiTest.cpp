// The statistics window over the real main window: opened by its command,
// figures from the catalogue tree in memory, "Перейти к элементу" selecting
// the file in the catalogue tree, stale after an edit until "Обновить".
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TOverviewGui.h"
#include "engine/Table.h"
#include "overview/OverviewTableModel.h"
#include "overview/gui/TDupesWindow.h"
#include "overview/gui/TSizeMapWidget.h"
#include "overview/gui/TStatsWindow.h"
#include "interaction/CommandTable.h"
#include "interaction/HelpContext.h"
#include "desktop/RecordingHelp.h"
#include "storage/CatalogueFields.h"
#include "storage/TCatalogueFiles.h"
#include "support/TestSupport.h"
#include "tree/CatalogueStats.h"
#include "tree/NodePaths.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

void WriteCatalogue(const QString &table)
{
    engine::Table::Create(table.toStdString(), CatalogueFieldDefs(),
                          {kCatalogueBlockKiB, "ancyrr"});
    engine::Table t;
    t.Open(table.toStdString(), engine::OpenMode::Exclusive);
    using V = engine::Value;
    const auto row = [&](const char *label, const char *path, double size) {
        const V r[7] = {V::Text(label), path ? V::Text(path) : V::Null(),
                        V::Null(),      V::Null(),
                        V::Null(),      V::Number(size),
                        V::Null()};
        t.Append(r);
    };
    row("CD1", nullptr, 0);
    row("CD1", "Soft\\", 0);
    row("CD1", "Soft\\setup.exe", 5000);
    row("CD1", "Soft\\readme.txt", 10);
    row("CD1", "A.MP3", 4000);
    row("CD2", nullptr, 0);
    row("CD2", "film.avi", 700000);
    row("CD2", "Music\\", 0);
    row("CD2", "Music\\a.mp3", 4000);
}

QString Cell(const QAbstractItemModel *model, int row, int column)
{
    return model->index(row, column).data(TOverviewTableModel::KeyRole).toString();
}

TEST(OverviewGuiTest, StatisticsShowTheTreeInMemoryAndGoToTheItem)
{
    TempConfigHome config;
    RecordingHelp help;
    TProgram program({nullptr, &help});
    TMainForm &form = program.Window();
    form.show();
    QCoreApplication::processEvents();
    const QString table = config.path() + "/cat.db";
    WriteCatalogue(table);
    program.Session().Files().OpenFile(table);
    ASSERT_EQ(program.Session().Window().DbState(), DbOpen);
    EXPECT_FALSE(form.Action(cmd::StatisticsAction)->isEnabled());
    form.Action(cmd::EntireViewAction)->trigger();
    ASSERT_TRUE(form.Action(cmd::StatisticsAction)->isEnabled());

    form.Action(cmd::StatisticsAction)->trigger();
    TStatsWindow *window = program.Overview().StatsWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());

    // The same figures as the core statistics give (and qubrix-cli stats
    // prints from them).
    const TCatalogueStats stats(program.Session().MainTree().Root(), 100);
    const QAbstractItemModel *discs = window->findChild<QTableView *>("DiscTable")->model();
    ASSERT_EQ(discs->rowCount(), 3);
    for (int d = 0; d < 2; ++d) {
        EXPECT_EQ(Cell(discs, d, 0), stats.Discs()[size_t(d)].label);
        EXPECT_EQ(Cell(discs, d, 1).toLongLong(), stats.Discs()[size_t(d)].folders);
        EXPECT_EQ(Cell(discs, d, 2).toLongLong(), stats.Discs()[size_t(d)].files);
        EXPECT_EQ(Cell(discs, d, 3).toLongLong(), stats.Discs()[size_t(d)].bytes);
    }
    EXPECT_EQ(Cell(discs, 2, 3).toLongLong(), 713010);
    EXPECT_EQ(Cell(discs, 2, 2), "5");

    // The largest files, the largest first; Enter on the second goes to it.
    window->Tabs()->setCurrentIndex(2);
    QTableView *largest = window->LargestView();
    ASSERT_EQ(largest->model()->rowCount(), 5);
    EXPECT_EQ(Cell(largest->model(), 0, 0), "CD2\\film.avi");
    largest->setCurrentIndex(largest->model()->index(1, 0));
    QTest::keyClick(largest, Qt::Key_Return);
    const QModelIndex current = form.MainTreeView()->currentIndex();
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(FullItemPath(TTreeModel::NodeAt(current)), "CD1\\Soft\\setup.exe");

    // The size map of the first disc (the root was selected when it opened):
    // a click zooms into a folder, the breadcrumb zooms out, a double click
    // goes to the item.
    window->Tabs()->setCurrentIndex(TStatsWindow::MapPage);
    QCoreApplication::processEvents();
    TSizeMapWidget *map = window->SizeMap();
    ASSERT_EQ(FullItemPath(map->Root()), "CD1");
    const TMapCell *soft = nullptr;
    for (const TMapCell &c : map->Cells())
        if (FullItemPath(c.node) == "CD1\\Soft")
            soft = &c;
    ASSERT_NE(soft, nullptr);
    const QPoint inSoft(int(soft->rect.x + soft->rect.w / 2), int(soft->rect.y + soft->rect.h - 3));
    QTest::mouseClick(map, Qt::LeftButton, {}, inSoft);
    EXPECT_EQ(FullItemPath(map->Root()), "CD1\\Soft");
    EXPECT_TRUE(window->findChild<QLabel *>("Breadcrumb")->text().contains("CD1"));
    emit window->findChild<QLabel *>("Breadcrumb")->linkActivated("1");
    EXPECT_EQ(FullItemPath(map->Root()), "CD1");
    const TMapCell *mp3 = nullptr;
    for (const TMapCell &c : map->Cells())
        if (FullItemPath(c.node) == "CD1\\A.MP3")
            mp3 = &c;
    ASSERT_NE(mp3, nullptr);
    QTest::mouseDClick(
        map, Qt::LeftButton, {},
        QPoint(int(mp3->rect.x + mp3->rect.w / 2), int(mp3->rect.y + mp3->rect.h / 2)));
    EXPECT_EQ(FullItemPath(TTreeModel::NodeAt(form.MainTreeView()->currentIndex())), "CD1\\A.MP3");

    // An edit while the window is open makes its figures old until refreshed.
    EXPECT_FALSE(window->IsStale());
    program.Session().Catalogue().InsertItem("CD3", "big.iso", {}, {}, {}, 1000000, {}, false);
    EXPECT_TRUE(window->IsStale());
    EXPECT_EQ(map->Root(), nullptr) << "the map keeps no node of a changed catalogue";
    QTest::mouseClick(window->findChild<QPushButton *>("RefreshButton"), Qt::LeftButton);
    EXPECT_FALSE(window->IsStale());
    EXPECT_EQ(discs->rowCount(), 4);
    EXPECT_EQ(Cell(largest->model(), 0, 0), "CD3\\big.iso");

    // F1 shows the window's topic; Esc closes it.
    QTest::keyClick(largest, Qt::Key_F1);
    EXPECT_EQ(help.shown.back(), int(HcOverviewStats));
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.Overview().StatsWindow(), nullptr);
    form.close();
}

TEST(OverviewGuiTest, DuplicatesGroupSameNamesAndSizesAcrossDiscs)
{
    TempConfigHome config;
    RecordingHelp help;
    TProgram program({nullptr, &help});
    TMainForm &form = program.Window();
    form.show();
    QCoreApplication::processEvents();
    const QString table = config.path() + "/cat.db";
    WriteCatalogue(table);
    program.Session().Files().OpenFile(table);
    ASSERT_EQ(program.Session().Window().DbState(), DbOpen);
    // The command shows the catalogue first: its tree is what is searched.
    form.Action(cmd::EntireViewAction)->trigger();
    form.Action(cmd::DuplicatesAction)->trigger();
    TDupesWindow *window = program.Overview().DupesWindow();
    ASSERT_NE(window, nullptr);
    QTreeWidget *groups = window->Groups();
    // "A.MP3" on CD1 and "a.mp3" on CD2: one name for the catalogue, one size.
    ASSERT_EQ(groups->topLevelItemCount(), 1);
    QTreeWidgetItem *group = groups->topLevelItem(0);
    // A group's files are put below it when it opens.
    EXPECT_EQ(group->childCount(), 0);
    group->setExpanded(true);
    ASSERT_EQ(group->childCount(), 2);
    EXPECT_EQ(group->child(0)->text(0), "CD1");
    EXPECT_EQ(group->child(1)->text(0), "CD2");
    EXPECT_EQ(group->child(1)->text(1), "Music\\a.mp3");
    EXPECT_TRUE(window->StatusText().contains("1")) << window->StatusText().toStdString();

    // Enter on the second file selects it in the catalogue tree.
    groups->setCurrentItem(group->child(1));
    QTest::keyClick(groups, Qt::Key_Return);
    const QModelIndex current = form.MainTreeView()->currentIndex();
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(FullItemPath(TTreeModel::NodeAt(current)), "CD2\\Music\\a.mp3");

    // A minimum above the files' size leaves nothing; a copy on the same
    // disc only counts when copies on one disc are wanted.
    window->MinimumKiB()->setValue(4);
    QTest::mouseClick(window->findChild<QPushButton *>("FindButton"), Qt::LeftButton);
    EXPECT_EQ(groups->topLevelItemCount(), 0);
    window->MinimumKiB()->setValue(0);
    program.Session().Catalogue().InsertItem("CD1", "Other\\readme.txt", {}, {}, {}, 10, {}, false);
    EXPECT_TRUE(window->IsStale());
    EXPECT_EQ(groups->topLevelItemCount(), 0) << "no node of a changed catalogue is kept";
    window->AcrossDiscs()->setChecked(true);
    QTest::mouseClick(window->findChild<QPushButton *>("FindButton"), Qt::LeftButton);
    EXPECT_EQ(groups->topLevelItemCount(), 1);
    window->AcrossDiscs()->setChecked(false);
    QTest::mouseClick(window->findChild<QPushButton *>("FindButton"), Qt::LeftButton);
    EXPECT_EQ(groups->topLevelItemCount(), 2);
    EXPECT_FALSE(window->IsStale());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    form.close();
}

} // namespace
} // namespace qbx::test
