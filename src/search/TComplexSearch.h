#pragma once

#include <QString>

#include <functional>
#include <QCoreApplication>

namespace qbx {

class IMessageBoxes;
class TOptions;
class TWindowState;
struct TLastSearch;

// What the complex search works with; the window binds each to its part.
struct TComplexSearchContext {
    const TOptions &options;
    const TWindowState &window; // the mode
    TLastSearch &lastSearch;    // set by a search that finds records
    IMessageBoxes &boxes;
    // Ends an in-place label edit of MainTreeView, discarding it.
    std::function<void()> endLabelEdit;
    // Shows the query dialog modally: true when it closed with OK.
    std::function<bool()> showDialog;
    // The condition built by the dialog's last OK.
    std::function<QString()> condition;
    // Runs a condition: the number of rows found, or -1 when the statement
    // failed (the failure has been reported).
    std::function<int(const QString &)> executeSearch;
    // Shows the rows found as a new search's results; false when the user
    // declined to see them.
    std::function<bool()> openResults;
    // Switches the window to the search results.
    std::function<void()> showResults;
};

// "Сложный поиск...": the query dialog, then the search of its condition;
// when nothing is found the dialog may be shown again with the same tree.
class TComplexSearch {
public:
    explicit TComplexSearch(TComplexSearchContext context) : c_(std::move(context)) {}

    void RunComplexSearch();

    static inline const QString Title = QCoreApplication::translate("TComplexSearch", "Поиск в базе данных");

private:
    TComplexSearchContext c_;
};

} // namespace qbx
