#pragma once

#include "tree/TFoundRecord.h"

#include <QString>

#include <cstdio>

namespace qbx::cli {

enum class TFormat { Text, Tsv, Json };

// Parses the value of --format; throws TUsageError for any other.
TFormat ParseFormat(const QString &value);

// Writes text to a stream in UTF-8.
void Print(FILE *out, const QString &text);

// Writes found records in a format: text (one item per line with its size
// and product fields), tsv (the seven fields, tab-separated, one record per
// line) or json (an array of objects with the seven fields, one per line).
class TRecordWriter {
public:
    TRecordWriter(FILE *out, TFormat format) : out_(out), format_(format) {}
    void Write(const TFoundRecord &record);
    // Ends the output (closes the JSON array).
    void Finish();

private:
    FILE *out_;
    TFormat format_;
    bool first_ = true;
};

} // namespace qbx::cli
