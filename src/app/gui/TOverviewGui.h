#pragma once

#include "overview/gui/IOverviewHost.h"

#include <QObject>
#include <QPointer>

namespace qbx {

class IHelp;
class IWindowCommands;
class IWindowControls;
class TSession;
class TDupesWindow;
class TStatsWindow;

// Puts the overview of the catalogue into the main window: "Статистика
// каталога..." and "Поиск дубликатов..." open (or raise) their windows over
// the catalogue tree in memory; a change of the tree marks them stale; their
// "Перейти к элементу" selects the item in the catalogue tree.
class TOverviewGui : private IOverviewHost {
public:
    TOverviewGui(TSession &session, IWindowCommands &commands, IWindowControls &controls,
                 IHelp &help);
    ~TOverviewGui();

    void StatisticsClick();
    void DuplicatesClick();
    // The open windows, or null.
    TStatsWindow *StatsWindow() const;
    TDupesWindow *DupesWindow() const;

private:
    // Shows the catalogue in the entire view, so that its tree is loaded.
    void ShowEntireView();
    // IOverviewHost
    const TTreeNode *OverviewRoot() const override;
    const TTreeNode *OverviewSelected() const override;
    int OverviewSizeUnit() const override;
    void GoToOverviewItem(const QString &fullPath) override;
    void SaveOverviewCsv(QWidget *window, const QString &csv, const QString &name) override;
    void ShowOverviewHelp(int topic) override;

    TSession &session_;
    IWindowCommands &commands_;
    IWindowControls &controls_;
    IHelp &help_;
    QPointer<TStatsWindow> stats_;
    QPointer<TDupesWindow> dupes_;
    // Context of the connections to the catalogue model: they end with this.
    QObject context_;
};

} // namespace qbx
