#include "options/GeometryText.h"

#include <QStringList>

namespace qbx {

std::optional<std::array<std::optional<int>, 4>> FourGeometryItems(const QString &text)
{
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() != 4)
        return std::nullopt;
    std::array<std::optional<int>, 4> numbers;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int n = items[i].trimmed().toInt(&ok, 10);
        if (ok)
            numbers[size_t(i)] = n;
    }
    return numbers;
}

} // namespace qbx
