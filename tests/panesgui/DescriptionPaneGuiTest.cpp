// The description pane bound to the real main window: selecting, expanding,
// double clicks and right-button presses through the views.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TDescriptionPaneGui.h"
#include "options/TOptions.h"
#include "support/TestSupport.h"
#include "tree/TTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace qbx::test {
namespace {

// A double click as a user makes it: a click, then the second press.
void DoubleClick(QWidget *widget, const QPoint &pos)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
}

// \ -> CD1 -> Soft -> a.txt (Acme 1.0, 1536 bytes), b.txt (Acme 2.0, 1536 bytes)
class PaneGui : public ::testing::Test {
protected:
    void SetUp() override
    {
        cd1 = tree.AddChild(tree.Root(), QStringLiteral("CD1"), ImageDisc);
        soft = tree.AddChild(cd1, QStringLiteral("Soft"), ImageFolder);
        a = AddFile("a.txt", "1.0");
        b = AddFile("b.txt", "2.0");

        gui->Pane().OpenOnDisc = [this](const QString &label, const QString &path) {
            opened << label + "|" + path;
        };
        form.show();
        QCoreApplication::processEvents();
        form.Session().Document().DbName = QStringLiteral("Test");
        form.Session().Document().DbIsNew = true; // the tree above is the catalogue, not a file
        form.ModeLogic().SetDbState(DbEntire);
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        form.close();
    }

    TTreeNode *AddFile(const char *name, const char *version)
    {
        TTreeNode *n = tree.AddChild(soft, QString::fromLatin1(name), ImageFile);
        tree.SetDescription(n, std::make_unique<TItemDescription>(TItemDescription::Make(
                                   "Acme", "Pack", QString::fromLatin1(version), 1536, "x")));
        return n;
    }

    QTreeView *View() const { return form.MainTreeView(); }
    QPoint At(const TTreeNode *node) const
    {
        // On the node's image, near the start of its row.
        const QRect r = View()->visualRect(mainModel.IndexOf(node));
        return {r.left() + 8, r.center().y()};
    }
    void Click(const TTreeNode *node, Qt::KeyboardModifiers mods = {},
               Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(View()->viewport(), button, mods, At(node));
    }
    QString Row(int row) const { return form.DescrListView()->topLevelItem(row)->text(1); }
    QPoint RowAt(int row) const
    {
        QTreeWidget *d = form.DescrListView();
        return d->visualItemRect(d->topLevelItem(row)).center();
    }
    bool Expanded(const TTreeNode *node) const
    {
        return View()->isExpanded(mainModel.IndexOf(node));
    }

    TempConfigHome config;
    TProgram program;
    TMainForm &form = program.Window();
    // The window's own catalogue tree, models and pane.
    TTree &tree = program.Session().MainTree();
    TTreeModel &mainModel = program.Session().MainModel();
    TTreeModel &searchModel = program.Session().SearchModel();
    TDescriptionPaneGui *gui = &program.Catalogue().Pane();
    TTreeNode *cd1 = nullptr, *soft = nullptr, *a = nullptr, *b = nullptr;
    QStringList opened;
};

