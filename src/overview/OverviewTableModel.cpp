#include "overview/OverviewTableModel.h"

namespace qbx {

TOverviewTableModel::TOverviewTableModel(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent), headers_(std::move(headers))
{
}

void TOverviewTableModel::SetRows(std::vector<std::vector<TOverviewCell>> rows, QStringList paths)
{
    beginResetModel();
    rows_ = std::move(rows);
    paths_ = std::move(paths);
    endResetModel();
}

QString TOverviewTableModel::PathAt(int row) const
{
    return row >= 0 && row < paths_.size() ? paths_[row] : QString();
}

int TOverviewTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int TOverviewTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant TOverviewTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const std::vector<TOverviewCell> &row = rows_[size_t(index.row())];
    if (size_t(index.column()) >= row.size())
        return {};
    const TOverviewCell &cell = row[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case KeyRole:
        return cell.key.isValid() ? cell.key : QVariant(cell.text);
    case PathRole:
        return PathAt(index.row());
    case Qt::TextAlignmentRole:
        return index.column() >= numericFrom_ ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                              : QVariant();
    default:
        return {};
    }
}

QVariant TOverviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= headers_.size())
        return {};
    return headers_[section];
}

namespace {

QString CsvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString TableCsv(const QAbstractItemModel &model)
{
    QString csv;
    const int columns = model.columnCount();
    QStringList fields;
    for (int c = 0; c < columns; ++c)
        fields << CsvField(model.headerData(c, Qt::Horizontal).toString());
    csv += fields.join(u',') + QStringLiteral("\r\n");
    for (int r = 0; r < model.rowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < columns; ++c)
            fields << CsvField(
                model.data(model.index(r, c), TOverviewTableModel::KeyRole).toString());
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace qbx
