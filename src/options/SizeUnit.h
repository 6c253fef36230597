#pragma once

#include <QString>

namespace qbx {

// Units of size texts: the values of the SizeUnit option and the tags of the
// five size commands.
enum TSizeUnit : int { SuByte = 0, SuKByte = 1, SuMByte = 2, SuGByte = 3, SuAuto = 4 };

// The unit of a size text already shown: the option's unit when the text is
// empty or "0", otherwise the unit its text names.
int ShownSizeUnit(const QString &shownText, int sizeUnit);

} // namespace qbx
