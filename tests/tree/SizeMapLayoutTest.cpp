#include "tree/SizeMapLayout.h"
#include "TreeFixture.h"
#include "tree/CatalogueStats.h"
#include "tree/NodePaths.h"

#include <cmath>
#include <random>

namespace qbx::test {

namespace {

constexpr double Eps = 1e-6;

bool Inside(const TMapRect &r, const TMapRect &outer)
{
    return r.x >= outer.x - Eps && r.y >= outer.y - Eps && r.x + r.w <= outer.x + outer.w + Eps &&
           r.y + r.h <= outer.y + outer.h + Eps;
}

double Overlap(const TMapRect &a, const TMapRect &b)
{
    const double w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    const double h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

bool Finite(const TMapRect &r)
{
    return std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.w) && std::isfinite(r.h) &&
           r.w >= 0 && r.h >= 0;
}

// Every invariant a layout of sizes in bounds must keep.
void CheckLayout(const TMapRect &bounds, const std::vector<int64_t> &sizes)
{
    const std::vector<TMapRect> rects = SquarifyRects(bounds, sizes);
    ASSERT_EQ(rects.size(), sizes.size());
    double total = 0;
    for (int64_t s : sizes)
        total += s > 0 ? double(s) : 0;
    for (size_t i = 0; i < rects.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(Finite(rects[i]));
        EXPECT_TRUE(Inside(rects[i], bounds));
        if (sizes[i] <= 0) {
            EXPECT_EQ(rects[i].Area(), 0);
            continue;
        }
        const double expected = double(sizes[i]) / total * bounds.Area();
        EXPECT_NEAR(rects[i].Area(), expected, expected * 0.01);
        for (size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_LT(Overlap(rects[i], rects[j]), Eps) << i << " and " << j;
    }
}

} // namespace

TEST(SquarifyRects, TilesTheBoundsInProportionWithoutOverlap)
{
    CheckLayout({0, 0, 800, 600}, {6, 6, 4, 3, 2, 2, 1});
    CheckLayout({10, 20, 37, 900}, {1, 1, 1, 1, 1});
    CheckLayout({0, 0, 1000, 10}, {500, 1, 300, 7, 7, 100});
    std::mt19937_64 random(32);
    std::vector<int64_t> many(2000);
    for (int64_t &s : many)
        s = int64_t(random() % 1'000'000) + 1000;
    CheckLayout({0, 0, 1920, 1080}, many);
}

TEST(SquarifyRects, ZeroAndHugeSizesGiveNoNaN)
{
    const int64_t huge = int64_t(1) << 62;
    CheckLayout({0, 0, 640, 480}, {huge, huge, huge, 0, huge / 2});
    CheckLayout({0, 0, 640, 480}, {0, 0, 0});
    CheckLayout({0, 0, 640, 480}, {});
    CheckLayout({0, 0, 640, 480}, {-5, 10, 0, 10});
    // No room at all: every rectangle is empty, none is NaN.
    for (const TMapRect &r : SquarifyRects({5, 5, 0, 300}, {huge, 1, 2}))
        EXPECT_TRUE(Finite(r) && r.Area() == 0);
}

TEST(SquarifyRects, SidesStayCloseToSquares)
{
    // Nine equal items in a square make a three by three grid.
    const std::vector<TMapRect> rects = SquarifyRects({0, 0, 300, 300}, std::vector<int64_t>(9, 5));
    for (const TMapRect &r : rects) {
        EXPECT_NEAR(r.w, 100, 1e-6);
        EXPECT_NEAR(r.h, 100, 1e-6);
    }
}

class SizeMapTreeTest : public TreeFixture {};

TEST_F(SizeMapTreeTest, FoldersHoldTheirContentsAndEmptyItemsTakeNoArea)
{
    Insert("CD1", "Music\\a.mp3", {}, {}, {}, 4000);
    Insert("CD1", "Music\\b.mp3", {}, {}, {}, 2000);
    Insert("CD1", "Music\\Live\\c.mp3", {}, {}, {}, 2000);
    Insert("CD1", "empty.txt", {}, {}, {}, 0);
    Insert("CD1", "Photos\\x.jpg", {}, {}, {}, 8000);
    const TMapRect bounds{0, 0, 400, 300};
    const std::vector<TMapCell> cells =
        LayOutSizeMap(Node("CD1"), bounds, TSizeMapStyle{2.0, 1.0, 12.0});

    std::map<const TTreeNode *, TMapCell> byNode;
    for (const TMapCell &c : cells)
        byNode[c.node] = c;
    EXPECT_EQ(byNode.count(Node("CD1\\empty.txt")), 0u);
    ASSERT_EQ(cells.size(), 7u); // Music, a, b, Live, c, Photos, x
    for (const TMapCell &c : cells) {
        SCOPED_TRACE(FullItemPath(c.node).toStdString());
        EXPECT_EQ(c.size, SubtreeSize(c.node));
        EXPECT_EQ(c.depth, c.node->Level() - 2);
        const TTreeNode *parent = c.node->Parent();
        EXPECT_TRUE(Inside(c.rect, parent == Node("CD1") ? bounds : byNode.at(parent).rect));
    }
    // The top level shares the whole map: Photos and Music take half each.
    EXPECT_NEAR(byNode.at(Node("CD1\\Photos")).rect.Area(), bounds.Area() / 2, 1);
    EXPECT_NEAR(byNode.at(Node("CD1\\Music")).rect.Area(), bounds.Area() / 2, 1);
    EXPECT_LT(Overlap(byNode.at(Node("CD1\\Music\\a.mp3")).rect,
                      byNode.at(Node("CD1\\Music\\Live")).rect),
              Eps);
}

TEST_F(SizeMapTreeTest, TinyItemsAreLeftOutWithTheirContents)
{
    Insert("CD1", "big.iso", {}, {}, {}, 1'000'000'000);
    Insert("CD1", "Small\\a.txt", {}, {}, {}, 1);
    Insert("CD1", "Small\\b.txt", {}, {}, {}, 1);
    const std::vector<TMapCell> cells = LayOutSizeMap(Node("CD1"), {0, 0, 100, 100});
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].node, Node("CD1\\big.iso"));
}

class CatalogueStatsTreeTest : public TreeFixture {};

TEST_F(CatalogueStatsTreeTest, ExtensionsBeyondTheShownOnesAddUpInOthers)
{
    int64_t all = 0;
    for (int i = 0; i < 20; ++i) {
        const int64_t size = 1000 * (i + 1);
        Insert("CD1", QStringLiteral("f%1.e%1").arg(i), {}, {}, {}, size);
        all += size;
    }
    const TCatalogueStats stats(tree.Root(), 100);
    ASSERT_EQ(stats.Extensions().size(), TCatalogueStats::ExtensionsShown);
    int64_t shown = 0;
    for (const TExtensionStats &e : stats.Extensions())
        shown += e.bytes;
    EXPECT_EQ(stats.OtherExtensions().files, 5);
    EXPECT_EQ(shown + stats.OtherExtensions().bytes, all);
    EXPECT_EQ(stats.Total().bytes, all);
    EXPECT_EQ(stats.Largest().size(), 20u);
    EXPECT_EQ(stats.Largest().front().size, 20000);
}

} // namespace qbx::test
