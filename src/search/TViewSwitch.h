#pragma once

namespace qbx {

class IMainView;
class TCommandState;
class TModeLogic;
class TTreeModel;

// The two view commands: "Всё содержимое" shows the whole catalogue (loading
// it on the first entry), "Результаты поиска" the search results; unchecking
// the shown one leaves the catalogue open with no pane.
class TViewSwitch {
public:
    // view: the width of the description list's value column, which each
    // view remembers for itself.
    TViewSwitch(TModeLogic &modes, TCommandState &commands, TTreeModel &searchModel,
                const IMainView &view);

    // Handlers of EntireViewAction and FoundViewAction; the command's check
    // has already been toggled when they run.
    void ShowEntireView();
    void ShowFoundView();

private:
    void EndLabelEdit();

    TModeLogic &modes_;
    TCommandState &commands_;
    TTreeModel &searchModel_;
    const IMainView &view_;
};

} // namespace qbx
