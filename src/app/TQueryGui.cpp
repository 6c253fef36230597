#include "app/TQueryGui.h"

#include "app/MainWindow.h"
#include "app/TCatalogueGui.h"
#include "app/TSearchGui.h"
#include "options/TOptions.h"
#include "shell/Help.h"
#include "storage/TCatalogueFiles.h"

namespace qbx {

TQueryGui::TQueryGui(TMainForm &form, IHelp &help)
    : form_(form), dialogs_(&queryForm_),
      queryForm_(form.Options(), form.MessageBoxes(), dialogs_, &form),
      search_({form.Options(), form.MessageBoxes(),
               [&form] {
                   if (form.Shell().hooks.EndLabelEdit)
                       form.Shell().hooks.EndLabelEdit();
               },
               [this] { return ShowDialog(); }, [this] { return queryForm_.Condition(); },
               [&form](const QString &condition) {
                   form.Search().Runner().ExecuteSearch(condition);
                   const engine::Query &query = form.Search().Query();
                   return query.IsOpen() ? int(query.RecordCount()) : -1;
               },
               [&form] { return form.Search().Results().OpenResults(true); },
               [&form] { form.Shell().SetDbState(DbFound); }})
{
    queryForm_.OnHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    form.SetHandler(cmd::ComplexSearchAction, [this] { search_.ComplexSearchClick(); });
    form.Catalogue().Files().showQueryEditor = [this](const QString &file) { OpenQueryFile(file); };
}

bool TQueryGui::ShowDialog()
{
    TQueryEditor &editor = queryForm_.Editor();
    if (editor.OpenDialog().InitialFolder.isEmpty())
        editor.OpenDialog().InitialFolder = form_.QueryDialogsFolder();
    if (editor.SaveDialog().InitialFolder.isEmpty())
        editor.SaveDialog().InitialFolder = form_.QueryDialogsFolder();
    return queryForm_.exec() == QDialog::Accepted;
}

void TQueryGui::OpenQueryFile(const QString &fileName)
{
    // QueryFilePending is set by the caller; the dialog loads the file as
    // it shows.
    queryForm_.Editor().OpenDialog().FileName = fileName;
    search_.ComplexSearchClick();
}

} // namespace qbx
