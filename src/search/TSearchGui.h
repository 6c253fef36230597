#pragma once

#include "engine/Query.h"
#include "search/TSearchResults.h"
#include "search/TSearchRunner.h"

#include <functional>

namespace qbx {

class TCatalogueGui;
class TMainForm;

// Puts the searches into the main window: the one query object, the runner
// that executes conditions against the catalogue or its temporary copy, the
// result views in SearchTreeView with the four presentation commands, and
// the selection of an item by its path in MainTreeView.
class TSearchGui {
public:
    TSearchGui(TMainForm &form, TCatalogueGui &catalogue);

    TSearchRunner &Runner() { return runner_; }
    TSearchResults &Results() { return results_; }

    // A new search with a condition (kind filter included) as the search
    // commands run it: the condition becomes LastCondition, the statement
    // runs, and rows found are shown in mode 3 after the questions. Gives
    // the number of rows found, or -1 when the statement failed.
    int RunNewSearch(const QString &condition);

    // Writes the temporary copy of the changed tree (set by the saving part).
    std::function<void()> makeSearchCopy;

private:
    void SelectPath(const QString &path);

    TMainForm &form_;
    TCatalogueGui &catalogue_;
    engine::Query query_;
    TSearchRunner runner_;
    TSearchResults results_;
};

} // namespace qbx
