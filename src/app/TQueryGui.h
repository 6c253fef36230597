#pragma once

#include "search/TComplexSearch.h"
#include "search/TQueryFileDialogsGui.h"
#include "search/TQueryForm.h"

namespace qbx {

class IHelp;
class TMainForm;

// Puts the complex query editor into the main window: the query dialog
// (created once, so its tree lasts for the run), "Сложный поиск...", and the
// query files handed over by the Open command and the command line.
class TQueryGui {
public:
    TQueryGui(TMainForm &form, IHelp &help);

    TQueryForm &Form() { return queryForm_; }

    // Shows the editor with a query file loaded; after OK the query is
    // searched as "Сложный поиск..." searches it.
    void OpenQueryFile(const QString &fileName);

private:
    bool ShowDialog();

    TMainForm &form_;
    TQueryFileDialogsGui dialogs_;
    TQueryForm queryForm_;
    TComplexSearch search_;
};

} // namespace qbx
