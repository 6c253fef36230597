#include "app/gui/Application.h"
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/QtMessageBoxes.h"
#include "app/StartUp.h"
#include "engine/Engine.h"
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

    // The window, the session and every part bound to them.
    int result = 0;
    {
        qbx::TProgram program;
        program.Window().SetCommandLine(app.arguments().mid(1));
        program.Window().show();
        result = app.exec();
    }
    qbx::engine::Shutdown();
    return result;
}
