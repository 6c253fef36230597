#include "options/TPaneWidths.h"

#include "options/GeometryText.h"
#include "options/OptionsWindowSeam.h"

namespace qbx {

QString TPaneWidths::PanelGeometryText(const IOptionsWindow &window)
{
    (window.IsMainTreeViewVisible() ? EntireValueWidth : FoundValueWidth) =
        window.ValueColumnWidth();
    return QStringLiteral("%1,%2,%3,%4")
        .arg(EntireTreeWidth)
        .arg(EntireValueWidth)
        .arg(FoundTreeWidth)
        .arg(FoundValueWidth);
}

void TPaneWidths::ApplyPanelGeometry(const QString &panelGeometry, IOptionsWindow &window)
{
    if (panelGeometry.isEmpty())
        return;
    const auto items = FourGeometryItems(panelGeometry);
    if (!items)
        return;
    int *fields[] = {&EntireTreeWidth, &EntireValueWidth, &FoundTreeWidth, &FoundValueWidth};
    for (size_t i = 0; i < 4; ++i)
        if ((*items)[i])
            *fields[i] = *(*items)[i];
    const bool entire = window.IsMainTreeViewVisible();
    window.SetLeftPanelWidth(entire ? EntireTreeWidth : FoundTreeWidth);
    window.SetValueColumnWidth(entire ? EntireValueWidth : FoundValueWidth);
}

} // namespace qbx
