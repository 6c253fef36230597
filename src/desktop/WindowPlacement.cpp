#include "desktop/WindowPlacement.h"

#include <algorithm>

namespace qbx {

QPoint PlaceOver(QSize size, const QRect &anchor, const QRect &available)
{
    const QRect over = anchor.isEmpty() ? available : anchor;
    QPoint topLeft(over.x() + (over.width() - size.width()) / 2,
                   over.y() + (over.height() - size.height()) / 2);
    // The right and bottom edges first, so that the top left wins when the
    // window does not fit at all.
    topLeft.setX(std::min(topLeft.x(), available.x() + available.width() - size.width()));
    topLeft.setY(std::min(topLeft.y(), available.y() + available.height() - size.height()));
    topLeft.setX(std::max(topLeft.x(), available.x()));
    topLeft.setY(std::max(topLeft.y(), available.y()));
    return topLeft;
}

} // namespace qbx
