#include "desktop/gui/DesktopOpen.h"

#include "desktop/OpenOnDisc.h"

#include <QDesktopServices>
#include <QUrl>

namespace qbx {

void OpenWithDesktop(const QString &filePath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
}

int OpenOnDiscWithDesktop(const QString &discLabel, const QString &itemPath)
{
    return OpenOnDisc(
        discLabel, itemPath, [] { return MountedVolumes(); }, &OpenWithDesktop);
}

} // namespace qbx
