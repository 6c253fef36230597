#include "app/gui/TSearchGui.h"

#include "app/Session.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "interaction/CommandTable.h"
#include "options/TOptions.h"
#include "search/SelectByPath.h"

#include <QAction>
#include <QTimer>
#include <QTreeView>

namespace qbx {

TSearchGui::TSearchGui(TSession &session, IWindowCommands &commands, IWindowControls &controls)
    : session_(session), commands_(commands), controls_(controls),
      runner_({session.Environment(), session.ModeLogic(), session.View(), session.OperationView(),
               session.MessageBoxes(), query_, session.Document(), session.MainTree()}),
      foundView_({session.Options(), session.Document(), session.LastSearch(), session.ModeLogic(),
                  session.Commands(), session.View(), session.OperationView(), session.Operation(),
                  session.MessageBoxes(), runner_, session.SearchModel()}),
      stringForm_(*this, controls.DialogParent()), sizeForm_(*this, controls.DialogParent()),
      simple_({session.Options(), session.LastSearch(), session.ModeLogic(), session.Commands(),
               session.MessageBoxes(), runner_, foundView_, stringForm_, sizeForm_, *this})
{
    for (int c = FirstFoundViewSet; c <= LastFoundViewSet; ++c)
        commands.SetHandler(CommandAt(c), [this, c] {
            foundView_.SwitchFoundView(CommandAt(c), commands_.WasChecked());
        });
    session.ModeLogic().hooks.SelectPath = [this](const QString &path) { SelectPath(path); };

    commands.SetHandler(cmd::GlobalSearchAction, [this] { simple_.RunGlobalSearch(); });
    commands.SetHandler(cmd::SizeSearchAction, [this] { simple_.RunSizeSearch(); });
    for (int c = cmd::LabelSearchAction; c <= cmd::DescrSearchAction; ++c) {
        const int tag = CommandTable()[c].tag;
        if (FieldSearchOf(tag))
            commands.SetHandler(CommandAt(c), [this, tag] { simple_.RunFieldSearch(tag); });
    }
    session.ModeLogic().hooks.RunCommand = [&commands](cmd::Id command) {
        commands.Action(command)->trigger();
    };
}

bool TSearchGui::CatalogueOpen() const
{
    return session_.ModeLogic().DbState() != DbNone;
}

int TSearchGui::SizeUnit() const
{
    return session_.Options().SizeUnit;
}

void TSearchGui::SelectPath(const QString &path)
{
    if (!SelectByPath(session_.MainModel(), path))
        return;
    // The view may be about to be shown: scroll once it has its size.
    QTreeView *view = controls_.MainTreeView();
    view->scrollTo(view->currentIndex());
    QTimer::singleShot(0, view, [view] { view->scrollTo(view->currentIndex()); });
}

int TSearchGui::RunNewSearch(const QString &condition)
{
    session_.LastSearch().LastCondition = condition;
    runner_.ExecuteSearch(condition);
    if (!query_.IsOpen())
        return -1;
    const int found = int(query_.RecordCount());
    if (found > 0 && foundView_.OpenResults(true))
        session_.ModeLogic().SetDbState(DbFound);
    return found;
}

void TSearchGui::SetDefaultSearch(int command)
{
    commands_.SetSimpleSearchDefault(CommandAt(command));
}

} // namespace qbx
