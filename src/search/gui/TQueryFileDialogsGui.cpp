#include "search/gui/TQueryFileDialogsGui.h"

#include "storage/gui/TFileDialogModel.h"
#include "storage/gui/TQtFileDialogs.h"

#include <QFileDialog>

namespace qbx {

QString TQueryFileDialogsGui::Run(const TOpenDialogState &state, bool save, bool askOverwrite)
{
    QFileDialog dialog(owner_, state.Title);
    dialog.setObjectName(save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !askOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(TQtFileDialogs::QtFilter(state.Filter).split(QStringLiteral(";;")));
    PrepareFileDialog(dialog);
    if (!state.InitialFolder.isEmpty())
        dialog.setDirectory(state.InitialFolder);
    if (!state.FileName.isEmpty())
        dialog.selectFile(state.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TQueryFileDialogsGui::GetOpenFileName(const TOpenDialogState &state)
{
    return Run(state, false, false);
}

QString TQueryFileDialogsGui::GetSaveFileName(const TOpenDialogState &state, bool askOverwrite)
{
    return Run(state, true, askOverwrite);
}

} // namespace qbx
