// Nodes live in their tree's slabs: the places of deleted nodes are taken
// again, every node finds its own arena, and a discarded tree is freed with
// its arena while the next tree is being built.
#include "tree/TNodeArena.h"
#include "tree/TTree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace qbx::test {
namespace {

TEST(NodeArena, ItemsAreSeparateAlignedFindTheirArenaAndAreReused)
{
    TNodeArena a(56, 8);
    TNodeArena b(56, 8);
    const size_t many = 3 * TNodeArena::SlabBytes / 56; // several slabs each
    std::vector<unsigned char *> items;
    for (size_t i = 0; i < many; ++i) {
        for (TNodeArena *arena : {&a, &b}) {
            auto *item = static_cast<unsigned char *>(arena->Allocate());
            ASSERT_EQ(reinterpret_cast<uintptr_t>(item) % 8, 0u);
            ASSERT_EQ(&TNodeArena::Of(item), arena);
            std::memset(item, int(items.size() % 251), 56);
            items.push_back(item);
        }
    }
    EXPECT_EQ(std::set<unsigned char *>(items.begin(), items.end()).size(), items.size());
    for (size_t i = 0; i < items.size(); ++i)
        ASSERT_TRUE(items[i][0] == i % 251 && items[i][55] == i % 251) << "item " << i;
    EXPECT_EQ(a.SlabCount(), 4u) << "56 bytes an item, none lost to rounding";
    EXPECT_EQ(a.LiveItems(), many);

    // Every other item of a goes back; as many new ones take exactly those
    // places, without another slab.
    const size_t slabs = a.SlabCount();
    std::set<void *> released;
    for (size_t i = 0; i < items.size(); i += 4) {
        a.Release(items[i]);
        released.insert(items[i]);
    }
    for (size_t i = 0; i < released.size(); ++i)
        EXPECT_EQ(released.count(a.Allocate()), 1u);
    EXPECT_EQ(a.SlabCount(), slabs);
    EXPECT_EQ(a.LiveItems(), many);
    a.Allocate();
    EXPECT_EQ(a.LiveItems(), many + 1);
}

// Every node of the tree as "parent/text", checking each child's parent.
std::multiset<QString> Walk(const TTree &tree)
{
    std::multiset<QString> out;
    std::vector<const TTreeNode *> pending{tree.Root()};
    while (!pending.empty()) {
        const TTreeNode *n = pending.back();
        pending.pop_back();
        for (int i = 0; i < n->ChildCount(); ++i) {
            const TTreeNode *c = n->Child(i);
            EXPECT_EQ(c->Parent(), n);
            out.insert(n->Text() + u'/' + c->Text());
            pending.push_back(c);
        }
    }
    return out;
}

TEST(NodeArena, DeletedNodesPlacesServeNewNodesAndTheRestStaysIntact)
{
    TTree tree;
    std::vector<TTreeNode *> folders;
    std::multiset<QString> expected;
    for (int f = 0; f < 20; ++f) {
        folders.push_back(tree.AddChild(tree.Root(), QStringLiteral("d%1").arg(f), ImageDisc));
        expected.insert(QStringLiteral("\\/d%1").arg(f));
        for (int i = 0; i < 500; ++i) {
            tree.AddChild(folders.back(), QStringLiteral("файл%1").arg(i), ImageFile);
            expected.insert(QStringLiteral("d%1/файл%2").arg(f).arg(i));
        }
    }
    // Whole folders, and scattered files of the others.
    std::vector<TTreeNode *> doomed;
    for (int f = 0; f < 20; f += 2)
        doomed.push_back(folders[size_t(f)]);
    tree.RemoveNodes(doomed);
    for (int f = 0; f < 20; f += 2) {
        expected.erase(QStringLiteral("\\/d%1").arg(f));
        for (int i = 0; i < 500; ++i)
            expected.erase(QStringLiteral("d%1/файл%2").arg(f).arg(i));
    }
    for (int f = 1; f < 20; f += 2) {
        TTreeNode *folder = folders[size_t(f)];
        for (int i = 0; i < 500; i += 3) {
            tree.RemoveNode(tree.FindChild(folder, QStringLiteral("файл%1").arg(i)));
            expected.erase(QStringLiteral("d%1/файл%2").arg(f).arg(i));
        }
    }
    ASSERT_EQ(Walk(tree), expected);
    for (int f = 1; f < 20; f += 2) {
        for (int i = 0; i < 700; ++i) {
            tree.AddChild(folders[size_t(f)], QStringLiteral("новый%1").arg(i), ImageFile);
            expected.insert(QStringLiteral("d%1/новый%2").arg(f).arg(i));
        }
    }
    EXPECT_EQ(Walk(tree), expected);
}

TEST(NodeArena, ResetTreesAreFreedWithTheirArenasWhileTheNextIsBuilt)
{
    auto tree = std::make_unique<TTree>();
    for (int round = 0; round < 4; ++round) {
        TTreeNode *disc =
            tree->AddChild(tree->Root(), QStringLiteral("CD%1").arg(round), ImageDisc);
        for (int i = 0; i < 30000; ++i)
            tree->AddChild(disc, QStringLiteral("f%1").arg(i), ImageFile);
        TTreeNode *kept = tree->FindChild(disc, u"f123");
        ASSERT_NE(kept, nullptr);
        EXPECT_EQ(kept->Parent(), disc);
        tree->ResetTree(); // the old tree goes to a thread; the next one starts at once
        EXPECT_FALSE(tree->Root()->HasChildren());
    }
    tree->AddChild(tree->Root(), QStringLiteral("last"), ImageDisc);
    tree.reset(); // waits for the last discarded tree, then frees its own
}

} // namespace
} // namespace qbx::test
