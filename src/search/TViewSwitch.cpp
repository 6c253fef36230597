#include "search/TViewSwitch.h"

#include "search/TFoundView.h"
#include "interaction/CommandState.h"
#include "interaction/ModeLogic.h"
#include "interaction/MainView.h"
#include "tree/CataloguePath.h"
#include "tree/NodePaths.h"
#include "tree/NodeRecord.h"
#include "tree/TTreeModel.h"

namespace qbx {

TViewSwitch::TViewSwitch(TModeLogic &modes, TCommandState &commands, TTreeModel &searchModel,
                         const IMainView &view)
    : modes_(modes), commands_(commands), searchModel_(searchModel), view_(view)
{
}

void TViewSwitch::EndLabelEdit()
{
    if (modes_.DbState() == DbEntire && modes_.hooks.EndLabelEdit)
        modes_.hooks.EndLabelEdit();
}

void TViewSwitch::ShowEntireView()
{
    EndLabelEdit();
    if (!commands_.Checked(cmd::EntireViewAction)) {
        modes_.SetDbState(DbOpen);
        return;
    }
    if (modes_.DbState() == DbFound) {
        // Coming back from the results: the catalogue view selects the item
        // that was selected among them.
        modes_.State().EntireSelPath.clear();
        const auto selected = searchModel_.SelectedNodes();
        if (selected.size() == 1 && selected.front()->Parent()) {
            // A standard result node stands where the item stands in the
            // catalogue; in the other presentations only its record knows.
            const TTreeNode *node = selected.front();
            if (CurrentPresentation(commands_) == PresentStandard)
                modes_.State().EntireSelPath = JoinPath(DiscLabel(node), ItemPath(node));
            else if (const TFoundRecord *record = node->FoundRecord())
                modes_.State().EntireSelPath = JoinPath(record->Label, record->Path);
        }
        modes_.State().Panes.FoundValueWidth = view_.ValueColumnWidth();
    }
    modes_.SetDbState(DbEntire);
}

void TViewSwitch::ShowFoundView()
{
    EndLabelEdit();
    if (commands_.Checked(cmd::FoundViewAction)) {
        if (modes_.DbState() == DbEntire)
            modes_.State().Panes.EntireValueWidth = view_.ValueColumnWidth();
        modes_.SetDbState(DbFound);
    } else {
        modes_.SetDbState(DbOpen);
    }
}

} // namespace qbx
