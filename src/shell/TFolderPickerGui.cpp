#include "shell/TFolderPickerGui.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>

namespace qbx {

namespace {

// Qt's own dialog names a folder's type "Folder" even with the Russian
// translations loaded (that text is missing from them).
class TRussianIconProvider : public QFileIconProvider {
public:
    QString type(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QStringLiteral("Папка");
        return QFileIconProvider::type(info);
    }
};

} // namespace

bool TFolderPickerGui::PickFolder(const QString &prompt, QString &folder)
{
    TRussianIconProvider icons;
    QFileDialog dialog(owner_, prompt, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setIconProvider(&icons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QString chosen = dialog.selectedFiles().value(0);
    if (chosen.isEmpty())
        return false;
    // The file system's own form; the root keeps its single "/".
    folder = QDir::cleanPath(QDir::fromNativeSeparators(chosen));
    return true;
}

} // namespace qbx
