#include "app/TSearchGui.h"

#include "app/MainWindow.h"
#include "app/TCatalogueGui.h"
#include "options/TOptions.h"
#include "search/SelectByPath.h"
#include "session/CommandTable.h"

#include <QAction>
#include <QTimer>
#include <QTreeView>

namespace qbx {

TSearchGui::TSearchGui(TMainForm &form, TCatalogueGui &catalogue)
    : form_(form), catalogue_(catalogue),
      runner_({form.Options(), form.Shell(), form.Commands(), form, form, form.MessageBoxes(),
               query_, [&catalogue] { return catalogue.Files().TableName(); },
               [&catalogue] { catalogue.Saving().MakeSearchCopy(); }}),
      results_({form.Options(), form.Shell(), form.Commands(), form, form, form.Operation(),
                form.MessageBoxes(), runner_, catalogue.SearchModel(),
                [&catalogue] { return catalogue.Files().TableName(); },
                [&form, &catalogue] {
                    const QModelIndex root =
                        catalogue.SearchModel().IndexOf(catalogue.SearchTree().Root());
                    form.SearchTreeView()->expand(root);
                }}),
      stringForm_(&form), sizeForm_(&form),
      simple_({form.Options(), form.Shell(), form.Commands(), form.MessageBoxes(), runner_,
               results_, stringForm_, sizeForm_,
               [&form](int command) { form.SetSimpleSearchDefault(CommandAt(command)); }})
{
    for (int c = FirstFoundViewSet; c <= LastFoundViewSet; ++c)
        form.SetHandler(CommandAt(c), [this, c] {
            results_.FoundViewSetClick(CommandAt(c), form_.WasChecked());
        });
    form.Shell().hooks.SelectPath = [this](const QString &path) { SelectPath(path); };

    form.SetHandler(cmd::GlobalSearchAction, [this] { simple_.GlobalSearchClick(); });
    form.SetHandler(cmd::SizeSearchAction, [this] { simple_.SizeSearchClick(); });
    for (int c = cmd::LabelSearchAction; c <= cmd::DescrSearchAction; ++c) {
        const int tag = CommandTable()[c].tag;
        if (FieldSearchOf(tag))
            form.SetHandler(CommandAt(c), [this, tag] { simple_.FieldSearchClick(tag); });
    }
    form.Shell().hooks.RunCommand = [&form](cmd::Id command) { form.Action(command)->trigger(); };
    const auto open = [&form] { return form.Options().DbState != DbNone; };
    stringForm_.catalogueOpen = open;
    sizeForm_.catalogueOpen = open;
    sizeForm_.sizeUnit = [&form] { return form.Options().SizeUnit; };
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
