#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "engine/Error.h"
#include "engine/Query.h"
#include "search/FoundRows.h"
#include "search/QueryCondition.h"
#include "search/QueryFile.h"
#include "search/QueryTree.h"
#include "search/SearchConditions.h"
#include "search/SqlErrorText.h"
#include "storage/CatalogueFormat.h"
#include "tree/NodeRecord.h"

#include <QFileInfo>

#include <algorithm>

#include <memory>
#include <QCoreApplication>

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
    throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неизвестное поле «")) + option.toStdString() +
                      "» (label, path, ext, producer, product, version, description)");
}

// The kinds of items wanted (--kinds), all when not given.
struct TKinds {
    bool discs = true;
    bool folders = true;
    bool files = true;
};

TKinds ParseKinds(const QString &list)
{
    TKinds k{false, false, false};
    for (const QString &kind : list.split(u',', Qt::SkipEmptyParts)) {
        if (kind == u"discs")
            k.discs = true;
        else if (kind == u"folders")
            k.folders = true;
        else if (kind == u"files")
            k.files = true;
        else
            throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неизвестный вид «")) + kind.toStdString() +
                              "» (discs, folders, files)");
    }
    if (!k.discs && !k.folders && !k.files)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "в --kinds не выбран ни один вид")));
    return k;
}

constexpr const char *kViews[] = {"standard", "producer", "list", "leaf"};

int ParseView(const QString &view)
{
    for (int p = PresentStandard; p <= PresentLeaves; ++p)
        if (view == QLatin1String(kViews[p]))
            return p;
    throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неизвестное представление «")) + view.toStdString() +
                      "» (standard, producer, list, leaf)");
}

// The condition of a saved complex query, as the query dialog runs it.
QString SavedQueryCondition(const QString &fileName, const TKinds &k)
{
    if (!QFileInfo::exists(fileName))
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": файл не найден"));
    const std::unique_ptr<TQueryTree> tree = ReadQueryFile(fileName);
    if (!tree)
        throw TCliError(
            fileName +
            QCoreApplication::translate("qubrix-cli", ": файл сложного запроса недоступен или имеет неверный формат"));
    bool undefined = false;
    tree->Visit([&undefined](TQueryNode &node) {
        undefined = undefined || node.Caption() == kQueryUndefinedCaption;
    });
    if (undefined)
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": в запросе не полностью определено сравнение"));
    const QString condition = BuildCondition(*tree->Top());
    if (condition.isEmpty())
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": с логической точки зрения запрос пуст"));
    return QueryCondition(condition, k.discs, k.folders, k.files);
}

// The engine's error in a condition of --sql, in words, its position counted
// in the condition as typed rather than in the whole statement around it.
QString SqlConditionError(const QString &message, qsizetype conditionStart)
{
    const TSqlProblem problem = SqlProblem(message);
    if (problem.position <= 0)
        return QCoreApplication::translate("qubrix-cli", "ошибка в условии --sql: ") + problem.text;
    const qsizetype position = std::max<qsizetype>(1, problem.position - conditionStart);
    return QCoreApplication::translate("qubrix-cli", "ошибка в условии --sql в позиции %1: %2")
        .arg(position)
        .arg(problem.text);
}

// Opens the query on the rows of a condition; throws TCliError. typedFrom:
// where the text typed after --sql begins in the condition, or -1 when the
// condition is built here.
void OpenSearch(engine::Query &query, const QString &catalogue, const QString &condition,
                qsizetype typedFrom = -1)
{
    const std::optional<std::string> statement = SearchStatement(catalogue, condition);
    if (!statement)
        throw TCliError(
            QCoreApplication::translate("qubrix-cli", "текст поиска содержит символы, которых не может быть в базе данных"));
    try {
        query.Open(*statement);
    } catch (const engine::Error &e) {
        query.Close();
        if (e.code() != engine::ErrSqlSyntax)
            throw TCliError(catalogue + QStringLiteral(": ") +
                            TableProblemText(e.code()).toLower());
        const QString message = SearchErrorText(e.what()).simplified();
        if (typedFrom >= 0)
            throw TCliError(SqlConditionError(
                message, qsizetype(SearchStatement(catalogue, QString())->size()) + typedFrom));
        throw TCliError(QCoreApplication::translate("qubrix-cli", "ошибка запроса к базе данных: ") +
                        SqlProblem(message).text);
    }
}

// What to search by: exactly one of these.
enum class TSearchBy { Text, Size, Sql, Query };

// Which search the options ask for; refuses options that exclude each other
// or do not apply, and a wrong number of arguments.
TSearchBy SearchKindOf(const TArgs &a)
{
    const QStringList &pos = a.Positional();
    const bool bySize = a.Has("size") || a.Has("size-range");
    const bool bySql = a.Has("sql");
    const bool byQuery = a.Has("query");
    if (int(a.Has("size")) + int(a.Has("size-range")) + int(bySql) + int(byQuery) > 1)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "--size, --size-range, --sql и --query исключают друг друга")));
    const qsizetype wanted = bySize || bySql || byQuery ? 1 : 2;
    // Left unused they would let a script believe it searched what it did not.
    if (wanted == 1 && (a.Has("field") || a.Has("case") || a.Has("exact")))
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "--field, --case и --exact относятся только к поиску текста")));
    if (pos.size() != wanted)
        throw TUsageError(wanted == 1 ? CliText(QT_TRANSLATE_NOOP("qubrix-cli", "нужен один аргумент: КАТАЛОГ"))
                                      : CliText(QT_TRANSLATE_NOOP("qubrix-cli", "нужны два аргумента: КАТАЛОГ ТЕКСТ")));
    return byQuery ? TSearchBy::Query : bySql ? TSearchBy::Sql : bySize ? TSearchBy::Size : TSearchBy::Text;
}

