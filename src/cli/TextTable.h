#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qbx::cli {

// A table for a terminal: a header line and rows, columns two spaces apart,
// each padded to its widest cell (counted in characters), left or right
// aligned; no blanks at line ends.
class TTextTable {
public:
    // align: one letter per column, 'l' or 'r'.
    TTextTable(QStringList headers, QString align);
    void Add(QStringList cells) { rows_.append(std::move(cells)); }
    // Every line ends with "\n".
    QString Text() const;

private:
    QStringList headers_;
    QString align_;
    QList<QStringList> rows_;
};

} // namespace qbx::cli
