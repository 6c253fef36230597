#include "platform/Check.h"

#include <QtGlobal>

namespace qbx {

void FailCheck(const char *what, const char *file, int line)
{
    qFatal("Internal error: %s (%s:%d)", what, file, line);
}

} // namespace qbx
