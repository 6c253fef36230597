#pragma once

class QCoreApplication;

namespace qbx {

// Installs Qt's own Russian translations (qtbase_ru.qm from Qt's translation
// folder) in the application, so standard buttons read "Да", "Нет",
// "Отмена". The translator is owned by the application. Returns false when
// the translation file is missing (the program then shows Qt's English).
bool LoadQtTranslations(QCoreApplication &app);

} // namespace qbx
