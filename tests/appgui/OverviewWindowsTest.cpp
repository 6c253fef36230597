// The overview windows over a tree of their own: the duplicate groups and
// their CSV agree with the core finder the command-line program prints, and
// the charts of the statistics window carry every byte of the catalogue.
#include "options/SizeUnit.h"
#include "overview/gui/IOverviewHost.h"
#include "overview/gui/TDupesWindow.h"
#include "overview/gui/TStatsWindow.h"
#include "tree/CatalogueStats.h"
#include "tree/DuplicateFinder.h"
#include "tree/TreeFixture.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPieSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace qbx::test {
namespace {

// The program's side of the windows: the fixture's tree, sizes in bytes,
// and a record of what the windows asked for.
class TWindowsTestHost : public IOverviewHost {
public:
    const TTreeNode *root = nullptr;
    QString csv;
    int goTos = 0;
    int helps = 0;

    const TTreeNode *OverviewRoot() const override { return root; }
    const TTreeNode *OverviewSelected() const override { return nullptr; }
    int OverviewSizeUnit() const override { return int(SuByte); }
    void GoToOverviewItem(const QString &) override { ++goTos; }
    void SaveOverviewCsv(QWidget *, const QString &text, const QString &) override { csv = text; }
    void ShowOverviewHelp(int) override { ++helps; }
};

class OverviewWindowsTest : public TreeFixture {
protected:
    const TTreeNode *Root() const { return tree.Root(); }
    TWindowsTestHost &Host()
    {
        host_.root = tree.Root();
        return host_;
    }

private:
    TWindowsTestHost host_;
};

TEST_F(OverviewWindowsTest, DuplicateGroupsAndTheirCsvAgreeWithTheFinder)
{
    Insert("CD1", "Song.mp3", {}, {}, {}, 5000);
    Insert("CD2", "song.MP3", {}, {}, {}, 5000);
    Insert("CD2", "x\\SONG.mp3", {}, {}, {}, 5000);
    Insert("CD1", "a.txt", {}, {}, {}, 100);
    Insert("CD1", "d\\a.txt", {}, {}, {}, 100);
    Insert("CD1", "unknown.bin", {}, {}, {}, 0);
    Insert("CD2", "unknown.bin", {}, {}, {}, 0);
    Insert("CD3", "b,\"q\".doc", {}, {}, {}, 300);
    Insert("CD1", "b,\"q\".doc", {}, {}, {}, 300);

    TDupesWindow window(Host());
    const QString &csv = Host().csv;
    window.Refresh();
    const TDuplicateFinder finder(Root(), 0, false);
    QTreeWidget *groups = window.Groups();
    // Files of size 0 are never duplicates: three groups, the song first.
    ASSERT_EQ(size_t(groups->topLevelItemCount()), finder.Groups().size());
    ASSERT_EQ(groups->topLevelItemCount(), 3);
    int files = 0;
    for (int g = 0; g < groups->topLevelItemCount(); ++g) {
        const TDuplicateGroup &expected = finder.Groups()[size_t(g)];
        groups->topLevelItem(g)->setExpanded(true);
        EXPECT_EQ(size_t(groups->topLevelItem(g)->childCount()), expected.files.size());
        files += groups->topLevelItem(g)->childCount();
    }
    EXPECT_EQ(finder.Groups()[0].Wasted(), 10000);

    window.SaveCsv();
    const QStringList lines = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + files);
    EXPECT_EQ(lines[1], "1,CD1,Song.mp3,5000,10000");
    EXPECT_TRUE(lines.contains("1,CD2,x\\SONG.mp3,5000,10000")) << csv.toStdString();
    // A comma or quote in a name is quoted, so the columns stay five.
    EXPECT_TRUE(lines.contains("2,CD1,\"b,\"\"q\"\".doc\",300,300")) << csv.toStdString();

    // Copies on one disc only are left out when asked.
    window.AcrossDiscs()->setChecked(true);
    window.Refresh();
    EXPECT_EQ(groups->topLevelItemCount(), 2);
    EXPECT_EQ(size_t(groups->topLevelItemCount()),
              TDuplicateFinder(Root(), 0, true).Groups().size());
}

