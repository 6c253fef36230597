#include "options/InterfaceLanguage.h"

#include "options/TEnvironment.h"
#include "options/TOptions.h"
#include "options/TOptionsStorage.h"

namespace qbx {

UiLanguage ChosenLanguage()
{
    // Only the places of the stores matter here: no drives are looked at.
    const TEnvironment environment = TEnvironment::Detect({});
    TOptions options = TOptions::Defaults(environment);
    TOptionsStorage storage(options, environment);
    storage.Load();
    return ChooseLanguage(LanguageChoice(options.Language), ProcessEnvironment);
}

} // namespace qbx
