#include "storage/gui/TQtFileDialogs.h"

#include "storage/gui/TFileDialogModel.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QCoreApplication>

namespace qbx {

QString TQtFileDialogs::QtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        QString patterns = parts[i + 1];
        if (patterns == QLatin1String("*.*")) {
            patterns = QStringLiteral("*");
            name.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
        }
        if (!name.contains(QLatin1Char('(')))
            name += QStringLiteral(" (") + patterns.replace(QLatin1Char(';'), QLatin1Char(' ')) +
                    QLatin1Char(')');
        out << name;
    }
    return out.join(QStringLiteral(";;"));
}

QString TQtFileDialogs::GetOpenFileName(const TOpenDialogState &state)
{
    QFileDialog dialog(owner_, state.Title);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(QtFilter(state.Filter).split(QStringLiteral(";;")));
    PrepareFileDialog(dialog);
    if (!state.InitialFolder.isEmpty())
        dialog.setDirectory(state.InitialFolder);
    if (!state.FileName.isEmpty())
        dialog.selectFile(state.FileName);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString chosen = dialog.selectedFiles().constFirst();
        // A catalogue is opened for editing: a file the user may not write
        // is refused and the dialog stays open.
        if (QFileInfo(chosen).isWritable())
            return chosen;
        QMessageBox::warning(&dialog, state.Title,
                             chosen + QCoreApplication::translate("TQtFileDialogs", "\nФайл доступен только для чтения.\n"
                                                     "Выберите другой файл."));
    }
}

} // namespace qbx
