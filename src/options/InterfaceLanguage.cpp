#include "options/InterfaceLanguage.h"

#include "options/TOptions.h"

namespace qbx {

UiLanguage ChosenLanguage()
{
    TOptions options;
    options.Load();
    return ChooseLanguage(LanguageChoice(options.Language), ProcessEnvironment);
}

} // namespace qbx
