#include "options/TEnvironment.h"

#include "platform/AppPaths.h"

namespace qbx {

TEnvironment TEnvironment::Detect()
{
    return Detect(MountedVolumes());
}

TEnvironment TEnvironment::Detect(const QList<TVolume> &volumes)
{
    TEnvironment env;
    env.IniFileName = paths::IniFileName();
    env.HelpFile = paths::HelpFile();
    env.AppFolder = paths::AppFolder();
    env.PortableCopy = paths::IsPortableCopy();
    env.DefaultDbFolder = env.DefaultQryFolder = paths::DefaultDbFolder();
    env.TempFolder = paths::TempFolder();
    const QStringList fixed = qbx::FixedDrives(volumes);
    env.FixedDrives = fixed.join(QLatin1Char('\n'));
    env.CdRoot = FirstCdRomRoot(volumes);
    if (env.CdRoot.isEmpty() && !fixed.isEmpty())
        env.CdRoot = fixed.first();
    return env;
}

QStringList TEnvironment::FixedDriveList() const
{
    return FixedDrives.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace qbx
