#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace qbx {

class TCatalogueStats;
class TOverviewButtons;
class TOverviewTableModel;
class TSizeMapWidget;
class TTreeNode;

// What the statistics window needs from the program: the catalogue tree
// shown, the size unit, going to an item of the catalogue tree, saving a
// table as CSV (the binder asks for the file) and the help topic.
struct TStatsWindowHooks {
    std::function<const TTreeNode *()> root;
    std::function<int()> sizeUnit;
    std::function<void(const QString &fullPath)> goToItem;
    std::function<void(const QString &csv, const QString &name)> saveCsv;
    std::function<void()> help;
    // The disc or folder whose size map shows first: the one selected in
    // the catalogue tree.
    std::function<const TTreeNode *()> selected;
};

// "Статистика каталога": discs, folders, files and bytes per disc and in
// total, a chart of bytes per disc, the extensions that take the most bytes
// with their chart, and the largest files with "Перейти к элементу". Shows
// the tree as it is in memory when refreshed; a change of the catalogue
// marks it stale until "Обновить".
class TStatsWindow : public QDialog {
    Q_OBJECT
public:
    TStatsWindow(TStatsWindowHooks hooks, QWidget *parent = nullptr);
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

    TStatsWindowHooks hooks_;
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
