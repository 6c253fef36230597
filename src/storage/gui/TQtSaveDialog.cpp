#include "storage/gui/TQtSaveDialog.h"

#include "storage/gui/TFileDialogModel.h"
#include "storage/gui/TQtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QCoreApplication>

namespace qbx {

TSaveDialogAnswer TQtSaveDialog::GetSaveFileName(const TSaveDialogState &state)
{
    QFileDialog dialog(owner_, state.Title);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = TQtFileDialogs::QtFilter(state.Filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    if (state.FilterIndex >= 1 && state.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[state.FilterIndex - 1]);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !state.OverwritePrompt);
    PrepareFileDialog(dialog);
    if (!state.InitialFolder.isEmpty())
        dialog.setDirectory(state.InitialFolder);
    if (!state.FileName.isEmpty())
        dialog.selectFile(state.FileName);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        const QString chosen = dialog.selectedFiles().constFirst();
        const QFileInfo info(chosen);
        // A file that may not be written is refused and the dialog stays open.
        if (!info.exists() || info.isWritable())
            return {chosen, int(filters.indexOf(dialog.selectedNameFilter())) + 1};
        QMessageBox::warning(&dialog, state.Title,
                             chosen + QCoreApplication::translate("TQtSaveDialog", "\nФайл доступен только для чтения.\n"
                                                     "Выберите другой файл."));
    }
}

} // namespace qbx
