#pragma once

#include <QString>

#include <QCoreApplication>

#include <utility>

namespace qbx {

class IMessageBoxes;
class TOptions;
class TWindowState;
struct TLastSearch;

// The steps of a complex search that the window carries out: the query
// dialog, the search runner and the results. The query editor's binder
// implements it; tests log the calls.
class IComplexSearchSteps {
public:
    virtual ~IComplexSearchSteps() = default;
    // Ends an in-place label edit of MainTreeView, discarding it.
    virtual void EndLabelEdit() = 0;
    // Shows the query dialog modally: true when it closed with OK.
    virtual bool ShowQueryDialog() = 0;
    // The condition built by the dialog's last OK.
    virtual QString QueryCondition() const = 0;
    // Runs a condition: the number of rows found, or -1 when the statement
    // failed (the failure has been reported).
    virtual int ExecuteSearch(const QString &condition) = 0;
    // Shows the rows found as a new search's results; false when the user
    // declined to see them.
    virtual bool OpenResults() = 0;
    // Switches the window to the search results.
    virtual void ShowResults() = 0;
};

// What the complex search works with.
struct TComplexSearchContext {
    const TOptions &options;
    const TWindowState &window; // the mode
    TLastSearch &lastSearch;    // set by a search that finds records
    IMessageBoxes &boxes;
    IComplexSearchSteps &steps;
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
