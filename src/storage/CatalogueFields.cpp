#include "storage/CatalogueFields.h"
#include "tree/FieldCapacities.h"

#include <cmath>
#include <limits>

namespace qbx {

const std::array<TCatalogueField, CfCount> &CatalogueFields()
{
    using engine::FieldKind;
    static const std::array<TCatalogueField, CfCount> fields{{
        {"Label", FieldKind::String, kLabelCapacity, QStringLiteral("Метка компакт-диска")},
        {"Path", FieldKind::String, kPathCapacity, QStringLiteral("Полный путь")},
        {"Producer", FieldKind::String, kProducerCapacity, QStringLiteral("Производитель")},
        {"Product", FieldKind::String, kProductCapacity, QStringLiteral("Продукт")},
        {"Version", FieldKind::String, kVersionCapacity, QStringLiteral("Версия")},
        {"ByteSize", FieldKind::Float, 0, QStringLiteral("Размер")},
        {"Description", FieldKind::String, kDescriptionCapacity, QStringLiteral("Описание")},
    }};
    return fields;
}

std::vector<engine::FieldDef> CatalogueFieldDefs(bool integerSize)
{
    std::vector<engine::FieldDef> defs;
    for (const TCatalogueField &f : CatalogueFields()) {
        if (f.type == engine::FieldKind::String)
            defs.push_back(engine::FieldDef::Alpha(f.name, uint32_t(f.size)));
        else if (integerSize)
            defs.push_back(engine::FieldDef::Long(f.name));
        else
            defs.push_back(engine::FieldDef::Number(f.name));
    }
    return defs;
}

double ByteSizeToField(qint64 size)
{
    return double(size);
}

qint64 ByteSizeFromField(double value)
{
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    // 2^63 is the first double past qint64's range.
    if (t >= 9223372036854775808.0)
        return std::numeric_limits<qint64>::max();
    if (t < -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(t);
}

} // namespace qbx
