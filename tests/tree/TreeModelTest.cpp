#include "TreeFixture.h"

#include "tree/TTreeModel.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>

namespace qbx::test {
namespace {

// Fails the running test for every complaint of the model tester.
class ModelTesterWarnings {
public:
    ModelTesterWarnings() { previous_ = qInstallMessageHandler(&Handle); }
    ~ModelTesterWarnings() { qInstallMessageHandler(previous_); }

private:
    static void Handle(QtMsgType type, const QMessageLogContext &ctx, const QString &msg)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            ADD_FAILURE() << (ctx.category ? ctx.category : "") << ": " << msg.toStdString();
    }
    QtMessageHandler previous_;
};

class TreeModel : public TreeFixture {
protected:
    // Every node's row in the model is its row in the tree, depth first.
    void ExpectModelMatchesTree(const QModelIndex &index)
    {
        const TTreeNode *n = TTreeModel::NodeAt(index);
        ASSERT_EQ(model.rowCount(index), n->ChildCount());
        for (int i = 0; i < n->ChildCount(); ++i) {
            const QModelIndex c = model.index(i, 0, index);
            ASSERT_EQ(TTreeModel::NodeAt(c), n->Child(i));
            ASSERT_EQ(model.parent(c), index);
            ExpectModelMatchesTree(c);
        }
    }

    ModelTesterWarnings warnings;
    TTreeModel model{tree};
    QAbstractItemModelTester tester{&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning};
};

TEST_F(TreeModel, RootIsTheOnlyTopLevelRow)
{
    Insert("CD1", "a");
    EXPECT_EQ(model.rowCount(), 1);
    const QModelIndex root = model.index(0, 0);
    EXPECT_EQ(model.data(root).toString(), "\\");
    EXPECT_EQ(model.data(root, TTreeModel::ImageRole).toInt(), ImageRoot);
    EXPECT_EQ(model.data(model.index(0, 0, root)).toString(), "CD1");
    EXPECT_EQ(model.data(model.index(0, 0, root), TTreeModel::ImageRole).toInt(), ImageDisc);
    model.SetImageList({QString("r"), QString("d")});
    EXPECT_EQ(model.data(model.index(0, 0, root), Qt::DecorationRole).toString(), "d");
}

TEST_F(TreeModel, InsertionsArriveAtTheirSortedRows)
{
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    Insert("CD1", "Dir\\f999");
    const QPersistentModelIndex last = model.IndexOf(Node("CD1\\Dir\\f999"));
    for (int i = 0; i < 300; ++i) {
        const QString name = QStringLiteral("f%1").arg(i * 7919 % 1000);
        const int before = inserted.size();
        TTreeNode *n = Insert("CD1", "Dir\\" + name);
        if (inserted.size() > before) {
            EXPECT_EQ(inserted.last().at(1).toInt(), n->Row());
        }
    }
    ExpectModelMatchesTree(model.index(0, 0));
    EXPECT_EQ(last.row(), 300) << "the last name stays behind every later insertion";
    EXPECT_EQ(Node("CD1\\Dir\\f999")->Row(), 300);
}

TEST_F(TreeModel, PersistentIndexesFollowMovesRenamesAndRemovals)
{
    for (const char *p : {"a", "b", "c", "d\\x", "e"})
        Insert("CD1", p);
    const QPersistentModelIndex e = model.IndexOf(Node("CD1\\e"));
    const QPersistentModelIndex x = model.IndexOf(Node("CD1\\d\\x"));
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);

    Insert("CD1", "c\\inner"); // file c becomes a folder and moves up
    EXPECT_EQ(moved.size(), 1);
    tree.SetText(Node("CD1\\a"), "zz");
    tree.SetText(Node("CD1\\zz"), "AA");
    catalogue.DeleteNode(Node("CD1\\b"));

    EXPECT_EQ(Names(Node("CD1")), (QStringList{"c", "d", "AA", "e"}));
    EXPECT_EQ(TTreeModel::NodeAt(e), Node("CD1\\e"));
    EXPECT_EQ(e.row(), 3);
    EXPECT_EQ(TTreeModel::NodeAt(x), Node("CD1\\d\\x"));
    ExpectModelMatchesTree(model.index(0, 0));

    catalogue.DeleteNode(Node("CD1\\d"));
    EXPECT_FALSE(x.isValid());
}

TEST_F(TreeModel, BulkUpdateIsOneResetAndResetTreeEmpties)
{
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    {
        TTreeUpdate update(tree);
        for (int i = 999; i >= 0; --i)
            Insert(QStringLiteral("CD%1").arg(i % 3), QStringLiteral("d%1\\f%2").arg(i % 5).arg(i));
    }
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(inserted.size(), 0);
    ExpectModelMatchesTree(model.index(0, 0));

    tree.ResetTree();
    EXPECT_EQ(resets.size(), 2);
    EXPECT_EQ(tree.Root()->ChildCount(), 0);
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
}

