#pragma once

#include "interaction/WindowState.h"
#include "interaction/CommandTable.h"

#include <vector>

namespace qbx {

// What the item commands' enabled state depends on: the mode and a summary of
// the selected nodes of the visible tree.
struct TSelectionSummary {
    TDbState Mode = DbNone;
    int Count = 0;             // selected nodes
    bool RootSelected = false; // the visible tree's root is among them
    int FirstImage = -1;       // image index of the (first) selected node
    bool AnyExpanded = false;
    bool AnyCollapsed = false; // a selected node is not expanded
    bool AnyChildren = false;
    bool AnyData = false; // a description, or a result record in mode 3
    bool ClipboardHasText = false;
};

struct TCommandEnable {
    cmd::Id Command;
    bool Enabled;
};

// Enabled state of every item command for the selection, in command-table
// order.
std::vector<TCommandEnable> ItemCommandStates(const TSelectionSummary &s);

} // namespace qbx
