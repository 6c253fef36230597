#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace qbx {

namespace {

UiLanguage g_language = UiLanguage::Russian;
int g_generation = 0;
QPointer<QTranslator> g_installed[2];

// "ru_RU.UTF-8", "ru@x", "ru" -> "ru"; "C.UTF-8" -> "C".
QString LanguagePart(const QString &locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale[end] != u'_' && locale[end] != u'.' &&
           locale[end] != u'@')
        ++end;
    return locale.left(end);
}

// Loads `file` from the first folder holding it and installs it.
bool InstallTranslator(QCoreApplication &app, const QString &file, const QStringList &folders,
                       int slot)
{
    auto translator = std::make_unique<QTranslator>();
    bool loaded = false;
    for (const QString &folder : folders) {
        if (translator->load(file, folder)) {
            loaded = true;
            break;
        }
    }
    if (!loaded)
        return false;
    // From here on the application owns the translator (Qt parent link).
    translator->setParent(&app);
    g_installed[slot] = translator.get();
    return QCoreApplication::installTranslator(translator.release());
}

QStringList ProgramTranslationFolders()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    return {appDir + QStringLiteral("/../share/qubrix/translations"),
            QStringLiteral(":/i18n")};
}

} // namespace

UiLanguage LanguageFromEnvironment(const EnvironmentReader &env)
{
    QString locale;
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env(name).trimmed();
        if (qstrcmp(name, "LANGUAGE") == 0)
            locale = locale.section(u':', 0, 0);
        if (!locale.isEmpty())
            break;
    }
    const QString language = LanguagePart(locale);
    if (language.isEmpty() || language == u"C" || language == u"POSIX" ||
        language.compare(u"ru", Qt::CaseInsensitive) == 0)
        return UiLanguage::Russian;
    return UiLanguage::English;
}

UiLanguage ChooseLanguage(LanguageChoice choice, const EnvironmentReader &env)
{
    switch (choice) {
    case LanguageChoice::Russian:
        return UiLanguage::Russian;
    case LanguageChoice::English:
        return UiLanguage::English;
    case LanguageChoice::System:
        break;
    }
    return LanguageFromEnvironment(env);
}

QString ProcessEnvironment(const char *name)
{
    return qEnvironmentVariable(name);
}

bool LoadQtTranslations(QCoreApplication &app)
{
    return InstallTranslator(app, QStringLiteral("qtbase_ru"),
                             {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}, 0);
}

bool InstallLanguage(QCoreApplication &app, UiLanguage language)
{
    for (QPointer<QTranslator> &t : g_installed) {
        if (t) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        t = nullptr;
    }
    g_language = language;
    ++g_generation;
    if (language == UiLanguage::Russian)
        return LoadQtTranslations(app);
    return InstallTranslator(app, QStringLiteral("qubrix_en"), ProgramTranslationFolders(), 1);
}

UiLanguage CurrentLanguage()
{
    return g_language;
}

int LanguageGeneration()
{
    return g_generation;
}

} // namespace qbx
