#include "app/gui/TOverviewGui.h"

#include "app/Session.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "interaction/HelpContext.h"
#include "interaction/MessageBoxes.h"
#include "overview/gui/TDupesWindow.h"
#include "overview/gui/TStatsWindow.h"
#include "platform/AtomicFile.h"
#include "tree/TTreeNode.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QTreeView>

namespace qbx {

TOverviewGui::TOverviewGui(TSession &session, IWindowCommands &commands, IWindowControls &controls,
                           IHelp &help)
    : session_(session), commands_(commands), controls_(controls), help_(help)
{
    commands.SetHandler(cmd::StatisticsAction, [this] { StatisticsClick(); });
    commands.SetHandler(cmd::DuplicatesAction, [this] { DuplicatesClick(); });
    // Any change of the catalogue tree (an edit, a scan, a load, closing)
    // makes the figures shown old.
    TTreeModel *model = &session.MainModel();
    const auto stale = [this] {
        if (stats_)
            stats_->MarkStale();
        if (dupes_)
            dupes_->MarkStale();
    };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &context_, stale);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, &context_, stale);
    QObject::connect(model, &QAbstractItemModel::rowsMoved, &context_, stale);
    // A folder's data changes each time it opens or closes in the view (its
    // image); only files and discs carry what the figures count.
    QObject::connect(model, &QAbstractItemModel::dataChanged, &context_,
                     [stale](const QModelIndex &from, const QModelIndex &to) {
                         for (int row = from.row(); row <= to.row(); ++row) {
                             const TTreeNode *node = TTreeModel::NodeAt(from.siblingAtRow(row));
                             if (node && !node->IsFolder())
                                 return stale();
                         }
                     });
    QObject::connect(model, &QAbstractItemModel::modelReset, &context_, stale);
}

TOverviewGui::~TOverviewGui()
{
    delete stats_.data();
    delete dupes_.data();
}

TStatsWindow *TOverviewGui::StatsWindow() const
{
    return stats_.data();
}

TDupesWindow *TOverviewGui::DupesWindow() const
{
    return dupes_.data();
}

void TOverviewGui::ShowEntireView()
{
    if (session_.Window().DbState() != DbEntire)
        commands_.Action(cmd::EntireViewAction)->trigger();
}

void TOverviewGui::StatisticsClick()
{
    // The catalogue tree is loaded by its first entire view.
    if (session_.Files().Document().FirstEntireView)
        ShowEntireView();
    if (!stats_) {
        stats_ = new TStatsWindow(*this, controls_.DialogParent());
        stats_->setAttribute(Qt::WA_DeleteOnClose);
    }
    stats_->Refresh();
    stats_->show();
    stats_->raise();
    stats_->activateWindow();
}

void TOverviewGui::DuplicatesClick()
{
    if (session_.Files().Document().FirstEntireView)
        ShowEntireView();
    const bool first = !dupes_;
    if (first) {
        dupes_ = new TDupesWindow(*this, controls_.DialogParent());
        dupes_->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (first || dupes_->IsStale())
        dupes_->Refresh();
    dupes_->show();
    dupes_->raise();
    dupes_->activateWindow();
}

const TTreeNode *TOverviewGui::OverviewRoot() const
{
    return session_.MainTree().Root();
}

const TTreeNode *TOverviewGui::OverviewSelected() const
{
    return TTreeModel::NodeAt(controls_.MainTreeView()->currentIndex());
}

int TOverviewGui::OverviewSizeUnit() const
{
    return int(session_.Options().SizeUnit);
}

void TOverviewGui::ShowOverviewHelp(int topic)
{
    help_.ShowHelpTopic(topic);
}

void TOverviewGui::GoToOverviewItem(const QString &fullPath)
{
    TWindowState &window = session_.Window();
    if (window.DbState() == DbNone)
        return;
    // The entire view selects EntireSelPath when it is shown.
    window.EntireSelPath = fullPath;
    if (window.DbState() != DbEntire)
        ShowEntireView();
    else if (session_.ModeLogic().hooks.SelectPath)
        session_.ModeLogic().hooks.SelectPath(fullPath);
    controls_.DialogParent()->activateWindow();
}

void TOverviewGui::SaveOverviewCsv(QWidget *window, const QString &csv, const QString &name)
{
    const QString file = QFileDialog::getSaveFileName(
        window, QCoreApplication::translate("Overview", "Сохранить как"), name,
        QCoreApplication::translate("Overview", "Таблицы CSV (*.csv);;Все файлы (*)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!WriteFileAtomically(file, csv.toUtf8(), &error))
        session_.MessageBoxes().Show(
            QCoreApplication::translate("Overview", "Не удалось сохранить файл \"%1\".\r%2")
                .arg(file, error),
            session_.Window().AppCaption(), TMsgIcon::Error, MbOk);
}

} // namespace qbx
