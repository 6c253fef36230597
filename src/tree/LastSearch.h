#pragma once

#include <QString>

namespace qbx {

// The search whose results SearchTreeView shows: its condition, re-run to
// rebuild the results in another presentation, and the name part of the
// file name proposed when the results are saved. Kept beside the results
// tree; forgotten when the catalogue closes.
struct TLastSearch {
    QString LastCondition;
    QString ResultName = QStringLiteral("Query");
};

} // namespace qbx
