#include "app/ApplicationGui.h"

#include "app/ImagesGui.h"
#include "platform/Translations.h"

#include <QApplication>

namespace qbx {

void SetUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("qubrix"));
    QApplication::setWindowIcon(AppIcon());
    // The language of the user's messages locale: Russian (with Qt's Russian
    // standard buttons) or the English translation.
    InstallLanguage(app, LanguageFromEnvironment(ProcessEnvironment));
}

} // namespace qbx
