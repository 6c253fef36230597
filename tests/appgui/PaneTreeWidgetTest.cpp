// The left pane's tree view keeps the width its rows need between changes:
// whatever happens to the rows, the view or its font, the width it gives is
// the one the plain tree view measures at that moment.
#include "app/gui/PaneTreeWidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <functional>

namespace qbx::test {
namespace {

class TPane final : public TPaneTreeWidget {
public:
    using TPaneTreeWidget::sizeHintForColumn;
    // What the plain view measures now, never pane's kept width.
    int Measured() const { return std::max(QTreeView::sizeHintForColumn(0), viewport()->width()); }
};

// 1,500 rows (more than the view measures), their texts of growing length
// every hundred rows, and a folder near the top with long names inside.
void Fill(QStandardItemModel &model)
{
    for (int i = 0; i < 1500; ++i)
        model.appendRow(new QStandardItem(QStringLiteral("row %1 ").arg(i) +
                                          QString(i % 100 == 0 ? i / 50 : 0, u'w')));
    QStandardItem *folder = model.item(3);
    for (int i = 0; i < 5; ++i)
        folder->appendRow(new QStandardItem(QString(40 + i, u'ж')));
}

class PaneTreeWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(model_);
        pane_.setHeaderHidden(true);
        pane_.setUniformRowHeights(true);
        pane_.setModel(&model_);
        pane_.resize(200, 300);
        pane_.show();
        QApplication::processEvents();
    }

    // Applies the change, lets the view settle (the header asks for the
    // width meanwhile) and compares the width kept with a new measurement.
    void ExpectSameWidth(const char *what, const std::function<void(QTreeView &)> &change)
    {
        change(pane_);
        QApplication::processEvents();
        const int kept = pane_.sizeHintForColumn(0);
        EXPECT_EQ(kept, pane_.Measured()) << what;
    }

    QStandardItemModel model_;
    TPane pane_;
};

TEST_F(PaneTreeWidgetTest, WidthFollowsEveryChangeOfRowsViewAndFont)
{
    ExpectSameWidth("first", [](QTreeView &) {});
    // Model changes reach both views through the one model.
    model_.item(1)->setText(QString(120, u'm'));
    ExpectSameWidth("text made longer", [](QTreeView &) {});
    model_.item(1)->setText(QStringLiteral("x"));
    ExpectSameWidth("text made shorter", [](QTreeView &) {});
    model_.insertRow(0, new QStandardItem(QString(90, u'Щ')));
    ExpectSameWidth("row inserted", [](QTreeView &) {});
    model_.removeRow(0);
    ExpectSameWidth("widest row removed", [](QTreeView &) {});
    ExpectSameWidth("folder expanded", [&](QTreeView &v) { v.expand(model_.index(3, 0)); });
    ExpectSameWidth("folder collapsed", [&](QTreeView &v) { v.collapse(model_.index(3, 0)); });
    ExpectSameWidth("expanded again, laid out once",
                    [&](QTreeView &v) { v.setExpanded(model_.index(3, 0), true); });
    // Scrolled down, the rows measured are those around the shown ones:
    // the longest names near the end come into reach, and the height
    // decides where the measured rows end.
    ExpectSameWidth("scrolled to the end", [](QTreeView &v) {
        v.verticalScrollBar()->setValue(v.verticalScrollBar()->maximum());
    });
    ExpectSameWidth("scrolled to the middle",
                    [](QTreeView &v) { v.verticalScrollBar()->setValue(700); });
    ExpectSameWidth("lower while scrolled", [](QTreeView &v) { v.resize(200, 120); });
    ExpectSameWidth("higher while scrolled", [](QTreeView &v) { v.resize(200, 500); });
    ExpectSameWidth("back at the top", [](QTreeView &v) { v.verticalScrollBar()->setValue(0); });
    ExpectSameWidth("lower at the top", [](QTreeView &v) { v.resize(200, 150); });
    ExpectSameWidth("wider", [](QTreeView &v) { v.resize(900, 150); });
    ExpectSameWidth("bigger font", [](QTreeView &v) {
        QFont font = v.font();
        font.setPointSize(font.pointSize() + 6);
        v.setFont(font);
    });
    QStandardItemModel other;
    other.appendRow(new QStandardItem(QString(70, u'q')));
    ExpectSameWidth("other model", [&](QTreeView &v) { v.setModel(&other); });
    ExpectSameWidth("model reset", [&](QTreeView &) {
        other.clear();
        Fill(other);
    });
}

TEST_F(PaneTreeWidgetTest, RowsAreMeasuredOnceUntilSomethingChanges)
{
    const int width = pane_.sizeHintForColumn(0);
    const int measured = pane_.Measurements();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(pane_.sizeHintForColumn(0), width);
    // Selecting a row lets the header ask again; nothing needs measuring.
    pane_.setCurrentIndex(model_.index(2, 0));
    QApplication::processEvents();
    EXPECT_EQ(pane_.sizeHintForColumn(0), width);
    // At the top, a lower view measures the same first rows.
    pane_.resize(200, 200);
    QApplication::processEvents();
    pane_.sizeHintForColumn(0);
    EXPECT_EQ(pane_.Measurements(), measured);
    model_.item(0)->setText(QStringLiteral("changed"));
    pane_.sizeHintForColumn(0);
    const int afterChange = pane_.Measurements();
    EXPECT_GT(afterChange, measured);
    pane_.sizeHintForColumn(0);
    EXPECT_EQ(pane_.Measurements(), afterChange);
}

} // namespace
} // namespace qbx::test
