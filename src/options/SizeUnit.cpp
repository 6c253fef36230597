#include "options/SizeUnit.h"

namespace qbx {

int ShownSizeUnit(const QString &shownText, int sizeUnit)
{
    if (shownText.isEmpty() || shownText == QLatin1String("0"))
        return sizeUnit;
    if (shownText.contains(QStringLiteral("ГБ")))
        return SuGByte;
    if (shownText.contains(QStringLiteral("МБ")))
        return SuMByte;
    if (shownText.contains(QStringLiteral("кБ")))
        return SuKByte;
    return SuByte;
}

} // namespace qbx
