#include "app/ApplicationGui.h"
#include "app/MainWindow.h"
#include "app/QtMessageBoxesGui.h"
#include "app/ScanAttachGui.h"
#include "app/ShellServicesGui.h"
#include "app/StartUp.h"
#include "app/TItemEditGui.h"
#include "app/TQueryGui.h"
#include "app/TSearchGui.h"
#include "engine/Engine.h"
#include "scan/TScanGui.h"
#include "shell/THelpKeyGui.h"
#include "storage/TableEngineSetup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Standard buttons in Russian, also in the engine message below.
    qbx::SetUpApplication(app);

    // Before any window exists the message box has no owner.
    qbx::TQtMessageBoxes boxes;
    if (!qbx::CheckEngine([] { return qbx::EngineAvailable(); }, boxes))
        return 1;
    qbx::SetDefaultLanguageDriver();

    qbx::TMainForm mainForm;
    // Help window, About box, F1 in the menus and the folder picker.
    qbx::TShellServicesGui shellServices(mainForm);
    // The complex query editor and query files.
    qbx::TQueryGui queryGui(mainForm, shellServices.Help());
    shellServices.HelpKeys().Watch(&mainForm.Search().StringForm());
    shellServices.HelpKeys().Watch(&mainForm.Search().SizeForm());
    mainForm.Edit().EditForm().OnHelp = [&shellServices](int context) {
        shellServices.Help().ShowHelpTopic(context);
    };
    // The scan dialog and the scan commands.
    const auto scan =
        qbx::AttachScanGui(mainForm, shellServices.FolderPicker(), shellServices.Help());
    mainForm.SetCommandLine(app.arguments().mid(1));
    mainForm.show();
    const int result = app.exec();
    qbx::engine::Shutdown();
    return result;
}
