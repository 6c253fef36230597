#pragma once

#include <QString>

#include <functional>

class QCoreApplication;

namespace qbx {

// The language of the user interface. Russian is the language of the source
// texts; every other language is a translation loaded at start-up.
enum class UiLanguage { Russian, English };

// The persisted choice of the user: follow the system, or a fixed language.
// The values are what the options file stores.
enum class LanguageChoice { System = 0, Russian = 1, English = 2 };

// Reads one environment variable; empty when unset.
using EnvironmentReader = std::function<QString(const char *name)>;

// The language a Linux program shows for the messages locale: the first set
// one of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG. Russian
// when that locale is Russian, C or POSIX, or when none is set (the
// program's own language); English for every other language.
UiLanguage LanguageFromEnvironment(const EnvironmentReader &env);

// The language for a persisted choice: a fixed language wins, System asks
// the environment.
UiLanguage ChooseLanguage(LanguageChoice choice, const EnvironmentReader &env);

// The process environment as an EnvironmentReader.
QString ProcessEnvironment(const char *name);

// Installs Qt's own Russian translations (qtbase_ru.qm from Qt's translation
// folder) in the application, so standard buttons read "Да", "Нет",
// "Отмена". The translator is owned by the application. Returns false when
// the translation file is missing (the program then shows Qt's English).
bool LoadQtTranslations(QCoreApplication &app);

// Makes the application speak `language`: Russian installs Qt's Russian
// translations; English installs the program's English translation (from
// the installed translations folder, else the copy built into the program)
// and leaves Qt in its own English. Removes whatever an earlier call
// installed, so tests may switch back and forth. Returns false when a
// translation file could not be loaded.
bool InstallLanguage(QCoreApplication &app, UiLanguage language);

// The language the last InstallLanguage call set (Russian before any).
UiLanguage CurrentLanguage();

// Counts InstallLanguage calls: texts cached in tables compare it to know
// when to translate again.
int LanguageGeneration();

} // namespace qbx
