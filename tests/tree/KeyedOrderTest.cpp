// Long sibling lists filled in bulk are put in order by sort keys, eight key
// bytes at a time; the order must be exactly the one the comparison gives,
// for names that share long beginnings and differ late, in case, in е/ё, in
// a Cyrillic letter, or by one continuing another.
#include "search/FoundRows.h"
#include "tree/NodeOrder.h"
#include "tree/NodeRecord.h"
#include "tree/TTree.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace qbx::test {
namespace {

// Names made of a few long shared beginnings and short random endings, so
// that many pairs agree over their first 8, 16 or 24 key bytes.
QStringList SharedPrefixNames(int count, const QString &alphabet, quint32 seed)
{
    const QStringList starts = {QStringLiteral("DISC_1\\Документы\\проект_"),
                                QStringLiteral("DISC_1\\Документы\\Проект_"),
                                QStringLiteral("DISC_1\\документы\\проёкт_"),
                                QStringLiteral("DISC_12\\archive.zip\\inner\\"),
                                QStringLiteral("disc_12\\archive.zip\\inner\\"),
                                QStringLiteral("abcdefgh"),
                                QStringLiteral("abcdefghabcdefgh"),
                                QString()};
    QRandomGenerator rng(seed);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QString name = starts[int(rng.bounded(qsizetype(starts.size())))];
        const int n = int(rng.bounded(0, 12));
        for (int k = 0; k < n; ++k)
            name += alphabet[int(rng.bounded(alphabet.size()))];
        if (name.isEmpty())
            name = QStringLiteral("x");
        names << name;
    }
    return names;
}

// Fills a result tree's root in bulk, one node per name (equal names told
// apart by their records' paths), and gives the order the tree settles on
// next to the order a plain sort by the comparison gives.
std::pair<QStringList, QStringList> FoundOrders(const QStringList &names)
{
    TTree tree;
    SetPresentationOrder(tree, PresentLeaves);
    std::vector<const TTreeNode *> nodes;
    {
        TTreeUpdate update(tree);
        for (int i = 0; i < names.size(); ++i) {
            TTreeNode *node = tree.AddChild(tree.Root(), names[i], ImageFile);
            tree.SetFoundRecord(node,
                                std::make_unique<TFoundRecord>(TFoundRecord::Make(
                                    QStringLiteral("CD"), QString::number(i), {}, {}, {}, 0, {})));
            nodes.push_back(node);
        }
    }
    std::sort(nodes.begin(), nodes.end(),
              [](const TTreeNode *a, const TTreeNode *b) { return FoundTextLess(*a, *b); });
    QStringList expected;
    for (const TTreeNode *node : nodes)
        expected << node->Text() + u'#' + node->FoundRecord()->Path;
    QStringList settled;
    for (int i = 0; i < tree.Root()->ChildCount(); ++i) {
        const TTreeNode *node = tree.Root()->Child(i);
        settled << node->Text() + u'#' + node->FoundRecord()->Path;
        EXPECT_EQ(node->Row(), i);
    }
    return {settled, expected};
}

TEST(KeyedOrder, FoundTextsSharingLongBeginningsKeepTheComparisonsOrder)
{
    // Every character here has a key byte: the whole list goes by keys.
    const QString alphabet = QStringLiteral("aAbBzZ019_. \\еЕёЁжЖяЯ");
    const auto [settled, expected] = FoundOrders(SharedPrefixNames(3000, alphabet, 7));
    ASSERT_EQ(settled.size(), 3000);
    EXPECT_EQ(settled, expected);
}

TEST(KeyedOrder, NamesWithoutKeysAmongThemKeepTheComparisonsOrder)
{
    // "…", "№" and "«" have no key byte: such a list is compared in full.
    const QString alphabet = QStringLiteral("aAbB01_.\\еЕёЁ…№«");
    const auto [settled, expected] = FoundOrders(SharedPrefixNames(2000, alphabet, 8));
    EXPECT_EQ(settled, expected);
}

TEST(KeyedOrder, EqualTextsAndTextsContinuingOthersAtEveryLength)
{
    // A text and the same text one character longer, at every length around
    // the 8-byte steps, several times each: shorter first, equal texts by
    // their records.
    QStringList names;
    const QString base = QStringLiteral("abcdefghijklmnopqrstuvwxyzабвгд");
    for (int len = 1; len <= base.size(); ++len)
        for (int copy = 0; copy < 3; ++copy) {
            names << base.left(len);
            names << base.left(len).toUpper();
        }
    std::reverse(names.begin(), names.end());
    const auto [settled, expected] = FoundOrders(names);
    EXPECT_EQ(settled, expected);
}

TEST(KeyedOrder, CatalogueFoldersAndFilesSharingLongBeginnings)
{
    // The catalogue's order puts the kind before the name in each key.
    const QString alphabet = QStringLiteral("aAbB09_. еЕёЁяЯ");
    const QStringList names = SharedPrefixNames(3000, alphabet, 9);
    TTree tree;
    std::vector<const TTreeNode *> nodes;
    {
        TTreeUpdate update(tree);
        for (int i = 0; i < names.size(); ++i) {
            QString name = names[i];
            name.replace(u'\\', u'-');
            nodes.push_back(tree.AddChild(tree.Root(), name + QString::number(i),
                                          i % 3 == 0 ? ImageFolder : ImageFile));
        }
    }
    std::sort(nodes.begin(), nodes.end(),
              [](const TTreeNode *a, const TTreeNode *b) { return SiblingLess(*a, *b); });
    ASSERT_EQ(tree.Root()->ChildCount(), int(nodes.size()));
    for (int i = 0; i < tree.Root()->ChildCount(); ++i)
        ASSERT_EQ(tree.Root()->Child(i), nodes[size_t(i)]) << i;
}

} // namespace
} // namespace qbx::test