TEST_F(PaneGui, SelectingThroughTheViewFillsTheRowsAndCommands)
{
    // Entering the catalogue view selects the root: nothing to show, not
    // renameable, the root's commands.
    EXPECT_EQ(mainModel.SelectedNodes(), std::vector<TTreeNode *>{tree.Root()});
    EXPECT_EQ(Row(0), "");
    EXPECT_EQ(View()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(form.Action(cmd::RenameItemAction)->isEnabled());
    EXPECT_TRUE(form.Action(cmd::AddTreeAction)->isEnabled());

    View()->expand(mainModel.IndexOf(cd1));
    View()->expand(mainModel.IndexOf(soft));
    QCoreApplication::processEvents();
    Click(a);
    EXPECT_EQ(Row(0), "CD1");
    EXPECT_EQ(Row(1), "Soft\\a.txt");
    EXPECT_EQ(Row(4), "1.0");
    EXPECT_EQ(Row(5), "1" + QLocale().groupSeparator() + "536 байт");
    EXPECT_TRUE(form.Action(cmd::RenameItemAction)->isEnabled());
    EXPECT_NE(View()->editTriggers(), QAbstractItemView::NoEditTriggers);

    Click(b, Qt::ControlModifier);
    EXPECT_EQ(mainModel.SelectedNodes().size(), 2u);
    EXPECT_EQ(Row(1), "");
    EXPECT_EQ(Row(2), "Acme");
    EXPECT_EQ(Row(4), "");
    EXPECT_FALSE(form.Action(cmd::RenameItemAction)->isEnabled());
    EXPECT_TRUE(form.Action(cmd::DeleteItemAction)->isEnabled());

    // A size command shows the selection in its unit until the next change.
    form.Action(cmd::SizeKByteAction)->trigger();
    EXPECT_EQ(Row(5), "1,50 кБ");
    Click(soft);
    Click(a);
    EXPECT_EQ(Row(5), "1" + QLocale().groupSeparator() + "536 байт");
}

TEST_F(PaneGui, FolderImagesFollowExpandAndCollapse)
{
    View()->expand(mainModel.IndexOf(cd1));
    View()->expand(mainModel.IndexOf(soft));
    EXPECT_EQ(soft->Image(), ImageFolderOpen);
    EXPECT_EQ(cd1->Image(), ImageDisc);
    View()->collapse(mainModel.IndexOf(soft));
    EXPECT_EQ(soft->Image(), ImageFolder);

    // The commands act on the focused node and its whole subtree.
    mainModel.Select(cd1);
    form.Action(cmd::ExpandNodesAction)->trigger();
    EXPECT_TRUE(Expanded(soft));
    EXPECT_EQ(soft->Image(), ImageFolderOpen);
    EXPECT_TRUE(form.Action(cmd::CollapseNodeAction)->isEnabled());
    form.Action(cmd::CollapseNodesAction)->trigger();
    EXPECT_FALSE(Expanded(cd1));
    EXPECT_FALSE(Expanded(soft));
    EXPECT_EQ(soft->Image(), ImageFolder);
    form.Action(cmd::ExpandNodeAction)->trigger();
    EXPECT_TRUE(Expanded(cd1));
    EXPECT_FALSE(Expanded(soft));

    // A bulk change resets the view, which forgets what was open.
    View()->expand(mainModel.IndexOf(soft));
    {
        TTreeUpdate update(tree);
        tree.AddChild(soft, QStringLiteral("c.txt"), ImageFile);
    }
    EXPECT_FALSE(Expanded(soft));
    EXPECT_EQ(soft->Image(), ImageFolder);
}

// A label deep in a narrow pane is not cut to nothing: the tree scrolls
// sideways to show it whole.
TEST_F(PaneGui, DeepLabelsScrollInsteadOfBeingCut)
{
    TTreeNode *deep = soft;
    for (int level = 0; level < 12; ++level)
        deep = tree.AddChild(deep, QStringLiteral("Папка %1").arg(level), ImageFolder);
    TTreeNode *file = tree.AddChild(deep, QStringLiteral("Очень длинное имя файла.txt"), ImageFile);
    mainModel.Select(cd1);
    form.Action(cmd::ExpandNodesAction)->trigger();
    QCoreApplication::processEvents();

    const QRect label = View()->visualRect(mainModel.IndexOf(file));
    const int needed = label.left() + View()->fontMetrics().horizontalAdvance(file->Text());
    ASSERT_GT(needed, View()->viewport()->width()); // more than the pane shows
    EXPECT_GE(View()->header()->sectionSize(0), needed);
    QScrollBar *sideways = View()->horizontalScrollBar();
    ASSERT_GT(sideways->maximum(), 0);

    // Scrolled to the deep label, a click on it keeps it in view instead of
    // jumping back to the left edge (the view scrolls to a clicked item a
    // moment after the press).
    sideways->setValue(sideways->maximum());
    QCoreApplication::processEvents();
    const QRect shown = View()->visualRect(mainModel.IndexOf(file));
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {},
                      {shown.left() + 30, shown.center().y()});
    QTest::qWait(QApplication::doubleClickInterval() + 150);
    EXPECT_EQ(mainModel.SelectedNodes(), std::vector<TTreeNode *>{file});
    EXPECT_EQ(sideways->value(), sideways->maximum());
    // Going to a node whose image lies left of the pane brings it into view.
    mainModel.Select(cd1);
    View()->scrollTo(mainModel.IndexOf(cd1));
    const int cd1Start = View()->visualRect(mainModel.IndexOf(cd1)).left();
    EXPECT_GE(cd1Start, 0);
    EXPECT_LT(cd1Start, View()->viewport()->width());

    // Short labels keep the row as wide as the pane: a click right of a
    // label still selects its node.
    form.Action(cmd::CollapseNodesAction)->trigger();
    QCoreApplication::processEvents();
    EXPECT_GE(View()->header()->sectionSize(0), View()->viewport()->width());
    const QRect row = View()->visualRect(mainModel.IndexOf(cd1));
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {},
                      {View()->viewport()->width() - 4, row.center().y()});
    EXPECT_EQ(mainModel.SelectedNodes(), std::vector<TTreeNode *>{cd1});
}

