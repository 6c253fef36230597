#include "tree/SizeText.h"

#include <QCoreApplication>

namespace qbx {
namespace {

struct UnitInfo {
    const char *text; // untranslated, with its leading space
    double divisor;
    int decimals;
};

const UnitInfo kUnits[4] = {
    {QT_TRANSLATE_NOOP("SizeText", " байт"), 1.0, 0},
    {QT_TRANSLATE_NOOP("SizeText", " кБ"), 1024.0, 2},
    {QT_TRANSLATE_NOOP("SizeText", " МБ"), 1048576.0, 2},
    {QT_TRANSLATE_NOOP("SizeText", " ГБ"), 1073741824.0, 2},
};

int AutoUnit(int64_t size)
{
    if (size < 1024)
        return SuByte;
    if (size < 1048576)
        return SuKByte;
    if (size < 1073741824)
        return SuMByte;
    return SuGByte;
}

} // namespace

QString SizeText(int64_t size, int sizeUnit, bool emptySize, const QLocale &locale)
{
    if (size == -1)
        return QString();
    if (size == 0)
        return emptySize ? QString() : QStringLiteral("0");
    int unit = sizeUnit;
    if (unit == SuAuto)
        unit = AutoUnit(size);
    if (unit < SuByte || unit > SuGByte || size < 0)
        unit = SuByte;
    const UnitInfo &u = kUnits[unit];
    const QString number = unit == SuByte
                               ? locale.toString(qlonglong(size))
                               : locale.toString(double(size) / u.divisor, 'f', u.decimals);
    return number + QCoreApplication::translate("SizeText", u.text);
}

} // namespace qbx
