#include "shell/TFolderPickerGui.h"

#include <QDir>
#include <QFileDialog>

namespace qbx {

bool TFolderPickerGui::PickFolder(const QString &prompt, QString &folder)
{
    const QString chosen =
        QFileDialog::getExistingDirectory(owner_, prompt, folder, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return false;
    // The file system's own form; the root keeps its single "/".
    folder = QDir::cleanPath(QDir::fromNativeSeparators(chosen));
    return true;
}

} // namespace qbx
