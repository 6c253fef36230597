#include "desktop/OpenOnDisc.h"

#include <QDir>

namespace qbx {

namespace {

// The file-system path of a catalogue path below a volume's root, or "" when
// the path would leave the volume. Catalogue paths separate by "\\".
QString PathOnVolume(const QString &root, const QString &itemPath)
{
    QString relative = itemPath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString base = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    const QString full = QDir::cleanPath(base + relative);
    if (!full.startsWith(base) || full.size() <= base.size())
        return {};
    return full;
}

} // namespace

int OpenOnDisc(const QString &discLabel, const QString &itemPath, const TVolumeSource &volumes,
               const TFileOpener &open)
{
    if (discLabel.isEmpty() || itemPath.isEmpty())
        return 0;
    int opened = 0;
    for (const TVolume &volume : volumes()) {
        if (volume.pseudo || volume.label.compare(discLabel, Qt::CaseInsensitive) != 0)
            continue;
        const QString path = PathOnVolume(volume.root, itemPath);
        if (path.isEmpty())
            continue;
        open(path);
        ++opened;
    }
    return opened;
}

} // namespace qbx
