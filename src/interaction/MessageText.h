#pragma once

#include <QString>

namespace qbx {

// A message text as shown: CR LF and a lone CR become line breaks.
QString MessageDisplayText(const QString &text);

} // namespace qbx
