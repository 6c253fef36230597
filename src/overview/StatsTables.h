#pragma once

#include <QObject>
#include <QString>

#include <cstddef>

namespace qbx {

class TCatalogueStats;
class TOverviewTableModel;

// The largest files the statistics window lists.
inline constexpr size_t LargestFilesShown = 100;

// The statistics of a catalogue as the window's tables, sizes in sizeUnit
// (the program's size units) and keyed by their bytes.
// Discs: "Диск", "Папок", "Файлов", "Размер", one row per disc and a last
// row "Всего" (sorting keeps it among the discs).
void FillDiscTable(TOverviewTableModel &model, const TCatalogueStats &stats, int sizeUnit);
// Extensions: "Расширение", "Файлов", "Размер", the shown extensions then
// "прочие" when others remain.
void FillExtensionTable(TOverviewTableModel &model, const TCatalogueStats &stats, int sizeUnit);
// Largest files: "Файл", "Размер", with each row's full item path.
void FillLargestTable(TOverviewTableModel &model, const TCatalogueStats &stats, int sizeUnit);

// The text of an extension for the tables and charts: "(без расширения)"
// for none.
QString ExtensionText(const QString &extension);

// The three tables with their columns and no rows.
TOverviewTableModel *NewDiscTable(QObject *parent);
TOverviewTableModel *NewExtensionTable(QObject *parent);
TOverviewTableModel *NewLargestTable(QObject *parent);

} // namespace qbx
