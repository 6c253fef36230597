#include "tree/ItemCommandRules.h"

namespace qbx {

std::vector<TCommandEnable> ItemCommandStates(const TSelectionSummary &s)
{
    const bool edit = s.Mode == 2;
    const bool one = s.Count == 1;
    const bool some = s.Count >= 1;
    const bool notRoot = !s.RootSelected;
    const bool folderOrFile = s.FirstImage >= 2 && s.FirstImage <= 4;
    const bool discOrFolder = s.FirstImage >= 1 && s.FirstImage <= 3;
    const bool dataCmd = edit && some && notRoot && s.AnyData;

    auto on = [](const char *name, bool enabled) {
        return TCommandEnable{QString::fromLatin1(name), enabled};
    };
    return {
        on("AddTreeAction", edit && one),
        on("AddSubitemAction", edit && one),
        on("RenameItemAction", edit && one && notRoot),
        on("FolderFileAction", edit && one && folderOrFile),
        on("CalculateSizeAction", edit && one && discOrFolder && s.AnyChildren),
        on("DeleteItemAction", edit && some && notRoot),
        on("DeleteSubitemsAction", edit && some && s.AnyChildren),
        on("PasteDescrAction", edit && some && notRoot && s.ClipboardHasText),
        on("CopyDescrAction", some && notRoot && s.AnyData),
        on("EditDescrAction", notRoot && ((edit && some) || (s.Mode == 3 && one))),
        on("CutDescrAction", dataCmd),
        on("DeleteDescrAction", dataCmd),
        on("ExpandNodeAction", some && s.AnyChildren && s.AnyCollapsed),
        on("ExpandNodesAction", some && s.AnyChildren),
        on("CollapseNodeAction", some && s.AnyChildren && s.AnyExpanded),
        on("CollapseNodesAction", some && s.AnyChildren),
    };
}

} // namespace qbx
