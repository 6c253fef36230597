#include "TreeFixture.h"

#include "tree/NodeOrder.h"
#include "tree/NodePaths.h"
#include "tree/TTreeModel.h"

namespace qbx::test {
namespace {

using CopySubtree = TreeFixture;

TEST_F(CopySubtree, CopiesDescriptionsAndKindsUnderANewPlace)
{
    Insert("CD1", "Soft\\", "", "", "", 0, "folder note");
    Insert("CD1", "Soft\\pack.zip\\readme.txt", "", "", "", 12);
    Insert("CD1", "Soft\\empty\\");
    catalogue.CopySubtree(Node("CD1\\Soft"), "CD2", "Backup\\Soft");

    EXPECT_EQ(Image("CD2\\Backup"), ImageFolder);
    EXPECT_EQ(Image("CD2\\Backup\\Soft"), ImageFolder);
    EXPECT_EQ(Node("CD2\\Backup\\Soft")->Description()->Description, "folder note");
    EXPECT_EQ(Image("CD2\\Backup\\Soft\\pack.zip"), ImageFile);
    EXPECT_EQ(Image("CD2\\Backup\\Soft\\empty"), ImageFolder);
    EXPECT_EQ(Node("CD2\\Backup\\Soft\\pack.zip\\readme.txt")->Description()->Size, 12);
}

TEST_F(CopySubtree, CopiesAWholeDiscUnderAnotherLabel)
{
    Insert("CD1", "", "Maker");
    Insert("CD1", "a.txt");
    catalogue.CopySubtree(Node("CD1"), "CD9", "");
    EXPECT_EQ(Node("CD9")->Description()->Producer, "Maker");
    EXPECT_NE(Node("CD9\\a.txt"), nullptr);
}

TEST_F(CopySubtree, StopsAtTheFirstCancelledConflict)
{
    for (const char *p : {"Src\\a", "Src\\b", "Src\\c"})
        Insert("CD1", p);
    Insert("CD2", "Src\\b", "keep me");
    prompt.Answer(ConflictComplement); // Src itself exists on CD2
    prompt.Answer(ConflictCancel);     // Src\b
    catalogue.CopySubtree(Node("CD1\\Src"), "CD2", "Src");
    EXPECT_EQ(prompt.asked, (QStringList{"CD2\\Src", "CD2\\Src\\b"}));
    EXPECT_NE(Node("CD2\\Src\\a"), nullptr);
    EXPECT_EQ(Node("CD2\\Src\\c"), nullptr);
    EXPECT_EQ(answers.ConflictAnswer, ConflictCancel);

    catalogue.CopySubtree(Node("CD1\\Src"), "CD3", "Src");
    EXPECT_EQ(Node("CD3"), nullptr) << "nothing happens while the cancel stands";
}

TEST_F(CopySubtree, CopyIntoItselfCopiesTheOriginalChildrenOnly)
{
    Insert("CD1", "A\\x");
    Insert("CD1", "A\\y");
    catalogue.CopySubtree(Node("CD1\\A"), "CD1", "A\\A");
    EXPECT_EQ(Names(Node("CD1\\A")), (QStringList{"A", "x", "y"}));
    EXPECT_EQ(Names(Node("CD1\\A\\A")), (QStringList{"x", "y"}));
}

class DeleteNode : public TreeFixture {
protected:
    void SetUp() override
    {
        for (const char *p : {"D\\a", "D\\b", "D\\c", "E\\only"})
            Insert("CD1", p, "x");
    }
    TTreeModel model{tree};
    TCatalogueTree viewed{tree, answers, prompt, &model};
    int changes = 0;
};

TEST_F(DeleteNode, SelectionFallsToNextThenPreviousSiblingThenParent)
{
    model.Select(Node("CD1\\D\\b"));
    EXPECT_EQ(viewed.DeleteNode(Node("CD1\\D\\b")), Node("CD1\\D\\c"));
    EXPECT_EQ(model.CurrentNode(), Node("CD1\\D\\c"));
    EXPECT_EQ(model.SelectedNodes(), std::vector<TTreeNode *>{Node("CD1\\D\\c")});

    viewed.DeleteNode(Node("CD1\\D\\c"));
    EXPECT_EQ(model.CurrentNode(), Node("CD1\\D\\a"));
    viewed.DeleteNode(Node("CD1\\D\\a"));
    EXPECT_EQ(model.CurrentNode(), Node("CD1\\D"));
}

TEST_F(DeleteNode, SelectionElsewhereIsLeftAlone)
{
    model.Select(Node("CD1\\E\\only"));
    viewed.DeleteNode(Node("CD1\\D"));
    EXPECT_EQ(model.CurrentNode(), Node("CD1\\E\\only"));
    EXPECT_EQ(Names(Node("CD1")), QStringList{"E"});
}

TEST_F(DeleteNode, ExpandedParentLeftEmptyShowsCollapsedImage)
{
    tree.SetImage(Node("CD1\\E"), ImageFolderOpen);
    tree.SetImage(Node("CD1\\D"), ImageFolderOpen);
    viewed.DeleteNode(Node("CD1\\E\\only"));
    EXPECT_EQ(Image("CD1\\E"), ImageFolder);
    viewed.DeleteNode(Node("CD1\\D\\a"));
    EXPECT_EQ(Image("CD1\\D"), ImageFolderOpen) << "children are left";
}

TEST_F(DeleteNode, MarksTheTreeChangedAndEndsEditing)
{
    viewed.EditState = EditLabel;
    // The change is told to the owner of the changed flag (the session).
    viewed.OnTreeChanged = [this] { ++changes; };
    viewed.DeleteNode(Node("CD1\\D"));
    EXPECT_EQ(viewed.EditState, EditNone);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(viewed.DeleteNode(tree.Root()), nullptr);
    EXPECT_EQ(tree.Root()->ChildCount(), 1);
}

using TreeQueries = TreeFixture;

TEST_F(TreeQueries, CloseFoldersClosesEveryOpenFolderAndOnlyThose)
{
    Insert("CD1", "A\\B\\C\\x");
    Insert("CD1", "A\\D\\y");
    Insert("CD2", "E\\z");
    tree.CloseFolders(); // nothing was opened
    EXPECT_EQ(Image("CD1\\A"), ImageFolder);
    // An open folder below a closed one is found as well.
    for (const char *p : {"CD1\\A\\B", "CD1\\A\\B\\C", "CD2\\E"})
        tree.SetImage(Node(p), ImageFolderOpen);
    tree.CloseFolders();
    for (const char *p : {"CD1\\A\\B", "CD1\\A\\B\\C", "CD2\\E", "CD1\\A\\D"})
        EXPECT_EQ(Image(p), ImageFolder) << p;
    EXPECT_EQ(Image("CD1"), ImageDisc);
    EXPECT_EQ(Image("CD1\\A\\B\\C\\x"), ImageFile);

    // Opened again after a close, or created open.
    tree.SetImage(Node("CD1\\A\\D"), ImageFolderOpen);
    TTreeNode *added = tree.AddChild(Node("CD2\\E"), "F", ImageFolderOpen);
    tree.AddChild(added, "g", ImageFile);
    tree.CloseFolders();
    EXPECT_EQ(Image("CD1\\A\\D"), ImageFolder);
    EXPECT_EQ(added->Image(), ImageFolder);
}

TEST_F(TreeQueries, SubtreeSizeSumsFilesAndFoldersNotFoldersOwnSizes)
{
    Insert("CD1", "F\\", "", "", "", 1000);
    Insert("CD1", "F\\a", "", "", "", 10);
    Insert("CD1", "F\\Sub\\", "", "", "", 500);
    Insert("CD1", "F\\Sub\\b", "", "", "", 5);
    Insert("CD1", "F\\Empty\\", "", "", "", 7);
    Insert("CD1", "F\\arc.zip", "", "", "", 40);
    Insert("CD1", "F\\arc.zip\\inner", "", "", "", 400);
    Insert("CD1", "F\\neg", "", "", "", -3);
    EXPECT_EQ(SubtreeSize(Node("CD1\\F\\Empty")), 7);
    EXPECT_EQ(SubtreeSize(Node("CD1\\F\\Sub")), 5);
    EXPECT_EQ(SubtreeSize(Node("CD1\\F")), 10 + 5 + 7 + 40);
    EXPECT_EQ(SubtreeSize(Node("CD1\\F\\neg")), 0);

    // Sizes near the largest one add up to the largest, not to a negative.
    const int64_t huge = 6'000'000'000'000'000'000;
    Insert("CD2", "big\\a", "", "", "", huge);
    Insert("CD2", "big\\b", "", "", "", huge);
    Insert("CD2", "c", "", "", "", huge);
    EXPECT_EQ(SubtreeSize(Node("CD2")), std::numeric_limits<int64_t>::max());
}

TEST_F(TreeQueries, PathsOfNodes)
{
    Insert("CD1", "Docs\\Sub\\a.txt");
    const TTreeNode *a = Node("CD1\\Docs\\Sub\\a.txt");
    EXPECT_EQ(ItemPath(a), "Docs\\Sub\\a.txt");
    EXPECT_EQ(FullItemPath(a), "CD1\\Docs\\Sub\\a.txt");
    EXPECT_EQ(DiscLabel(a), "CD1");
    EXPECT_EQ(ItemPath(Node("CD1")), "");
    EXPECT_EQ(FullItemPath(Node("CD1")), "CD1");
    EXPECT_EQ(DiscLabel(Node("CD1")), "CD1");
    for (auto f : {ItemPath, FullItemPath, DiscLabel})
        EXPECT_EQ(f(tree.Root()), "");
    Insert("", "", "");
    Insert("", "x"); // an empty label makes x the disc
    EXPECT_EQ(ItemPath(Node("x")), "");
}

TEST_F(TreeQueries, CompareNodesByKindOrNamesFirst)
{
    Insert("CD1", "b\\");
    Insert("CD1", "a");
    Insert("CD1", "c\\");
    const TTreeNode &folder = *Node("CD1\\b");
    const TTreeNode &file = *Node("CD1\\a");
    EXPECT_EQ(CompareNodes(folder, file, false), -1);
    EXPECT_EQ(CompareNodes(file, folder, false), 1);
    EXPECT_EQ(CompareNodes(file, folder, true), -1);
    EXPECT_EQ(CompareNodes(folder, *Node("CD1\\c"), false), -1);
    tree.SetImage(Node("CD1\\c"), ImageFolderOpen);
    EXPECT_EQ(CompareNodes(*Node("CD1\\c"), folder, false), 1) << "expanded counts as folder";
    EXPECT_EQ(CompareNodes(folder, folder, false), 1);
    EXPECT_EQ(TreeViewCompare(folder, folder), 0);
    EXPECT_EQ(TreeViewCompare(file, folder), 1);
}

} // namespace
} // namespace qbx::test
