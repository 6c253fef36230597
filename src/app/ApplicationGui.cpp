#include "app/ApplicationGui.h"

#include "app/ImagesGui.h"
#include "options/InterfaceLanguage.h"

#include <QApplication>

namespace qbx {

void SetUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("qubrix"));
    QApplication::setWindowIcon(AppIcon());
    // The language of the messages locale: Russian (with Qt's Russian
    // standard buttons) or the English translation, installed before any
    // window exists.
    InstallLanguage(app, ChosenLanguage());
}

} // namespace qbx
