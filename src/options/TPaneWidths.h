#pragma once

#include <QString>

namespace qbx {

class IOptionsWindow;

// The widths the window remembers for its panes: the tree panel and the
// description list's value column, one pair for the catalogue tree (mode 2)
// and one for the search results (mode 3). The window's mode logic keeps
// them; PanelGeometry stores them between runs.
struct TPaneWidths {
    int EntireTreeWidth = 225;
    int EntireValueWidth = 245;
    int FoundTreeWidth = 225;
    int FoundValueWidth = 245;

    // Stores the value column's width into the pair of the visible tree, then
    // gives "EntireTreeWidth,EntireValueWidth,FoundTreeWidth,FoundValueWidth".
    QString PanelGeometryText(const IOptionsWindow &window);
    // Takes the numbers of a PanelGeometry text and gives the window the pair
    // of its visible tree; nothing when the text is empty or not four items.
    void ApplyPanelGeometry(const QString &panelGeometry, IOptionsWindow &window);
};

} // namespace qbx
