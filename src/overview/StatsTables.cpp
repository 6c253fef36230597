#include "overview/StatsTables.h"

#include "overview/OverviewTableModel.h"
#include "tree/CatalogueStats.h"
#include "tree/NodePaths.h"
#include "tree/SizeText.h"

#include <QCoreApplication>
#include <QLocale>

namespace qbx {

namespace {

TOverviewCell Count(int64_t n)
{
    return {QLocale().toString(qint64(n)), qint64(n)};
}

TOverviewCell Bytes(int64_t n, int sizeUnit)
{
    return {SizeText(n, sizeUnit, false), qint64(n)};
}

} // namespace

QString ExtensionText(const QString &extension)
{
    return extension.isEmpty() ? QCoreApplication::translate("Overview", "(без расширения)")
                               : extension;
}

TOverviewTableModel *NewDiscTable(QObject *parent)
{
    return new TOverviewTableModel({QCoreApplication::translate("Overview", "Диск"),
                                    QCoreApplication::translate("Overview", "Папок"),
                                    QCoreApplication::translate("Overview", "Файлов"),
                                    QCoreApplication::translate("Overview", "Размер")},
                                   parent);
}

TOverviewTableModel *NewExtensionTable(QObject *parent)
{
    return new TOverviewTableModel({QCoreApplication::translate("Overview", "Расширение"),
                                    QCoreApplication::translate("Overview", "Файлов"),
                                    QCoreApplication::translate("Overview", "Размер")},
                                   parent);
}

TOverviewTableModel *NewLargestTable(QObject *parent)
{
    return new TOverviewTableModel({QCoreApplication::translate("Overview", "Файл"),
                                    QCoreApplication::translate("Overview", "Размер")},
                                   parent);
}

void FillDiscTable(TOverviewTableModel &model, const TCatalogueStats &stats, int sizeUnit)
{
    std::vector<std::vector<TOverviewCell>> rows;
    QStringList paths;
    for (const TDiscStats &d : stats.Discs()) {
        rows.push_back({{d.label, {}}, Count(d.folders), Count(d.files), Bytes(d.bytes, sizeUnit)});
        paths << d.label;
    }
    const TDiscStats &t = stats.Total();
    rows.push_back({{QCoreApplication::translate("Overview", "Всего"), {}},
                    Count(t.folders),
                    Count(t.files),
                    Bytes(t.bytes, sizeUnit)});
    paths << QString();
    model.SetRows(std::move(rows), std::move(paths));
}

void FillExtensionTable(TOverviewTableModel &model, const TCatalogueStats &stats, int sizeUnit)
{
    std::vector<std::vector<TOverviewCell>> rows;
    QStringList paths;
    for (const TExtensionStats &e : stats.Extensions()) {
        rows.push_back(
            {{ExtensionText(e.extension), {}}, Count(e.files), Bytes(e.bytes, sizeUnit)});
        paths << QString();
    }
    const TExtensionStats &o = stats.OtherExtensions();
    if (o.files > 0) {
        rows.push_back({{QCoreApplication::translate("Overview", "прочие"), {}},
                        Count(o.files),
                        Bytes(o.bytes, sizeUnit)});
        paths << QString();
    }
    model.SetRows(std::move(rows), std::move(paths));
}

void FillLargestTable(TOverviewTableModel &model, const TCatalogueStats &stats, int sizeUnit)
{
    std::vector<std::vector<TOverviewCell>> rows;
    QStringList paths;
    for (const TFileSize &f : stats.Largest()) {
        const QString path = FullItemPath(f.node);
        rows.push_back({{path, {}}, Bytes(f.size, sizeUnit)});
        paths << path;
    }
    model.SetRows(std::move(rows), std::move(paths));
}

} // namespace qbx
