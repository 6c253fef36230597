#include "search/QueryWords.h"

#include "search/QueryComparison.h"
#include "search/QueryTree.h"
#include "storage/CatalogueFields.h"

#include <QCoreApplication>

namespace qbx {

namespace {

// Every word the editor keeps as data, as the source text of its
// translation. The list must hold exactly the texts of QueryTree.h,
// QueryComparison.cpp and CatalogueFields.cpp (a test compares them).
const char *const kWords[] = {
    QT_TRANSLATE_NOOP("QueryWords", "И"),
    QT_TRANSLATE_NOOP("QueryWords", "ИЛИ"),
    QT_TRANSLATE_NOOP("QueryWords", "НЕ"),
    QT_TRANSLATE_NOOP("QueryWords", "[НЕ ОПРЕДЕЛЕНО]"),
    QT_TRANSLATE_NOOP("QueryWords", "РАВНО"),
    QT_TRANSLATE_NOOP("QueryWords", "СОДЕРЖИТ"),
    QT_TRANSLATE_NOOP("QueryWords", "байт"),
    QT_TRANSLATE_NOOP("QueryWords", "кБ"),
    QT_TRANSLATE_NOOP("QueryWords", "МБ"),
    QT_TRANSLATE_NOOP("QueryWords", "ГБ"),
    QT_TRANSLATE_NOOP("QueryWords", "Метка компакт-диска"),
    QT_TRANSLATE_NOOP("QueryWords", "Полный путь"),
    QT_TRANSLATE_NOOP("QueryWords", "Производитель"),
    QT_TRANSLATE_NOOP("QueryWords", "Продукт"),
    QT_TRANSLATE_NOOP("QueryWords", "Версия"),
    QT_TRANSLATE_NOOP("QueryWords", "Размер"),
    QT_TRANSLATE_NOOP("QueryWords", "Описание"),
};

} // namespace

QString ShownQueryWord(const QString &word)
{
    for (const char *known : kWords)
        if (word == QString::fromUtf8(known))
            return QCoreApplication::translate("QueryWords", known);
    return word;
}

QStringList ShownQueryWords(const QStringList &words)
{
    QStringList shown;
    shown.reserve(words.size());
    for (const QString &word : words)
        shown << ShownQueryWord(word);
    return shown;
}

QString ShownQueryCaption(const QString &caption)
{
    const TComparison c = ParseComparison(caption);
    if (!c.valid)
        return ShownQueryWord(caption);
    // The field by its canonical name: a file may write it in another case.
    const QString field = ShownQueryWord(CatalogueFields()[size_t(c.field)].displayName);
    QString value = c.value;
    // A size's unit is shown when the caption writes one ("5 МБ"); a file
    // may give bytes as a bare number. A size's value holds no "[".
    if (c.unit >= 0 && caption.mid(caption.lastIndexOf(u'[')).contains(u' '))
        value += u' ' + ShownQueryWord(QuerySizeUnits()[c.unit]);
    return ComparisonCaption(field, ShownQueryWord(c.op), value, c.caseSensitive);
}

} // namespace qbx
