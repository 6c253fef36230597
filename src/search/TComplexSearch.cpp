#include "search/TComplexSearch.h"

#include "options/TOptions.h"
#include "interaction/WindowState.h"
#include "interaction/MessageBoxes.h"
#include "tree/LastSearch.h"

#include <QCoreApplication>

namespace qbx {

void TComplexSearch::RunComplexSearch()
{
    if (c_.window.DbState() == DbEntire)
        c_.steps.EndLabelEdit();
    for (;;) {
        if (!c_.steps.ShowQueryDialog())
            return;
        const QString condition = c_.steps.QueryCondition();
        const int found = c_.steps.ExecuteSearch(condition);
        if (found < 0)
            return;
        if (found > 0) {
            c_.lastSearch.LastCondition = condition;
            c_.lastSearch.ResultName = QStringLiteral("Query");
            if (c_.steps.OpenResults())
                c_.steps.ShowResults();
            return;
        }
        if (!c_.options.ConfirmResearch) {
            c_.boxes.Show(QCoreApplication::translate("TComplexSearch", "В базе данных не описан искомый продукт."), Title,
                          TMsgIcon::Warning, MbOk);
            return;
        }
        if (c_.boxes.Show(QCoreApplication::translate("TComplexSearch", "В базе данных не описан искомый продукт.\r"
                                         "Искать другой продукт?"),
                          Title, TMsgIcon::Warning, MbYesNo) != TMsgAnswer::Yes)
            return;
    }
}

} // namespace qbx
