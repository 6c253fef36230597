#pragma once

#include <QDialog>

#include <memory>

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace qbx {

class IOverviewHost;
class TCatalogueStats;
class TOverviewButtons;
class TOverviewTableModel;
class TSizeMapWidget;
class TTreeNode;

// "Статистика каталога": discs, folders, files and bytes per disc and in
// total, a chart of bytes per disc, the extensions that take the most bytes
// with their chart, and the largest files with "Перейти к элементу". Shows
// the tree as it is in memory when refreshed; a change of the catalogue
// marks it stale until "Обновить".
class TStatsWindow : public QDialog {
    Q_OBJECT
public:
    TStatsWindow(IOverviewHost &host, QWidget *parent = nullptr);
    ~TStatsWindow() override;

    // Computes everything again from the tree.
    void Refresh();
    // The catalogue changed: the figures shown are old.
    void MarkStale();
    bool IsStale() const { return stale_; }

    TOverviewTableModel *DiscTable() const { return discs_; }
    TOverviewTableModel *ExtensionTable() const { return extensions_; }
    TOverviewTableModel *LargestTable() const { return largest_; }
    QTableView *LargestView() const { return largestView_; }
    QTabWidget *Tabs() const { return tabs_; }
    TSizeMapWidget *SizeMap() const { return map_; }
    // The page of the size map.
    static constexpr int MapPage = 3;

    // "Перейти к элементу": the current row of the largest files.
    void GoToItem();
    // "Сохранить как...": the table of the current page as CSV.
    void SaveCsv();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTableView *NewTable(TOverviewTableModel *model);
    void ShowCharts(const TCatalogueStats &stats);
    QWidget *NewMapPage();
    void ShowBreadcrumb(const TTreeNode *node);

    IOverviewHost &host_;
    TOverviewTableModel *discs_;
    TOverviewTableModel *extensions_;
    TOverviewTableModel *largest_;
    QTabWidget *tabs_;
    QTableView *discView_;
    QTableView *extensionView_;
    QTableView *largestView_;
    QChartView *discChart_;
    QChartView *extensionChart_;
    QLabel *status_;
    TSizeMapWidget *map_;
    QLabel *breadcrumb_;
    QPushButton *refresh_;
    std::unique_ptr<TOverviewButtons> buttons_;
    bool stale_ = false;
};

} // namespace qbx
