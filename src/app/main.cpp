#include "app/ImagesGui.h"
#include "app/MainWindow.h"
#include "app/QtMessageBoxesGui.h"
#include "app/StartUp.h"
#include "engine/Engine.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qubrix"));
    QApplication::setApplicationDisplayName(qbx::AppTitle());
    QApplication::setWindowIcon(qbx::AppIcon());

    // Before any window exists the message box has no owner.
    qbx::TQtMessageBoxes boxes;
    if (!qbx::EngineAvailable(&qbx::engine::Initialize, boxes))
        return 1;

    // The engine's Paradox driver defaults to the Cyrillic language driver:
    // the catalogue-format code provides SetDefaultLanguageDriver and it is
    // called here, before the first window.

    qbx::TMainForm mainForm;
    mainForm.SetCommandLine(app.arguments().mid(1));
    mainForm.show();
    const int result = app.exec();
    qbx::engine::Shutdown();
    return result;
}
