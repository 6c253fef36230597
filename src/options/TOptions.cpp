#include "options/TOptions.h"

#include "options/TEnvironment.h"

namespace qbx {

TOptions TOptions::Defaults(const TEnvironment &environment)
{
    TOptions options;
    options.DbFolder = environment.DefaultDbFolder;
    options.QryFolder = environment.DefaultQryFolder;
    return options;
}

} // namespace qbx
