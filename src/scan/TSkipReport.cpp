#include "scan/TSkipReport.h"
#include "tree/FieldCapacities.h"

#include <algorithm>
#include <utility>
#include <QCoreApplication>

namespace qbx {

QString ShortenPath(const QString &path, int width)
{
    if (width <= 0 || path.size() <= width)
        return path;
    // The end names the entry and the start the place it lies in: the
    // middle goes. The end keeps the larger share.
    const int tail = std::max(1, (width - 1) * 3 / 5);
    const int head = std::max(0, width - 1 - tail);
    return path.left(head) + QChar(0x2026) + path.right(tail);
}

namespace {

void AppendPaths(QString &text, const TSkipReport::Group &group, int pathWidth)
{
    text += group.count > TSkipReport::ShownPaths
                ? QCoreApplication::translate("TSkipReport", "\rПервые %1:").arg(TSkipReport::ShownPaths)
                : QCoreApplication::translate("TSkipReport", "\rСписок:");
    for (const QString &path : group.paths)
        text += u'\r' + ShortenPath(path, pathWidth);
}

void AppendGroup(QString &text, const TSkipReport::Group &group, const QString &heading,
                 int pathWidth)
{
    if (group.count == 0)
        return;
    if (!text.isEmpty())
        text += QStringLiteral("\r\r");
    text += heading.arg(group.count);
    AppendPaths(text, group, pathWidth);
}

} // namespace

void TSkipReport::AddArchiveNames(const QString &archive, qint64 count)
{
    if (count > 0)
        names_.Add(QCoreApplication::translate("TSkipReport", "%1 (элементов архива: %2)").arg(archive, QString::number(count)),
                   count);
}

QString TSkipReport::Text(int pathWidth) const
{
    // The groups in the order the report names them; each heading takes the
    // group's count as %1 (and the path capacity as %2).
    const std::pair<const Group &, const char *> groups[] = {
        {names_, QT_TRANSLATE_NOOP("TSkipReport",
                                   "Не добавлено в каталог элементов: %1.\rИх имена нельзя сохранить "
                                   "в каталоге (символ \\, управляющие или неподдерживаемые символы) "
                                   "или повторяют имена соседних элементов без учёта регистра букв.\r")},
        {tooLong_, QT_TRANSLATE_NOOP("TSkipReport",
                                     "Не добавлено в каталог элементов со слишком длинным путём: %1.\r"
                                     "Путь элемента внутри диска в каталоге не может быть длиннее "
                                     "%2 символов.\r")},
        {special_, QT_TRANSLATE_NOOP("TSkipReport",
                                     "Не добавлено в каталог особых элементов: %1.\rЭто ссылки на "
                                     "папки, ссылки, ведущие в никуда, каналы, сокеты и устройства.\r")},
        {vanished_, QT_TRANSLATE_NOOP("TSkipReport",
                                      "Не добавлено в каталог, так как исчезло во время обхода: %1.\r"
                                      "Эти файлы и папки были удалены или переименованы, пока диск "
                                      "просматривался.\r")},
        {unlisted_, QT_TRANSLATE_NOOP("TSkipReport",
                                      "Папок, содержимое которых не удалось прочитать: %1.\rВ каталог "
                                      "они занесены без содержимого.\r")},
        {unreadFiles_, QT_TRANSLATE_NOOP("TSkipReport",
                                         "Файлов, которые не удалось прочитать: %1.\rВ каталог они "
                                         "занесены без распознанного описания.\r")},
        {unreadable_, QT_TRANSLATE_NOOP("TSkipReport",
                                        "Архивов, содержимое которых не удалось прочитать: %1.\rОни "
                                        "повреждены, зашифрованы или их формат не поддерживается; в "
                                        "каталог они занесены без содержимого.\r")},
        {capped_, QT_TRANSLATE_NOOP("TSkipReport",
                                    "Архивов, содержимое которых занесено не полностью: %1.\rВ них "
                                    "слишком много элементов; занесены только первые.\r")},
    };
    QString text;
    for (const auto &[group, heading] : groups) {
        QString shown = QCoreApplication::translate("TSkipReport", heading);
        if (&group == &tooLong_)
            shown.replace(QStringLiteral("%2"), QString::number(kPathCapacity));
        AppendGroup(text, group, shown, pathWidth);
    }
    return text;
}

} // namespace qbx
