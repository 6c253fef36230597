#include "tree/TNameStore.h"
#include "tree/TTree.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qbx::test {
namespace {

TEST(NameStore, NamesAreWholeTerminatedStringsOfEveryLength)
{
    TNameStore store;
    const QString longName(300, u'я');
    std::vector<QString> names;
    // Enough names to fill several blocks.
    for (int i = 0; i < 20000; ++i)
        names.push_back(store.Make(QStringLiteral("Файл_%1.txt").arg(i)));
    for (int i = 0; i < 20000; i += 997) {
        EXPECT_EQ(names[size_t(i)], QStringLiteral("Файл_%1.txt").arg(i));
        const char16_t *chars = reinterpret_cast<const char16_t *>(names[size_t(i)].utf16());
        EXPECT_EQ(chars[names[size_t(i)].size()], 0);
    }
    EXPECT_EQ(store.Make(longName), longName);
    EXPECT_TRUE(store.Make(u"").isEmpty());
}

TEST(NameStore, ChangingANameNeverTouchesAnother)
{
    auto store = std::make_unique<TNameStore>();
    QString a = store->Make(u"alpha");
    QString b = store->Make(u"beta");
    const QString c = store->Make(u"gamma");
    QString aCopy = a;
    aCopy.append(u"-longer-than-the-gap");
    EXPECT_EQ(a, "alpha");
    EXPECT_EQ(b, "beta");

    // With the store and every other name of the block gone, the last one
    // may be changed in place, in front of and behind its characters.
    QString cCopy = c;
    store.reset();
    a.clear();
    aCopy.clear();
    b.prepend(u"x");
    b.append(QString(100, u'y'));
    EXPECT_EQ(b, "xbeta" + QString(100, u'y'));
    EXPECT_EQ(c, "gamma");
    cCopy.clear();
    b.squeeze();
    EXPECT_EQ(b, "xbeta" + QString(100, u'y'));
}

TEST(NameStore, NodeNamesOutliveTheirTree)
{
    QString kept;
    QString renamed;
    {
        TTree tree;
        TTreeNode *disc = tree.FindOrAddChild(tree.Root(), u"CD1", ImageDisc).first;
        for (const char16_t *n : {u"a.txt", u"Документ.doc", u"b.txt"})
            tree.FindOrAddChild(disc, n, ImageFile);
        kept = tree.FindChild(disc, u"документ.DOC")->Text();
        // Found under another spelling, a name takes it.
        TTreeNode *b = tree.FindOrAddChild(disc, u"B.TXT", ImageFile).first;
        renamed = b->Text();
        tree.ResetTree();
        tree.FindOrAddChild(tree.Root(), u"CD2", ImageDisc);
    }
    EXPECT_EQ(kept, QStringLiteral("Документ.doc"));
    EXPECT_EQ(renamed, "B.TXT");
}

TEST(NameStore, ATreeReplacedInsideAnUpdateIsFreedWhenTheUpdateEnds)
{
    // The replaced nodes stay while the new tree is filled (a second
    // thread freeing them would slow the filling down), and go once the
    // update ends; a name kept from them outlives them.
    TTree tree;
    TTreeNode *disc = tree.AddChild(tree.Root(), QStringLiteral("CD1"), ImageDisc);
    tree.AddChild(disc, QStringLiteral("a") + QStringLiteral(".txt"), ImageFile);
    QString kept = disc->Child(0)->Text();
    {
        TTreeUpdate update(tree);
        tree.ResetTree();
        EXPECT_FALSE(kept.isDetached()) << "the old node still holds its name";
        tree.AddChild(tree.Root(), QStringLiteral("CD2"), ImageDisc);
        tree.ResetTree();
        EXPECT_FALSE(kept.isDetached());
    }
    EXPECT_EQ(tree.Root()->ChildCount(), 0);
    tree.AddChild(tree.Root(), QStringLiteral("CD3"), ImageDisc);
    tree.ResetTree(); // waits for the earlier freeing before it starts another
    EXPECT_TRUE(kept.isDetached()) << "freed after the update";
    EXPECT_EQ(kept, QStringLiteral("a.txt"));
}

} // namespace
} // namespace qbx::test
