#include "search/TFoundView.h"

#include "engine/Error.h"
#include "engine/Query.h"
#include "engine/Table.h"
#include "interaction/CommandState.h"
#include "interaction/LongOperation.h"
#include "interaction/MessageBoxes.h"
#include "interaction/ModeLogic.h"
#include "options/TOptions.h"
#include "search/FoundRows.h"
#include "search/TSearchRunner.h"
#include "storage/CatalogueDocument.h"
#include "storage/CatalogueTable.h"
#include "tree/LastSearch.h"
#include "tree/NodeRecord.h"
#include "tree/TTreeModel.h"

#include <QCoreApplication>
#include <QFile>

namespace qbx {

TFoundView::TFoundView(TFoundViewContext context) : c_(std::move(context))
{
}

int CurrentPresentation(const TCommandState &commands)
{
    for (int i = FirstFoundViewSet; i <= LastFoundViewSet; ++i)
        if (commands.Checked(CommandAt(i)))
            return i - FirstFoundViewSet;
    return -1;
}

qint64 TFoundView::CatalogueRecordCount() const
{
    // A catalogue never saved has no table of its own yet: the search went
    // over the records of its tree, and counted them.
    if (c_.document.DbIsNew)
        return c_.runner.Query().ScannedCount();
    const TOpenedCatalogue opened =
        OpenCatalogueTable(c_.document.FileName, engine::OpenMode::Shared);
    // Not known: the half question is not asked.
    return opened.Ok() ? qint64(opened.table.RecordCount()) : 0;
}

bool TFoundView::Confirmed(int found, bool newSearch)
{
    const auto wanted = [newSearch](const QString &option) {
        return !option.isEmpty() && (newSearch || option == QStringLiteral("1"));
    };
    QString question;
    if (found > 100 && wanted(c_.options.Confirm100)) {
        question = QCoreApplication::translate(
            "TFoundView", "В результате поиска было выбрано более 100 записей базы "
                          "данных.\rВы действительно хотите увидеть эти результаты?");
    } else if (wanted(c_.options.ConfirmHalf)) {
        const qint64 count = CatalogueRecordCount();
        if (count >= 1 && found > count * 0.5)
            question = QCoreApplication::translate(
                "TFoundView", "В результате поиска было выбрано более половины записей "
                              "всей базы данных.\rВы действительно хотите увидеть эти "
                              "результаты?");
    }
    if (question.isEmpty())
        return true;
    c_.view.SetStatusPanelText(QString());
    return c_.boxes.Show(question, QuestionTitle, TMsgIcon::Warning, MbYesNo) == TMsgAnswer::Yes;
}

bool TFoundView::OpenResults(bool newSearch)
{
    c_.view.SetStatusPanelText(
        QCoreApplication::translate("TFoundView", "Подготовка к открытию результатов поиска"));
    c_.events.ProcessEvents();

    engine::Query &query = c_.runner.Query();
    const int found = int(query.RecordCount());
    if (!Confirmed(found, newSearch)) {
        query.Close();
        c_.view.SetStatusPanelText(QString());
        return false;
    }

    c_.modes.SetDbState(DbOpen);
    c_.modes.EnableCommands(false);
    BuildTree(found);
    query.Close();
    c_.view.ExpandRoot(TTreeKind::Search);
    c_.searchModel.Select(c_.searchModel.Tree().Root());
    c_.operation.EndOperation();
    c_.modes.EnableCommands(true);
    return true;
}

void TFoundView::BuildTree(int found)
{
    TTree &tree = c_.searchModel.Tree();
    const int presentation = std::max(CurrentPresentation(c_.commands), 0);
    c_.modes.State().FoundText =
        QCoreApplication::translate("TFoundView", "Найдено записей: %1").arg(found);
    c_.operation.StartOperation(
        QCoreApplication::translate("TFoundView", "Открытие результатов поиска"), found);

    // One reset of the view for the whole build; each sibling list is put
    // in order once, when it is next looked at.
    TTreeUpdate update(tree);
    c_.modes.State().EntireSelPath.clear();
    FillFoundTree(tree, presentation, c_.runner.Query(), [this] {
        c_.operation.StepOperation();
        return !c_.operation.OperationStopped();
    });
}

void TFoundView::RerunSearch()
{
    c_.runner.ExecuteSearch(c_.lastSearch.LastCondition);
    if (c_.runner.Query().IsOpen() && OpenResults(false))
        c_.modes.SetDbState(DbFound);
}

void TFoundView::SwitchFoundView(cmd::Id sender, bool alreadyChecked)
{
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.EndLabelEdit)
        c_.modes.hooks.EndLabelEdit();
    if (alreadyChecked)
        return;
    c_.commands.SetChecked(sender, true);
    if (!c_.commands.Enabled(cmd::FoundViewAction))
        return;
    if (c_.options.ConfirmReview &&
        c_.boxes.Show(
            QCoreApplication::translate("TFoundView",
                                        "Изменить представление текущих результатов поиска\r(это "
                                        "требует повторного обращения к базе данных)?"),
            QCoreApplication::translate("TFoundView", "Изменение представления результатов поиска"),
            TMsgIcon::Warning, MbYesNo) != TMsgAnswer::Yes)
        return;
    RerunSearch();
}

} // namespace qbx
