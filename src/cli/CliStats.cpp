#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/TextTable.h"

#include "tree/CatalogueStats.h"
#include "tree/NodePaths.h"
#include "tree/TTreeNode.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>

namespace qbx::cli {

namespace {

QJsonObject DiscObject(const TDiscStats &s)
{
    return {{QStringLiteral("folders"), qint64(s.folders)},
            {QStringLiteral("files"), qint64(s.files)},
            {QStringLiteral("bytes"), qint64(s.bytes)}};
}

void WriteJson(const TCatalogueStats &stats)
{
    QJsonArray discs;
    for (const TDiscStats &d : stats.Discs()) {
        QJsonObject o = DiscObject(d);
        o.insert(QStringLiteral("label"), d.label);
        discs.append(o);
    }
    QJsonObject total = DiscObject(stats.Total());
    total.insert(QStringLiteral("discs"), qint64(stats.Discs().size()));
    QJsonArray largest;
    for (const TFileSize &f : stats.Largest())
        largest.append(QJsonObject{{QStringLiteral("Label"), DiscLabel(f.node)},
                                   {QStringLiteral("Path"), ItemPath(f.node)},
                                   {QStringLiteral("ByteSize"), qint64(f.size)}});
    QJsonArray extensions;
    for (const TExtensionStats &e : stats.Extensions())
        extensions.append(QJsonObject{{QStringLiteral("extension"), e.extension},
                                      {QStringLiteral("files"), qint64(e.files)},
                                      {QStringLiteral("bytes"), qint64(e.bytes)}});
    const QJsonObject all{{QStringLiteral("total"), total},
                          {QStringLiteral("discs"), discs},
                          {QStringLiteral("largest"), largest},
                          {QStringLiteral("extensions"), extensions}};
    Print(stdout, QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Indented)));
}

// One record per line, its kind first.
void WriteTsv(const TCatalogueStats &stats)
{
    QString out;
    const TDiscStats &t = stats.Total();
    out +=
        TsvLine({QStringLiteral("total"), QString::number(stats.Discs().size()),
                 QString::number(t.folders), QString::number(t.files), QString::number(t.bytes)});
    for (const TDiscStats &d : stats.Discs())
        out += TsvLine({QStringLiteral("disc"), d.label, QString::number(d.folders),
                        QString::number(d.files), QString::number(d.bytes)});
    for (const TFileSize &f : stats.Largest())
        out += TsvLine({QStringLiteral("largest"), DiscLabel(f.node), ItemPath(f.node),
                        QString::number(f.size)});
    for (const TExtensionStats &e : stats.Extensions())
        out += TsvLine({QStringLiteral("extension"), e.extension, QString::number(e.files),
                        QString::number(e.bytes)});
    Print(stdout, out);
}

void WriteText(const TCatalogueStats &stats)
{
    const TDiscStats &t = stats.Total();
    QString out = QCoreApplication::translate("qubrix-cli", "Дисков: %1, папок: %2, файлов: %3, размер: %4 (%5 байт)\n")
                      .arg(stats.Discs().size())
                      .arg(t.folders)
                      .arg(t.files)
                      .arg(HumanSize(t.bytes))
                      .arg(t.bytes);
    if (!stats.Discs().empty()) {
        TTextTable discs({QCoreApplication::translate("qubrix-cli", "Диск"), QCoreApplication::translate("qubrix-cli", "Папок"), QCoreApplication::translate("qubrix-cli", "Файлов"),
                          QCoreApplication::translate("qubrix-cli", "Размер")},
                         QStringLiteral("lrrr"));
        for (const TDiscStats &d : stats.Discs())
            discs.Add({d.label, QString::number(d.folders), QString::number(d.files),
                       HumanSize(d.bytes)});
        out += u'\n' + discs.Text();
    }
    if (!stats.Largest().empty()) {
        TTextTable largest({QCoreApplication::translate("qubrix-cli", "Размер"), QCoreApplication::translate("qubrix-cli", "Самые большие файлы")},
                           QStringLiteral("rl"));
        for (const TFileSize &f : stats.Largest())
            largest.Add({HumanSize(f.size), FullItemPath(f.node)});
        out += u'\n' + largest.Text();
    }
    if (!stats.Extensions().empty()) {
        TTextTable extensions(
            {QCoreApplication::translate("qubrix-cli", "Расширение"), QCoreApplication::translate("qubrix-cli", "Файлов"), QCoreApplication::translate("qubrix-cli", "Размер")},
            QStringLiteral("lrr"));
        for (const TExtensionStats &e : stats.Extensions())
            extensions.Add({e.extension.isEmpty() ? QCoreApplication::translate("qubrix-cli", "(нет)") : e.extension,
                            QString::number(e.files), HumanSize(e.bytes)});
        out += u'\n' + extensions.Text();
    }
    Print(stdout, out);
}

} // namespace

int RunStats(const QStringList &args)
{
    const TArgs a(args, {"format"}, {});
    if (a.Positional().size() != 1)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "нужен один аргумент: КАТАЛОГ")));
    const TFormat format = ParseFormat(a.Value("format", "text"));
    StartEngine();
    TLoadedCatalogue catalogue;
    catalogue.Load(a.Positional().first());
    const TCatalogueStats stats(catalogue.Tree().Root());
    switch (format) {
    case TFormat::Json:
        WriteJson(stats);
        break;
    case TFormat::Tsv:
        WriteTsv(stats);
        break;
    case TFormat::Text:
        WriteText(stats);
        break;
    }
    return 0;
}

} // namespace qbx::cli
