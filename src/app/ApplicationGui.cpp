#include "app/ApplicationGui.h"

#include "app/ImagesGui.h"
#include "platform/Translations.h"

#include <QApplication>

namespace qbx {

void SetUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("qubrix"));
    QApplication::setWindowIcon(AppIcon());
    // Standard buttons in Russian.
    LoadQtTranslations(app);
}

} // namespace qbx
