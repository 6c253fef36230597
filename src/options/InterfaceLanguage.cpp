#include "options/InterfaceLanguage.h"

namespace qbx {

UiLanguage ChosenLanguage()
{
    return LanguageFromEnvironment(ProcessEnvironment);
}

} // namespace qbx
