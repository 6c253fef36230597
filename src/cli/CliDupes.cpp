#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "platform/TextRules.h"
#include "tree/DuplicateFinder.h"
#include "tree/NodePaths.h"
#include "tree/TTreeNode.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>
#include <QCoreApplication>

namespace qbx::cli {

namespace {

int64_t TotalWasted(const std::vector<TDuplicateGroup> &groups)
{
    int64_t total = 0;
    for (const TDuplicateGroup &g : groups)
        total = g.Wasted() > std::numeric_limits<int64_t>::max() - total
                    ? std::numeric_limits<int64_t>::max()
                    : total + g.Wasted();
    return total;
}

// One line per group, then its files indented, then the totals.
QString Text(const std::vector<TDuplicateGroup> &groups)
{
    QString out;
    for (const TDuplicateGroup &g : groups) {
        out += QCoreApplication::translate("qubrix-cli", "%1: %2 × %3, лишние %4\n")
                   .arg(text::Visible(g.files.front()->Text()))
                   .arg(g.files.size())
                   .arg(HumanSize(g.size), HumanSize(g.Wasted()));
        for (const TTreeNode *f : g.files)
            out += QStringLiteral("  ") + text::Visible(FullItemPath(f)) + u'\n';
        out += u'\n';
    }
    const int64_t wasted = TotalWasted(groups);
    return out + QCoreApplication::translate("qubrix-cli", "Групп: %1, лишние: %2 (%3 байт)\n")
                     .arg(groups.size())
                     .arg(HumanSize(wasted))
                     .arg(wasted);
}

// One file per line: the group's number, its size, the disc and the path.
QString Tsv(const std::vector<TDuplicateGroup> &groups)
{
    QString out;
    for (size_t i = 0; i < groups.size(); ++i)
        for (const TTreeNode *f : groups[i].files)
            out += TsvLine({QString::number(i + 1), QString::number(groups[i].size), DiscLabel(f),
                            ItemPath(f)});
    return out;
}

// An array of groups, one per line.
QString Json(const std::vector<TDuplicateGroup> &groups)
{
    QString out;
    for (const TDuplicateGroup &g : groups) {
        QJsonArray files;
        for (const TTreeNode *f : g.files)
            files.append(QJsonObject{{QStringLiteral("Label"), DiscLabel(f)},
                                     {QStringLiteral("Path"), ItemPath(f)}});
        const QJsonObject group{{QStringLiteral("name"), g.files.front()->Text()},
                                {QStringLiteral("ByteSize"), qint64(g.size)},
                                {QStringLiteral("copies"), qint64(g.files.size())},
                                {QStringLiteral("wasted"), qint64(g.Wasted())},
                                {QStringLiteral("files"), files}};
        out += (out.isEmpty() ? u'[' : u',') +
               QString::fromUtf8(QJsonDocument(group).toJson(QJsonDocument::Compact)) + u'\n';
    }
    return out.isEmpty() ? QStringLiteral("[]\n") : out + QStringLiteral("]\n");
}

} // namespace

int RunDupes(const QStringList &args)
{
    const TArgs a(args, {"min-size", "format"}, {"across-discs"});
    if (a.Positional().size() != 1)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "нужен один аргумент: КАТАЛОГ")));
    const TFormat format = ParseFormat(a.Value("format", "text"));
    const int64_t minSize = a.Has("min-size") ? ParseSize(a.Value("min-size")) : 1;
    StartEngine();
    TLoadedCatalogue catalogue;
    catalogue.Load(a.Positional().first());
    const TDuplicateFinder finder(catalogue.Tree().Root(), minSize, a.Has("across-discs"));
    const std::vector<TDuplicateGroup> &groups = finder.Groups();
    Print(stdout, format == TFormat::Json  ? Json(groups)
                  : format == TFormat::Tsv ? Tsv(groups)
                                           : Text(groups));
    return groups.empty() ? 1 : 0;
}

} // namespace qbx::cli
