#include "app/gui/TQueryGui.h"

#include "app/Session.h"
#include "app/gui/TSearchGui.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "options/TOptions.h"
#include "desktop/Help.h"
#include "storage/TCatalogueFiles.h"

namespace qbx {

TQueryGui::TQueryGui(TSession &session, IWindowCommands &commands, IWindowControls &controls,
                     TSearchGui &searches, IHelp &help)
    : session_(session), controls_(controls), searches_(searches), dialogs_(&queryForm_),
      queryForm_(session.Options(), session.Window(), session.Document(), session.MessageBoxes(),
                 dialogs_, controls.DialogParent()),
      search_({session.Options(), session.Window(), session.LastSearch(), session.MessageBoxes(),
               *this})
{
    queryForm_.OnHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    commands.SetHandler(cmd::ComplexSearchAction, [this] { search_.RunComplexSearch(); });
    session.Files().SetQueryEditor(this);
}

void TQueryGui::EndLabelEdit()
{
    if (session_.ModeLogic().hooks.EndLabelEdit)
        session_.ModeLogic().hooks.EndLabelEdit();
}

QString TQueryGui::QueryCondition() const
{
    return queryForm_.Condition();
}

int TQueryGui::ExecuteSearch(const QString &condition)
{
    searches_.Runner().ExecuteSearch(condition);
    const engine::Query &query = searches_.Query();
    return query.IsOpen() ? int(query.RecordCount()) : -1;
}

bool TQueryGui::OpenResults()
{
    return searches_.FoundView().OpenResults(true);
}

void TQueryGui::ShowResults()
{
    session_.ModeLogic().SetDbState(DbFound);
}

bool TQueryGui::ShowQueryDialog()
{
    TQueryEditor &editor = queryForm_.Editor();
    if (editor.OpenDialog().InitialFolder.isEmpty())
        editor.OpenDialog().InitialFolder = controls_.QueryDialogsFolder();
    if (editor.SaveDialog().InitialFolder.isEmpty())
        editor.SaveDialog().InitialFolder = controls_.QueryDialogsFolder();
    return queryForm_.exec() == QDialog::Accepted;
}

void TQueryGui::EditQueryFile(const QString &fileName)
{
    // QueryFilePending is set by the caller; the dialog loads the file as
    // it shows.
    queryForm_.Editor().OpenDialog().FileName = fileName;
    search_.RunComplexSearch();
}

} // namespace qbx
