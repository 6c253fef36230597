#include "app/gui/Application.h"

#include "app/gui/Images.h"
#include "options/InterfaceLanguage.h"

#include <QApplication>

namespace qbx {

void SetUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("qubrix"));
    QApplication::setWindowIcon(AppIcon());
    // The language the user chose in the options, else the one of the
    // messages locale: Russian (with Qt's Russian standard buttons) or the
    // English translation. Read before any window exists, so a change made in
    // the options dialog applies at the next start.
    InstallLanguage(app, ChosenLanguage());
}

} // namespace qbx