TEST_F(TreeModel, MergeIsOneLayoutChangeThatKeepsPersistentIndexes)
{
    for (const char *p : {"b\\x", "c", "d\\y"})
        Insert("CD1", p);
    const QPersistentModelIndex b = model.IndexOf(Node("CD1\\b"));
    const QPersistentModelIndex x = model.IndexOf(Node("CD1\\b\\x"));
    const QPersistentModelIndex c = model.IndexOf(Node("CD1\\c"));
    const QPersistentModelIndex y = model.IndexOf(Node("CD1\\d\\y"));
    QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    {
        TTreeMerge merge(tree);
        for (int i = 0; i < 20; ++i)
            Insert("CD1", QStringLiteral("b\\%1").arg(QChar(u'w' - i)));
        Insert("CD0", "z");
        Insert("CD1", "a\\");
        {
            TTreeUpdate inner(tree);    // an inner bracket adds no reset
            Insert("CD1", "c\\inside"); // the file c becomes a folder
        }
        tree.RemoveNode(Node("CD1\\d"));
    }
    EXPECT_EQ(layouts.size(), 1);
    EXPECT_EQ(inserted.size(), 0);
    EXPECT_EQ(resets.size(), 0);
    EXPECT_EQ(Names(Node("CD1")), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(TTreeModel::NodeAt(b), Node("CD1\\b"));
    EXPECT_EQ(b.row(), 1);
    EXPECT_EQ(b.parent().row(), 1) << "CD0 came first";
    EXPECT_EQ(TTreeModel::NodeAt(x), Node("CD1\\b\\x"));
    EXPECT_EQ(x.row(), 20);
    EXPECT_EQ(TTreeModel::NodeAt(c), Node("CD1\\c"));
    EXPECT_EQ(c.row(), 2);
    EXPECT_FALSE(y.isValid()) << "removed with its folder";
    ExpectModelMatchesTree(model.index(0, 0));
}

TEST_F(TreeModel, RemovingManyNodesIsOneLayoutChangeThatKeepsTheRest)
{
    for (int i = 0; i < 30; ++i)
        Insert("CD1", QStringLiteral("f\\n%1").arg(i, 2, 10, QChar(u'0')));
    Insert("CD1", "g\\deep\\x");
    std::vector<TTreeNode *> doomed;
    {
        TTreeMerge merge(tree); // new siblings wait unsorted behind the ordered ones
        Insert("CD1", "f\\a_late");
        Insert("CD1", "f\\z_late");
        for (int i = 0; i < 30; i += 3)
            doomed.push_back(Node(QStringLiteral("CD1\\f\\n%1").arg(i, 2, 10, QChar(u'0'))));
        doomed.push_back(Node("CD1\\f\\z_late"));
    }
    doomed.push_back(Node("CD1\\g\\deep"));
    const QPersistentModelIndex kept = model.IndexOf(Node("CD1\\f\\n29"));
    const QPersistentModelIndex gone = model.IndexOf(Node("CD1\\f\\n27"));
    const QPersistentModelIndex below = model.IndexOf(Node("CD1\\g\\deep\\x"));
    QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    tree.RemoveNodes(doomed);
    EXPECT_EQ(layouts.size(), 1);
    EXPECT_EQ(removed.size(), 0);
    const TTreeNode *f = Node("CD1\\f");
    ASSERT_EQ(f->ChildCount(), 21);
    EXPECT_EQ(f->Child(0)->Text(), "a_late");
    EXPECT_EQ(f->Child(1)->Text(), "n01");
    for (int i = 0; i < f->ChildCount(); ++i)
        EXPECT_EQ(f->Child(i)->Row(), i);
    EXPECT_EQ(tree.FindChild(f, u"N03"), nullptr);
    EXPECT_EQ(tree.FindChild(f, u"N04"), f->Child(3));
    EXPECT_EQ(TTreeModel::NodeAt(kept), f->Child(20));
    EXPECT_EQ(kept.row(), 20);
    EXPECT_FALSE(gone.isValid());
    EXPECT_FALSE(below.isValid()) << "removed with its folder";
    EXPECT_EQ(Node("CD1\\g")->ChildCount(), 0);
    ExpectModelMatchesTree(model.index(0, 0));
}

TEST_F(TreeModel, AnotherSiblingOrderReordersEveryLevel)
{
    for (const char *p : {"b\\y", "b\\X", "A", "c"})
        Insert("CD1", p);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    // Plain text order: case matters and kinds do not.
    tree.SetSiblingOrder(
        [](const TTreeNode &a, const TTreeNode &b) { return a.Text() < b.Text(); });
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(Names(Node("CD1")), (QStringList{"A", "b", "c"}));
    EXPECT_EQ(Names(Node("CD1\\b")), (QStringList{"X", "y"}));
    tree.AddChild(Node("CD1"), "B", ImageFile); // a result list may repeat a name
    EXPECT_EQ(Names(Node("CD1")), (QStringList{"A", "B", "b", "c"}));
    ExpectModelMatchesTree(model.index(0, 0));
}

TEST_F(TreeModel, SelectedNodesComeInTreeOrder)
{
    for (const char *p : {"b", "a", "c\\"})
        Insert("CD1", p);
    auto *sel = model.SelectionModel();
    sel->select(model.IndexOf(Node("CD1\\b")), QItemSelectionModel::Select);
    sel->select(model.IndexOf(Node("CD1\\c")), QItemSelectionModel::Select);
    sel->select(model.IndexOf(Node("CD1")), QItemSelectionModel::Select);
    EXPECT_EQ(model.SelectedNodes(),
              (std::vector<TTreeNode *>{Node("CD1"), Node("CD1\\c"), Node("CD1\\b")}));
}

using Tree = TreeFixture;

TEST_F(Tree, LargeFolderFindsRemovesAndDuplicatesByFoldedName)
{
    TTreeNode *dir = Insert("CD1", "Dir\\");
    for (int i = 0; i < 2000; ++i)
        tree.FindOrAddChild(dir, QStringLiteral("Файл%1").arg(i), ImageFile);
    for (int i = 0; i < 2000; i += 2)
        tree.RemoveNode(tree.FindChild(dir, QStringLiteral("файл%1").arg(i)));
    ASSERT_EQ(dir->ChildCount(), 1000);
    for (int i = 0; i < 2000; ++i) {
        const TTreeNode *n = tree.FindChild(dir, QStringLiteral("ФАЙЛ%1").arg(i));
        EXPECT_EQ(n != nullptr, i % 2 == 1) << i;
    }
    for (int i = 0; i < dir->ChildCount(); ++i)
        EXPECT_EQ(dir->Child(i)->Row(), i);

    TTreeNode *twin = tree.AddChild(dir, "Файл1", ImageFile);
    EXPECT_EQ(dir->ChildCount(), 1001);
    tree.RemoveNode(tree.FindChild(dir, u"файл1"));
    EXPECT_NE(tree.FindChild(dir, u"файл1"), nullptr);
    (void)twin;
}

// A long list filled without lookups has no index of names until it is
// first searched; one made then, or made ahead at a reserved size, finds
// every name by its folded form and follows later changes.
TEST_F(Tree, AnIndexMadeLateOrAheadFindsEveryNameAndFollowsChanges)
{
    TTreeNode *late = Insert("CD1", "Late\\");
    {
        TTreeUpdate update(tree);
        for (int i = 0; i < 3000; ++i)
            tree.AddChildCopy(late, QStringLiteral("Файл%1").arg(i), ImageFile);
    }
    ASSERT_EQ(late->Child(0)->Text(), QStringLiteral("Файл0")); // sorted before the first search
    for (int i = 0; i < 3000; i += 7)
        ASSERT_NE(tree.FindChild(late, QStringLiteral("фАЙЛ%1").arg(i)), nullptr) << i;
    tree.SetText(tree.FindChild(late, u"файл5"), QStringLiteral("Другое"));
    tree.RemoveNode(tree.FindChild(late, u"файл6"));
    tree.AddChild(late, QStringLiteral("Новый"), ImageFile);
    EXPECT_EQ(tree.FindChild(late, u"файл5"), nullptr);
    EXPECT_EQ(tree.FindChild(late, u"файл6"), nullptr);
    EXPECT_NE(tree.FindChild(late, u"ДРУГОЕ"), nullptr);
    EXPECT_NE(tree.FindChild(late, u"новый"), nullptr);
    EXPECT_EQ(late->ChildCount(), 3000);

    TTreeNode *ahead = Insert("CD1", "Ahead\\");
    {
        TTreeUpdate update(tree);
        tree.AddChild(ahead, QStringLiteral("Раньше"), ImageFile);
        tree.ReserveChildren(ahead, 2000, true);
        for (int i = 0; i < 2000; ++i) {
            // Each name twice, in two spellings: the second meets the first.
            EXPECT_TRUE(
                tree.FindOrAddChild(ahead, QStringLiteral("Имя%1").arg(i), ImageFile).second);
            EXPECT_FALSE(
                tree.FindOrAddChild(ahead, QStringLiteral("иМЯ%1").arg(i), ImageFile).second);
        }
        EXPECT_FALSE(tree.FindOrAddChild(ahead, QStringLiteral("раньше"), ImageFile).second)
            << "a child there before the index was made ahead";
    }
    EXPECT_EQ(ahead->ChildCount(), 2001);
    EXPECT_EQ(tree.FindChild(ahead, u"имя1999")->Text(), QStringLiteral("иМЯ1999"));
}

TEST_F(Tree, FreeDescriptionsReleasesTheWholeSubtree)
{
    Insert("CD1", "", "p");
    Insert("CD1", "a\\b", "p");
    TTreeNode *rec = tree.AddChild(Node("CD1\\a"), "r", ImageFile);
    tree.SetFoundRecord(rec, std::make_unique<TFoundRecord>());
    tree.FreeDescriptions(Node("CD1\\a"));
    EXPECT_EQ(Node("CD1\\a\\b")->Description(), nullptr);
    EXPECT_EQ(rec->FoundRecord(), nullptr);
    EXPECT_NE(Node("CD1")->Description(), nullptr);
}

} // namespace
} // namespace qbx::test
