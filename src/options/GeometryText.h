#pragma once

#include <QString>

#include <array>
#include <optional>

namespace qbx {

// The four numbers of a geometry text ("left,top,width,height" or the four
// pane widths), or nothing when it does not have exactly four items. An item
// that is not a whole number stays empty.
std::optional<std::array<std::optional<int>, 4>> FourGeometryItems(const QString &text);

} // namespace qbx
