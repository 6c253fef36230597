#include "search/SimpleSearchForms.h"

#include <QCoreApplication>

namespace qbx {

int64_t SizeUnitBytes(int unit)
{
    return unit >= 0 && unit < kSizeUnitCount ? int64_t(1) << (10 * unit) : 1;
}

QString SizeUnitText(int unit)
{
    static const char *const texts[kSizeUnitCount] = {
        QT_TRANSLATE_NOOP("SimpleSearchForms", "байт"), QT_TRANSLATE_NOOP("SimpleSearchForms", "кБ"),
        QT_TRANSLATE_NOOP("SimpleSearchForms", "МБ"), QT_TRANSLATE_NOOP("SimpleSearchForms", "ГБ")};
    return QCoreApplication::translate("SimpleSearchForms",
                                       texts[unit >= 0 && unit < kSizeUnitCount ? unit : 0]);
}

int ChooseSizeUnit(int selected, int sizeUnit, int64_t fromBytes, int64_t toBytes)
{
    if (selected >= 0 && selected < kSizeUnitCount)
        return selected;
    if (sizeUnit >= 0 && sizeUnit < kSizeUnitCount)
        return sizeUnit;
    if (sizeUnit != kSizeUnitCount)
        return 0;
    const int64_t m = std::max(fromBytes, toBytes);
    int unit = 0;
    while (unit + 1 < kSizeUnitCount && m >= SizeUnitBytes(unit + 1))
        ++unit;
    return unit;
}

int64_t BytesInUnit(int64_t bytes, int unit)
{
    const int64_t size = SizeUnitBytes(unit);
    int64_t q = bytes / size;
    const int64_t r = bytes % size;
    const int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > size || (twice == size && q % 2 != 0))
        q += bytes < 0 ? -1 : 1;
    return q;
}

} // namespace qbx
