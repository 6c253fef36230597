#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace qbx {

// Where a window of frame size `size` goes: centred on the window that asked
// for it (`anchor`, its frame; an empty one centres on the screen), then
// moved as little as needed to lie wholly inside `available` (the screen's
// work area). A window larger than the area keeps its top left corner in it.
QPoint PlaceOver(QSize size, const QRect &anchor, const QRect &available);

} // namespace qbx
