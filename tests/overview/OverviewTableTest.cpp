#include "overview/OverviewTableModel.h"
#include "overview/StatsTables.h"

#include <QAbstractItemModelTester>
#include <QSortFilterProxyModel>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

TEST(OverviewTable, SortsByKeysAndExportsThemAsCsv)
{
    TOverviewTableModel model({QStringLiteral("Файл"), QStringLiteral("Размер")});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Texts in the size unit would sort "9,00 КБ" after "10,00 КБ"; keys are bytes.
    model.SetRows({{{QStringLiteral("CD1\\a, \"b\".txt"), {}}, {QStringLiteral("10 КБ"), 10240}},
                   {{QStringLiteral("CD1\\c.txt"), {}}, {QStringLiteral("9 КБ"), 9216}}},
                  {QStringLiteral("CD1\\a, \"b\".txt"), QStringLiteral("CD1\\c.txt")});
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setSortRole(TOverviewTableModel::KeyRole);
    proxy.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(proxy.index(0, 0).data(TOverviewTableModel::PathRole).toString(), "CD1\\c.txt");
    EXPECT_EQ(proxy.index(0, 1).data().toString(), "9 КБ");
    EXPECT_EQ(TableCsv(proxy),
              "Файл,Размер\r\nCD1\\c.txt,9216\r\n\"CD1\\a, \"\"b\"\".txt\",10240\r\n");
    EXPECT_EQ(model.PathAt(5), QString());
    model.SetRows({}, {});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(TableCsv(model), "Файл,Размер\r\n");
}

} // namespace
} // namespace qbx::test
