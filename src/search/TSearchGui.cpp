#include "search/TSearchGui.h"

#include "app/MainWindow.h"
#include "options/TOptions.h"
#include "search/SelectByPath.h"
#include "storage/TCatalogueGui.h"

#include <QTimer>
#include <QTreeView>

namespace qbx {

TSearchGui::TSearchGui(TMainForm &form, TCatalogueGui &catalogue)
    : form_(form), catalogue_(catalogue),
      runner_({form.Options(), form.Shell(), form.Commands(), form, form, form.MessageBoxes(),
               query_, [&catalogue] { return catalogue.Files().TableName(); },
               [this] {
                   if (makeSearchCopy)
                       makeSearchCopy();
               }}),
      results_({form.Options(), form.Shell(), form.Commands(), form, form, form.Operation(),
                form.MessageBoxes(), runner_, catalogue.SearchModel(),
                [&catalogue] { return catalogue.Files().TableName(); },
                [&form, &catalogue] {
                    const QModelIndex root =
                        catalogue.SearchModel().IndexOf(catalogue.SearchTree().Root());
                    form.SearchTreeView()->expand(root);
                }})
{
    for (int c = FirstFoundViewSet; c <= LastFoundViewSet; ++c)
        form.SetHandler(CommandAt(c), [this, c] {
            results_.FoundViewSetClick(CommandAt(c), form_.WasChecked());
        });
    form.Shell().hooks.SelectPath = [this](const QString &path) { SelectPath(path); };
}

void TSearchGui::SelectPath(const QString &path)
{
    if (!SelectByPath(catalogue_.MainModel(), path))
        return;
    // The view may be about to be shown: scroll once it has its size.
    QTreeView *view = form_.MainTreeView();
    view->scrollTo(view->currentIndex());
    QTimer::singleShot(0, view, [view] { view->scrollTo(view->currentIndex()); });
}

int TSearchGui::RunNewSearch(const QString &condition)
{
    form_.Options().LastCondition = condition;
    runner_.ExecuteSearch(condition);
    if (!query_.IsOpen())
        return -1;
    const int found = int(query_.RecordCount());
    if (found > 0 && results_.OpenResults(true))
        form_.Shell().SetDbState(DbFound);
    return found;
}

} // namespace qbx
