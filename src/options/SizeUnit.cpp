#include "options/SizeUnit.h"

#include <QCoreApplication>

namespace qbx {

namespace {

// The unit as SizeText shows it, without its leading space.
QString Unit(const char *text)
{
    return QCoreApplication::translate("SizeText", text).trimmed();
}

} // namespace

int ShownSizeUnit(const QString &shownText, int sizeUnit)
{
    if (shownText.isEmpty() || shownText == QLatin1String("0"))
        return sizeUnit;
    if (shownText.contains(Unit(QT_TRANSLATE_NOOP("SizeText", " ГБ"))))
        return SuGByte;
    if (shownText.contains(Unit(QT_TRANSLATE_NOOP("SizeText", " МБ"))))
        return SuMByte;
    if (shownText.contains(Unit(QT_TRANSLATE_NOOP("SizeText", " кБ"))))
        return SuKByte;
    return SuByte;
}

} // namespace qbx
