#pragma once

#include "scan/TProductInfo.h"

#include <QString>

#include <string>
#include <string_view>

namespace qbx {

// Reads a SETUP.TXT of the four-line form
//   Производитель: <producer>
//   Продукт: <product>
//   Версия: <version>
//   Описание: <description>
// written in 1251 or in DOS 866. Recognised only when all four lines carry
// their prefix, in this order, and a value. Reads the first four lines only
// (and never more than kSetupTxtReadLimit bytes). Raises TInOutError when the
// file cannot be opened or read.
TProductInfo ReadSetupTxt(const QString &path);

// Bytes read at most from a SETUP.TXT: four generous lines.
inline constexpr int kSetupTxtReadLimit = 16 * 1024;

// True when the line (1251 bytes) begins with the prefix (1251 bytes), letter
// case included, or when the line's DOS 866 form does; in that case the line
// is replaced by its 866 form converted to 1251, so its value is converted
// too. The 866 form is tested by the line's first 255 characters.
bool MatchSetupPrefix(std::string &line, std::string_view prefix);

} // namespace qbx