// The condition searched, with what the user typed where it matters.
struct TSearchCondition {
    QString condition;
    QString typed;            // the text of a text search (for the "Ё" retry)
    qsizetype typedFrom = -1; // where --sql's text begins in condition, -1: not --sql
};

TSearchCondition SqlSearchCondition(const TArgs &a, const QString &kindFilter)
{
    TSearchCondition c;
    c.condition = a.Value("sql");
    c.typedFrom = 0;
    if (!kindFilter.isEmpty()) {
        c.condition = u'(' + c.condition + u')' + kindFilter;
        c.typedFrom = 1;
    }
    return c;
}

QString SizeSearchCondition(const TArgs &a)
{
    if (a.Has("size"))
        return SizeExactCondition(ParseSize(a.Value("size")));
    const QStringList range = a.Values("size-range");
    const int64_t low = ParseSize(range[0]);
    const int64_t high = ParseSize(range[1]);
    // Not "nothing found": a script could not tell it from a typo.
    if (low > high)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "в --size-range ОТ больше ДО")));
    return SizeRangeCondition(low, high);
}

TSearchCondition TextSearchCondition(const TArgs &a)
{
    TSearchCondition c;
    c.typed = a.Positional()[1];
    if (c.typed.isEmpty())
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "пустой текст поиска")));
    const bool substring = !a.Has("exact");
    const bool ignoreCase = !a.Has("case");
    if (a.Has("field")) {
        const TFieldChoice &f = FieldOf(a.Value("field"));
        c.condition = FieldSearchCondition(QLatin1String(f.field), f.extension, c.typed, substring,
                                           ignoreCase);
    } else {
        c.condition = GlobalSearchCondition(c.typed, substring, ignoreCase);
    }
    return c;
}

TSearchCondition SearchConditionOf(const TArgs &a, TSearchBy by, const TKinds &kinds)
{
    const QString kindFilter = KindFilter(kinds.discs, kinds.folders, kinds.files);
    TSearchCondition c;
    switch (by) {
    case TSearchBy::Query:
        c.condition = SavedQueryCondition(a.Value("query"), kinds);
        break;
    case TSearchBy::Sql:
        c = SqlSearchCondition(a, kindFilter);
        break;
    case TSearchBy::Size:
        c.condition = SizeSearchCondition(a) + kindFilter;
        break;
    case TSearchBy::Text:
        c = TextSearchCondition(a);
        c.condition += kindFilter;
        break;
    }
    return c;
}

// Opens the search on the catalogue. The table is read once: the query's own
// fields tell a catalogue, and a query that fails is explained by the checks
// of the catalogue first.
void SearchCatalogue(engine::Query &query, const QString &catalogue, const TSearchCondition &c,
                     bool byField)
{
    StartEngine();
    CheckCatalogueFile(catalogue);
    try {
        OpenSearch(query, catalogue, c.condition, c.typedFrom);
    } catch (const TCliError &) {
        CheckCatalogue(catalogue);
        throw;
    }
    CheckCatalogueFields(catalogue, query.Fields());
    // As in the program, a global search for "Ё" that found nothing is
    // tried again with "Е".
    if (query.RecordCount() == 0 && !c.typed.isEmpty() && !byField) {
        if (const QString yo = YoFallbackCondition(c.typed, c.condition); !yo.isEmpty())
            OpenSearch(query, catalogue, yo);
    }
}

// The found records as a result tree of a view, or as a list.
void PrintFound(engine::Query &query, int view, TFormat format)
{
    if (view >= 0) {
        PrintFoundTree(query, view);
        return;
    }
    TRecordWriter writer(stdout, format);
    for (bool more = query.First(); more; more = query.Next())
        writer.Write(query);
    writer.Finish();
}

} // namespace

int RunSearch(const QStringList &args)
{
    const TArgs a(args, {"field", "size", "kinds", "sql", "query", "view", "format"},
                  {"case", "exact"}, {{"size-range", 2}});
    const TSearchBy by = SearchKindOf(a);
    const TFormat format = ParseFormat(a.Value("format", "text"));
    const int view = a.Has("view") ? ParseView(a.Value("view")) : -1;
    if (view >= 0 && format != TFormat::Text)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "--view задаёт вид текстового вывода; tsv и json дают записи списком")));
    const TKinds kinds = a.Has("kinds") ? ParseKinds(a.Value("kinds")) : TKinds();
    const TSearchCondition condition = SearchConditionOf(a, by, kinds);

    engine::Query query;
    SearchCatalogue(query, a.Positional()[0], condition, a.Has("field"));
    PrintFound(query, view, format);
    return query.RecordCount() > 0 ? 0 : 1;
}

} // namespace qbx::cli
