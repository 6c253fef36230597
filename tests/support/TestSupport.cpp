#include "support/TestSupport.h"

#include <QDir>
#include <QtGlobal>

namespace qbx::test {

QString FixturesDir()
{
    const QString dir = QStringLiteral(QBX_FIXTURES_DIR);
    return QDir(dir).exists() ? dir : QString();
}

TempConfigHome::TempConfigHome()
{
    hadOld_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    old_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
}

TempConfigHome::~TempConfigHome()
{
    if (hadOld_)
        qputenv("XDG_CONFIG_HOME", old_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

} // namespace qbx::test
