#include "desktop/gui/TFolderPickerGui.h"

#include "storage/gui/TFileDialogModel.h"

#include <QDir>
#include <QFileDialog>

namespace qbx {

bool TFolderPickerGui::PickFolder(const QString &prompt, QString &folder)
{
    QFileDialog dialog(owner_, prompt, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Russian type and size texts, columns shown whole (the dates too).
    PrepareFileDialog(dialog);
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
