#include "TreeFixture.h"

#include <limits>

namespace qbx::test {
namespace {

using NodeDescription = TreeFixture;

TEST_F(NodeDescription, BareSizesOfEveryRangeReadBackWhole)
{
    const int64_t sizes[] = {1,
                             -3,
                             0,
                             (int64_t(1) << 61) - 1,
                             int64_t(1) << 61,
                             -(int64_t(1) << 61),
                             -(int64_t(1) << 61) - 1,
                             std::numeric_limits<int64_t>::max(),
                             std::numeric_limits<int64_t>::min()};
    int i = 0;
    for (const int64_t size : sizes) {
        TTreeNode *n = tree.AddChild(tree.Root(), QString::number(i++), ImageFile);
        TItemDescription d;
        d.Size = size;
        tree.SetDescription(n, d);
        ASSERT_TRUE(n->HasDescription()) << size;
        EXPECT_EQ(n->Description()->Size, size);
        EXPECT_TRUE(n->Description()->Producer.isNull());
        // Given as an object, the same.
        tree.SetDescription(n, std::make_unique<TItemDescription>(d));
        EXPECT_EQ(*n->Description(), d) << size;
    }
}

TEST_F(NodeDescription, ChangingABareSizeInPlaceKeepsItAndAddsTexts)
{
    TTreeNode *n = Insert("CD1", "a.txt", "", "", "", 1234);
    ASSERT_TRUE(n->HasDescription());
    const TDescriptionRef before = n->Description();
    TItemDescription *d = tree.MutableDescription(n);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Size, 1234);
    d->Producer = "Maker";
    EXPECT_EQ(n->Description()->Producer, "Maker");
    EXPECT_EQ(n->Description()->Size, 1234);
    EXPECT_EQ(before->Size, 1234) << "a reference taken before still reads its values";
    EXPECT_EQ(tree.MutableDescription(Insert("CD1", "b.txt")), nullptr);
}

TEST_F(NodeDescription, TextsAndSizesSurviveConflictsAndRemoval)
{
    Insert("CD1", "a.txt", "", "", "", 10);
    answers.ConflictAnswer = ConflictComplementAll;
    Insert("CD1", "a.txt", "Maker", "", "", 20, "note");
    TTreeNode *a = Node("CD1\\a.txt");
    EXPECT_EQ(a->Description()->Size, 10);
    EXPECT_EQ(a->Description()->Producer, "Maker");
    answers.ConflictAnswer = ConflictOverwriteAll;
    Insert("CD1", "a.txt", "", "", "", 30);
    EXPECT_EQ(*a->Description(), TItemDescription::Make("", "", "", 30, ""));

    tree.SetDescription(a, nullptr);
    EXPECT_FALSE(a->HasDescription());
    EXPECT_FALSE(a->Description());
    Insert("CD1", "b.txt", "", "", "", 5);
    tree.FreeDescriptions(tree.Root());
    EXPECT_FALSE(Node("CD1\\b.txt")->HasDescription());
}

} // namespace
} // namespace qbx::test