TEST_F(PaneGui, DoubleClickOpensFilesOnlyAndFoldersJustExpand)
{
    View()->expand(mainModel.IndexOf(cd1));
    QCoreApplication::processEvents();
    DoubleClick(View()->viewport(), At(soft));
    EXPECT_TRUE(Expanded(soft));
    EXPECT_TRUE(opened.isEmpty());
    QCoreApplication::processEvents();
    DoubleClick(View()->viewport(), At(b));
    EXPECT_EQ(opened, QStringList{"CD1|Soft\\b.txt"});
}

TEST_F(PaneGui, RightPressSelectsTheNodeUnderIt)
{
    View()->expand(mainModel.IndexOf(cd1));
    View()->expand(mainModel.IndexOf(soft));
    QCoreApplication::processEvents();
    Click(a);
    Click(b, Qt::ControlModifier);
    QTest::mousePress(View()->viewport(), Qt::RightButton, {}, At(a));
    QTest::mouseRelease(View()->viewport(), Qt::RightButton, {}, At(a));
    EXPECT_EQ(mainModel.SelectedNodes(), std::vector<TTreeNode *>{a});
    EXPECT_EQ(mainModel.CurrentNode(), a);
    EXPECT_EQ(Row(4), "1.0");
}

TEST_F(PaneGui, DescriptionListDoubleClickAndSizePopup)
{
    int editors = 0;
    form.SetHandler(cmd::EditDescrAction, [&] { ++editors; });
    View()->expand(mainModel.IndexOf(cd1));
    View()->expand(mainModel.IndexOf(soft));
    QCoreApplication::processEvents();
    Click(a);

    QWidget *list = form.DescrListView()->viewport();
    DoubleClick(list, RowAt(3));
    EXPECT_EQ(editors, 1);
    EXPECT_EQ(program.Catalogue().Pane().Pane().EditFieldRow, 3);

    // Not on the size row: no menu.
    QMenu *sizeMenu = form.Menu(QStringLiteral("SizePopupMenu"));
    emit form.DescrListView()->customContextMenuRequested(RowAt(3));
    EXPECT_FALSE(sizeMenu->isVisible());

    form.DescrListView()->setCurrentItem(form.DescrListView()->topLevelItem(5));
    form.Action(cmd::SizeAutoAction)->setChecked(true);
    emit form.DescrListView()->customContextMenuRequested(RowAt(5));
    EXPECT_TRUE(sizeMenu->isVisible());
    EXPECT_TRUE(form.Action(cmd::SizeByteAction)->isChecked());
    sizeMenu->close();
}

TEST_F(PaneGui, NoRowSelectedMeansNoSizePopup)
{
    form.DescrListView()->clearSelection();
    emit form.DescrListView()->customContextMenuRequested(QPoint(5, 5));
    EXPECT_FALSE(form.Menu(QStringLiteral("SizePopupMenu"))->isVisible());
}

} // namespace
} // namespace qbx::test
