#include "tree/ItemCommandRules.h"

namespace qbx {

std::vector<TCommandEnable> ItemCommandStates(const TSelectionSummary &s)
{
    const bool edit = s.Mode == DbEntire;
    const bool one = s.Count == 1;
    const bool some = s.Count >= 1;
    const bool notRoot = !s.RootSelected;
    const bool folderOrFile = s.FirstImage >= 2 && s.FirstImage <= 4;
    const bool discOrFolder = s.FirstImage >= 1 && s.FirstImage <= 3;
    const bool dataCmd = edit && some && notRoot && s.AnyData;

    auto on = [](cmd::Id command, bool enabled) { return TCommandEnable{command, enabled}; };
    return {
        on(cmd::AddTreeAction, edit && one),
        on(cmd::AddSubitemAction, edit && one),
        on(cmd::RenameItemAction, edit && one && notRoot),
        on(cmd::FolderFileAction, edit && one && folderOrFile),
        on(cmd::CalculateSizeAction, edit && one && discOrFolder && s.AnyChildren),
        on(cmd::DeleteItemAction, edit && some && notRoot),
        on(cmd::DeleteSubitemsAction, edit && some && s.AnyChildren),
        on(cmd::PasteDescrAction, edit && some && notRoot && s.ClipboardHasText),
        on(cmd::CopyDescrAction, some && notRoot && s.AnyData),
        on(cmd::EditDescrAction, notRoot && ((edit && some) || (s.Mode == DbFound && one))),
        on(cmd::CutDescrAction, dataCmd),
        on(cmd::DeleteDescrAction, dataCmd),
        on(cmd::ExpandNodeAction, some && s.AnyChildren && s.AnyCollapsed),
        on(cmd::ExpandNodesAction, some && s.AnyChildren),
        on(cmd::CollapseNodeAction, some && s.AnyChildren && s.AnyExpanded),
        on(cmd::CollapseNodesAction, some && s.AnyChildren),
    };
}

} // namespace qbx
