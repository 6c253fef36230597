#include "scan/TSkipReport.h"

namespace qbx {

QString TSkipReport::Text() const
{
    if (count_ == 0)
        return {};
    QString text =
        QStringLiteral("Не добавлено в каталог элементов: %1.\rИх имена нельзя сохранить "
                       "в каталоге (недопустимые или неподдерживаемые символы) или "
                       "повторяют имена соседних элементов без учёта регистра букв.\r")
            .arg(count_);
    text += count_ > ShownPaths ? QStringLiteral("\rПервые %1:").arg(ShownPaths)
                                : QStringLiteral("\rСписок:");
    for (const QString &path : paths_)
        text += u'\r' + path;
    return text;
}

} // namespace qbx
