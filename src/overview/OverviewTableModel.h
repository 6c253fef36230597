#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace qbx {

// One cell of an overview table: the text shown and the value the column
// sorts by and a CSV export writes (a number of bytes rather than its text
// in the size unit); an invalid key sorts and exports by the text.
struct TOverviewCell {
    QString text;
    QVariant key;
};

// A read-only table of the overview windows (discs, extensions, largest
// files, duplicates). Each row may name a catalogue item by its full item
// path, which "Перейти к элементу" selects in the catalogue tree; a path
// rather than a node keeps a row harmless after the catalogue changed.
class TOverviewTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int PathRole = Qt::UserRole + 1;

    explicit TOverviewTableModel(QStringList headers, QObject *parent = nullptr);

    // Columns from `numericFrom` on are numbers: aligned right.
    void SetNumericFrom(int column) { numericFrom_ = column; }
    // Replaces every row; paths[i] is row i's item ("" for none).
    void SetRows(std::vector<std::vector<TOverviewCell>> rows, QStringList paths);

    QString PathAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList headers_;
    std::vector<std::vector<TOverviewCell>> rows_;
    QStringList paths_;
    int numericFrom_ = 1;
};

// A table as CSV: the header row, then every row in the model's order,
// each cell its key when it has one, otherwise its text; fields quoted as
// needed, lines ending in CRLF.
QString TableCsv(const QAbstractItemModel &model);

} // namespace qbx
