#include "cli/TextTable.h"

#include "platform/TextRules.h"

#include <algorithm>
#include <vector>

namespace qbx::cli {

TTextTable::TTextTable(QStringList headers, QString align)
    : headers_(std::move(headers)), align_(std::move(align))
{
}

QString TTextTable::Text() const
{
    const qsizetype columns = headers_.size();
    std::vector<qsizetype> width(size_t(columns), 0);
    const auto measure = [&](const QStringList &cells) {
        for (qsizetype c = 0; c < columns && c < cells.size(); ++c)
            width[size_t(c)] = std::max(width[size_t(c)], cells[c].size());
    };
    measure(headers_);
    for (const QStringList &row : rows_)
        measure(row);
    QString out;
    const auto line = [&](const QStringList &cells) {
        QString text;
        for (qsizetype c = 0; c < columns; ++c) {
            const QString cell = c < cells.size() ? text::Visible(cells[c]) : QString();
            if (c > 0)
                text += QLatin1String("  ");
            const qsizetype w = width[size_t(c)];
            text += c < align_.size() && align_[c] == u'r' ? cell.rightJustified(w)
                                                           : cell.leftJustified(w);
        }
        while (text.endsWith(u' '))
            text.chop(1);
        out += text + u'\n';
    };
    line(headers_);
    for (const QStringList &row : rows_)
        line(row);
    return out;
}

} // namespace qbx::cli
