#include "search/TComplexSearch.h"

#include "options/TOptions.h"
#include "interaction/WindowState.h"
#include "interaction/MessageBoxes.h"
#include "tree/LastSearch.h"

#include <QCoreApplication>

namespace qbx {

void TComplexSearch::RunComplexSearch()
{
    if (c_.window.DbState() == DbEntire && c_.endLabelEdit)
        c_.endLabelEdit();
    for (;;) {
        if (!c_.showDialog())
            return;
        const QString condition = c_.condition();
        const int found = c_.executeSearch(condition);
        if (found < 0)
            return;
        if (found > 0) {
            c_.lastSearch.LastCondition = condition;
            c_.lastSearch.ResultName = QStringLiteral("Query");
            if (c_.openResults())
                c_.showResults();
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
