#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace qbx {

// Units of size texts: the values of the SizeUnit option and the tags of the
// five size commands.
enum TSizeUnit : int { SuByte = 0, SuKByte = 1, SuMByte = 2, SuGByte = 3, SuAuto = 4 };

// Text of a size for the description pane: "" for -1 (no size), "" or "0"
// for zero (emptySize), otherwise the value in the unit (automatic chooses
// by magnitude; negative values and unknown units are shown in bytes) with
// the locale's thousands separators and decimal sign, then the unit text.
QString SizeText(int64_t size, int sizeUnit, bool emptySize, const QLocale &locale = QLocale());

// The unit of a size text already shown: the option's unit when the text is
// empty or "0", otherwise the unit its text names.
int ShownSizeUnit(const QString &shownText, int sizeUnit);

} // namespace qbx
