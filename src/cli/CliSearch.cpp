#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "engine/Query.h"
#include "search/FoundRows.h"
#include "search/SearchConditions.h"

#include <QRegularExpression>

#include <limits>

namespace qbx::cli {

namespace {

struct TFieldChoice {
    const char *option;
    const char *field;
    bool extension;
};

constexpr TFieldChoice kFields[] = {
    {"label", "Label", false},
    {"path", "Path", false},
    {"ext", "Path", true},
    {"producer", "Producer", false},
    {"product", "Product", false},
    {"version", "Version", false},
    {"description", "Description", false},
};

const TFieldChoice &FieldOf(const QString &option)
{
    for (const TFieldChoice &f : kFields)
        if (option == QLatin1String(f.option))
            return f;
    throw TUsageError("неизвестное поле «" + option.toStdString() +
                      "» (label, path, ext, producer, product, version, description)");
}

// "N" or "N" followed by a unit: b, k/kb, m/mb, g/gb (powers of 1024).
int64_t ParseSize(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+)\\s*([kmg]?)b?$"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(text.trimmed());
    bool ok = m.hasMatch();
    const qint64 value = ok ? m.captured(1).toLongLong(&ok) : 0;
    if (!ok)
        throw TUsageError("неверный размер «" + text.toStdString() + "»");
    const QString unit = m.captured(2).toLower();
    const int shift = unit == u"k" ? 10 : unit == u"m" ? 20 : unit == u"g" ? 30 : 0;
    if (value > (std::numeric_limits<int64_t>::max() >> shift))
        throw TUsageError("слишком большой размер «" + text.toStdString() + "»");
    return int64_t(value) << shift;
}

QString Kinds(const QString &list)
{
    bool discs = false, folders = false, files = false;
    for (const QString &kind : list.split(u',', Qt::SkipEmptyParts)) {
        if (kind == u"discs")
            discs = true;
        else if (kind == u"folders")
            folders = true;
        else if (kind == u"files")
            files = true;
        else
            throw TUsageError("неизвестный вид «" + kind.toStdString() +
                              "» (discs, folders, files)");
    }
    if (!discs && !folders && !files)
        throw TUsageError("в --kinds не выбран ни один вид");
    return KindFilter(discs, folders, files);
}

// Opens the query on the rows of a condition; throws TCliError.
void OpenSearch(engine::Query &query, const QString &catalogue, const QString &condition)
{
    const std::optional<std::string> statement = SearchStatement(catalogue, condition);
    if (!statement)
        throw TCliError(
            QStringLiteral("текст поиска содержит символы, которых не может быть в базе данных"));
    try {
        query.Open(*statement);
    } catch (const std::exception &e) {
        query.Close();
        throw TCliError(QStringLiteral("ошибка запроса к базе данных: ") +
                        SearchErrorText(e.what()).simplified());
    }
}

} // namespace

int RunSearch(const QStringList &args)
{
    const TArgs a(args, {"field", "size", "kinds", "sql", "format"}, {"case", "exact"},
                  {{"size-range", 2}});
    const QStringList &pos = a.Positional();
    const bool bySize = a.Has("size") || a.Has("size-range");
    const bool bySql = a.Has("sql");
    if (int(a.Has("size")) + int(a.Has("size-range")) + int(bySql) > 1)
        throw TUsageError("--size, --size-range и --sql исключают друг друга");
    const qsizetype wanted = bySize || bySql ? 1 : 2;
    if (pos.size() != wanted)
        throw TUsageError(wanted == 1 ? "нужен один аргумент: КАТАЛОГ"
                                      : "нужны два аргумента: КАТАЛОГ ТЕКСТ");
    const TFormat format = ParseFormat(a.Value("format", "text"));
    const QString kinds = a.Has("kinds") ? Kinds(a.Value("kinds")) : QString();
    const bool ignoreCase = !a.Has("case");

    QString condition;
    QString typed;
    if (bySql) {
        condition = a.Value("sql");
    } else if (a.Has("size")) {
        condition = SizeExactCondition(ParseSize(a.Value("size")));
    } else if (a.Has("size-range")) {
        const QStringList range = a.Values("size-range");
        condition = SizeRangeCondition(ParseSize(range[0]), ParseSize(range[1]));
    } else {
        typed = pos[1];
        if (typed.isEmpty())
            throw TUsageError("пустой текст поиска");
        const bool substring = !a.Has("exact");
        if (a.Has("field")) {
            const TFieldChoice &f = FieldOf(a.Value("field"));
            condition = FieldSearchCondition(QLatin1String(f.field), f.extension, typed, substring,
                                             ignoreCase);
        } else {
            condition = GlobalSearchCondition(typed, substring, ignoreCase);
        }
    }
    if (bySql && !kinds.isEmpty())
        condition = u'(' + condition + u')';
    condition += kinds;

    StartEngine();
    const QString catalogue = pos[0];
    CheckCatalogue(catalogue);
    engine::Query query;
    OpenSearch(query, catalogue, condition);
    // As in the program, a global search for "Ё" that found nothing is
    // tried again with "Е".
    if (query.RecordCount() == 0 && !bySql && !bySize && !a.Has("field")) {
        if (const QString yo = YoFallbackCondition(typed, condition); !yo.isEmpty())
            OpenSearch(query, catalogue, yo);
    }
    TRecordWriter writer(stdout, format);
    for (bool more = query.First(); more; more = query.Next())
        writer.Write(ReadFoundRecord(query));
    writer.Finish();
    return query.RecordCount() > 0 ? 0 : 1;
}

} // namespace qbx::cli
