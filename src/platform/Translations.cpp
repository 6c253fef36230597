#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace qbx {

bool LoadQtTranslations(QCoreApplication &app)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // From here on the application owns the translator (Qt parent link).
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace qbx
