#pragma once

#include "engine/Query.h"
#include "search/TFoundView.h"
#include "search/TSearchRunner.h"
#include "search/TSimpleSearches.h"
#include "search/gui/TSearchIntForm.h"
#include "search/gui/TSearchStrForm.h"

#include <functional>

namespace qbx {

class IWindowCommands;
class IWindowControls;
class TSession;

// Puts the searches into the main window: the one query object, the runner
// that executes conditions against the catalogue or its unsaved tree, the
// result views in SearchTreeView with the four presentation commands, and
// the selection of an item by its path in MainTreeView, and the simple
// searches with their dialogs and the tool-bar button that repeats them.
class TSearchGui : private IDefaultSearch, private ISearchFormState {
public:
    TSearchGui(TSession &session, IWindowCommands &commands, IWindowControls &controls);

    TSearchRunner &Runner() { return runner_; }
    TFoundView &FoundView() { return foundView_; }
    // The main window's query object: open after a statement that ran.
    const engine::Query &Query() const { return query_; }
    TSimpleSearches &Simple() { return simple_; }
    // The two simple-search dialogs.
    TSearchStrForm &StringForm() { return stringForm_; }
    TSearchIntForm &SizeForm() { return sizeForm_; }

    // A new search with a condition (kind filter included) as the search
    // commands run it: the condition becomes LastCondition, the statement
    // runs, and rows found are shown in mode 3 after the questions. Gives
    // the number of rows found, or -1 when the statement failed.
    int RunNewSearch(const QString &condition);

private:
    // IDefaultSearch
    void SetDefaultSearch(int command) override;
    // ISearchFormState
    bool CatalogueOpen() const override;
    int SizeUnit() const override;

    void SelectPath(const QString &path);

    TSession &session_;
    IWindowCommands &commands_;
    IWindowControls &controls_;
    engine::Query query_;
    TSearchRunner runner_;
    TFoundView foundView_;
    TSearchStrForm stringForm_;
    TSearchIntForm sizeForm_;
    TSimpleSearches simple_;
};

} // namespace qbx
