#pragma once

#include "options/SizeUnit.h"

#include <QLocale>
#include <QString>

#include <cstdint>

namespace qbx {

// Text of a size for the description pane: "" for -1 (no size), "" or "0"
// for zero (emptySize), otherwise the value in the unit (automatic chooses
// by magnitude; negative values and unknown units are shown in bytes) with
// the locale's thousands separators and decimal sign, then the unit text.
QString SizeText(int64_t size, int sizeUnit, bool emptySize, const QLocale &locale = QLocale());

} // namespace qbx
