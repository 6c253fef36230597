#pragma once

#include "platform/Translations.h"

namespace qbx {

// The language the program starts in: the interface language the user chose
// in the options, else the one of the messages locale. The options are read
// from their usual place (the store, else the INI file).
UiLanguage ChosenLanguage();

} // namespace qbx