// Both windows end with the same row; F1 asks for help and Enter in the
// size box searches again instead of going to an item.
TEST_F(OverviewWindowsTest, ButtonRowsAndKeysAreTheSameInBothWindows)
{
    Insert("CD1", "a.txt", {}, {}, {}, 100);
    Insert("CD2", "a.txt", {}, {}, {}, 100);
    const int &helps = Host().helps;
    const int &goTos = Host().goTos;
    TDupesWindow dupes(Host());
    TStatsWindow stats(Host());
    const auto texts = [](const QDialog &window) {
        QStringList out;
        for (QAbstractButton *b : window.findChild<QDialogButtonBox *>()->buttons())
            out << b->text();
        return out;
    };
    const QStringList row = {"Перейти к элементу", "Сохранить как...", "Справка", "Закрыть"};
    for (const QString &text : row) {
        EXPECT_TRUE(texts(dupes).contains(text)) << text.toStdString();
        EXPECT_TRUE(texts(stats).contains(text)) << text.toStdString();
    }
    EXPECT_EQ(texts(stats).size(), row.size() + 1) << "and \"Обновить\"";
    for (const QDialog *window : {static_cast<QDialog *>(&dupes), static_cast<QDialog *>(&stats)})
        for (const QPushButton *b : window->findChildren<QPushButton *>())
            EXPECT_FALSE(b->autoDefault()) << b->text().toStdString();

    QTest::keyClick(&dupes, Qt::Key_F1);
    QTest::keyClick(&stats, Qt::Key_F1);
    EXPECT_EQ(helps, 2);
    QTest::keyClick(&dupes, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(helps, 2);

    dupes.show();
    dupes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dupes));
    dupes.MinimumKiB()->setFocus();
    QTest::keyClick(dupes.MinimumKiB(), Qt::Key_Return);
    EXPECT_EQ(dupes.Groups()->topLevelItemCount(), 1);
    EXPECT_EQ(goTos, 0);
    dupes.Groups()->setCurrentItem(dupes.Groups()->topLevelItem(0));
    dupes.Groups()->setFocus();
    QTest::keyClick(dupes.Groups(), Qt::Key_Return);
    EXPECT_EQ(goTos, 1);
    for (QAbstractButton *b : dupes.findChild<QDialogButtonBox *>()->buttons())
        if (b->text() == "Закрыть")
            b->click();
    EXPECT_FALSE(dupes.isVisible());
}

TEST_F(OverviewWindowsTest, ChartsCarryEveryByteOfTheCatalogue)
{
    int64_t all = 0;
    for (int i = 0; i < 20; ++i) {
        const int64_t size = int64_t(1) << (20 + i % 12);
        Insert(QStringLiteral("CD%1").arg(i % 3), QStringLiteral("f%1.e%1").arg(i), {}, {}, {},
               size);
        all += size;
    }
    TStatsWindow window(Host());
    window.Refresh();
    const TCatalogueStats stats(Root(), 100);
    QChart *discChart = nullptr;
    QChart *extensionChart = nullptr;
    for (QChartView *view : window.findChildren<QChartView *>()) {
        ASSERT_FALSE(view->chart()->series().isEmpty());
        if (qobject_cast<QBarSeries *>(view->chart()->series()[0]))
            discChart = view->chart();
        else
            extensionChart = view->chart();
    }
    ASSERT_NE(discChart, nullptr);
    ASSERT_NE(extensionChart, nullptr);

    // One bar per disc; the axis unit fits the largest disc (here MB or GB),
    // and the bars add up to the catalogue's bytes in that unit.
    const QBarSet *bars = static_cast<QBarSeries *>(discChart->series()[0])->barSets()[0];
    ASSERT_EQ(size_t(bars->count()), stats.Discs().size());
    double barSum = 0;
    for (int i = 0; i < bars->count(); ++i)
        barSum += bars->at(i);
    const double inMb = double(all) / (1 << 20);
    EXPECT_TRUE(std::abs(barSum - inMb) < 1e-6 * inMb ||
                std::abs(barSum * 1024 - inMb) < 1e-6 * inMb)
        << barSum;

    // Fifteen slices and "прочие" for the rest: together all bytes.
    const auto *pie = static_cast<QPieSeries *>(extensionChart->series()[0]);
    EXPECT_EQ(pie->count(), int(TCatalogueStats::ExtensionsShown) + 1);
    EXPECT_DOUBLE_EQ(pie->sum(), double(all));
}

} // namespace
} // namespace qbx::test
