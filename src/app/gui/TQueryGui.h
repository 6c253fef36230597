#pragma once

#include "search/TComplexSearch.h"
#include "search/gui/TQueryFileDialogsGui.h"
#include "search/gui/TQueryForm.h"
#include "storage/IQueryFileEditor.h"

namespace qbx {

class IHelp;
class IWindowCommands;
class IWindowControls;
class TSearchGui;
class TSession;

// Puts the complex query editor into the main window: the query dialog
// (created once, so its tree lasts for the run), "Сложный поиск...", and the
// query files handed over by the Open command and the command line.
class TQueryGui : public IQueryFileEditor, private IComplexSearchSteps {
public:
    TQueryGui(TSession &session, IWindowCommands &commands, IWindowControls &controls,
              TSearchGui &searches, IHelp &help);

    TQueryForm &Form() { return queryForm_; }

    // Shows the editor with a query file loaded; after OK the query is
    // searched as "Сложный поиск..." searches it.
    void EditQueryFile(const QString &fileName) override;

private:
    // IComplexSearchSteps
    void EndLabelEdit() override;
    bool ShowQueryDialog() override;
    QString QueryCondition() const override;
    int ExecuteSearch(const QString &condition) override;
    bool OpenResults() override;
    void ShowResults() override;

    TSession &session_;
    IWindowControls &controls_;
    TSearchGui &searches_;
    TQueryFileDialogsGui dialogs_;
    TQueryForm queryForm_;
    TComplexSearch search_;
};

} // namespace qbx
