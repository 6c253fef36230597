#pragma once

#include "platform/Translations.h"

namespace qbx {

// The language the program starts in: the one of the messages locale.
UiLanguage ChosenLanguage();

} // namespace qbx
