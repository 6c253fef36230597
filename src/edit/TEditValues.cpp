#include "edit/TEditValues.h"

#include "edit/ItemNames.h"

#include <algorithm>

namespace qbx {

TShownSize FormatSize(int64_t bytes, int sizeUnit)
{
    TShownSize s;
    if (sizeUnit >= 0 && sizeUnit < kEditSizeUnits)
        s.Unit = sizeUnit;
    else if (sizeUnit == 4)
        s.Unit = bytes < 1024 ? 0 : bytes < 1048576 ? 1 : bytes < 1073741824 ? 2 : 3;
    if (bytes <= 0)
        return s; // also -1, no size
    const int64_t f = kEditUnitFactor[s.Unit];
    int64_t n = bytes / f;
    const int64_t twice = 2 * (bytes % f);
    if (twice > f || (twice == f && n % 2 != 0))
        ++n;
    s.Number = int(std::min<int64_t>(n, kEditSizeMax));
    return s;
}

TEditControls TEditFormLogic::Show(TEditValues &values, int sizeUnit)
{
    values.DescrChanged = false;
    values.KindChange = 0;
    given_ = values;
    shown_ = FormatSize(values.Size, sizeUnit);
    return {values.Path, values.Producer, values.Product, values.Version, shown_, values.Descr};
}

bool TEditFormLogic::Differs(const TEditControls &c) const
{
    return c.Path != given_.Path || c.Producer != given_.Producer || c.Product != given_.Product ||
           c.Version != given_.Version || c.Descr != given_.Descr || !(c.Size == shown_);
}

QString TEditFormLogic::FolderPath(const QString &path, bool folder)
{
    QString p = path.endsWith(u'\\') ? path.chopped(1) : path;
    if (folder)
        p += u'\\';
    return p;
}

bool TEditFormLogic::Accept(const TEditControls &c, TEditValues &values) const
{
    const std::optional<QString> producer = TypedText(c.Producer);
    const std::optional<QString> product = TypedText(c.Product);
    const std::optional<QString> version = TypedText(c.Version);
    const std::optional<QString> descr = TypedText(c.Descr);
    if (!producer || !product || !version || !descr)
        return false;
    values = given_;
    if (c.Path + u'\\' == given_.Path)
        values.KindChange = 1;
    else if (c.Path == given_.Path + u'\\')
        values.KindChange = 2;
    values.Path = c.Path;
    const bool sizeTouched = !(c.Size == shown_);
    values.DescrChanged = *producer != given_.Producer || *product != given_.Product ||
                          *version != given_.Version || *descr != given_.Descr || sizeTouched;
    values.Producer = *producer;
    values.Product = *product;
    values.Version = *version;
    if (sizeTouched) {
        const int unit = c.Size.Unit >= 0 && c.Size.Unit < kEditSizeUnits ? c.Size.Unit : 0;
        values.Size = int64_t(std::clamp(c.Size.Number, 0, kEditSizeMax)) * kEditUnitFactor[unit];
    }
    values.Descr = *descr;
    return true;
}

} // namespace qbx
