#pragma once

#include "tree/TFoundRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace qbx::engine {
class Query;
}

namespace qbx::cli {

enum class TFormat { Text, Tsv, Json };

// Parses the value of --format; throws TUsageError for any other.
TFormat ParseFormat(const QString &value);

// Writes text to a stream in UTF-8.
void Print(FILE *out, const QString &text);

// The fields joined by tabs, with "\n" at the end; tabs and line ends
// inside a field become blanks.
QString TsvLine(const QStringList &fields);

// A size with its unit for people: "0 байт", "100 байт", "2.00 кБ".
QString HumanSize(int64_t bytes);

// Builds the result tree of the query's rows in a presentation (the values
// of TPresentation), as the program shows it, and writes it as lines: one
// per node, a tab per level, the size of each item found.
void PrintFoundTree(engine::Query &query, int presentation);

// Writes found records in a format: text (one item per line with its size
// and product fields), tsv (the seven fields, tab-separated, one record per
// line) or json (an array of objects with the seven fields, one per line).
class TRecordWriter {
public:
    TRecordWriter(FILE *out, TFormat format) : out_(out), format_(format) {}
    void Write(const TFoundRecord &record);
    // Writes the query's current row; tsv goes from the row's bytes
    // straight to UTF-8, with the same result.
    void Write(const engine::Query &query);
    // Ends the output (closes the JSON array) and writes what is buffered.
    void Finish();

private:
    void AppendTsv(const QString &field);
    void AppendTsvBytes(const engine::Query &query, size_t field);
    void EndRecord();
    void Flush();

    FILE *out_;
    TFormat format_;
    bool first_ = true;
    QByteArray buffer_;
};

} // namespace qbx::cli
