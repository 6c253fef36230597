#include "platform/Translations.h"
#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

qbx::EnvironmentReader Env(QMap<QString, QString> vars)
{
    return [vars](const char *name) { return vars.value(QString::fromLatin1(name)); };
}

// Puts the process back in Russian whatever a test switched to.
struct RussianAfterwards {
    ~RussianAfterwards() { qbx::InstallLanguage(*QCoreApplication::instance(), qbx::UiLanguage::Russian); }
};

} // namespace

TEST(Translations, StandardButtonsReadRussian)
{
    ASSERT_TRUE(qbx::LoadQtTranslations(*QCoreApplication::instance()))
        << "qtbase_ru.qm missing (Debian package qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Да"));
}

TEST(Translations, MessagesLocaleChoosesTheLanguage)
{
    using qbx::UiLanguage;
    struct Case {
        QMap<QString, QString> env;
        UiLanguage expected;
    };
    const Case cases[] = {
        {{}, UiLanguage::Russian},
        {{{"LANG", "C"}}, UiLanguage::Russian},
        {{{"LANG", "POSIX"}}, UiLanguage::Russian},
        {{{"LC_ALL", "C.UTF-8"}}, UiLanguage::Russian},
        {{{"LANG", "ru_RU.UTF-8"}}, UiLanguage::Russian},
        {{{"LANG", "ru_UA"}}, UiLanguage::Russian},
        {{{"LANG", "en_US.UTF-8"}}, UiLanguage::English},
        {{{"LANG", "de_DE@euro"}}, UiLanguage::English},
        // The earlier variable wins: LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}, UiLanguage::Russian},
        {{{"LC_MESSAGES", "ru_RU.UTF-8"}, {"LC_ALL", "fr_FR.UTF-8"}}, UiLanguage::English},
        {{{"LC_ALL", "ru_RU.UTF-8"}, {"LANGUAGE", "en_GB:ru"}}, UiLanguage::English},
        {{{"LC_ALL", "en_US.UTF-8"}, {"LANGUAGE", "ru:en"}}, UiLanguage::Russian},
        // An empty variable counts as unset.
        {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "en_US"}}, UiLanguage::English},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qbx::LanguageFromEnvironment(Env(c.env)), c.expected) << c.env.firstKey().toStdString();
}

TEST(Translations, PersistedChoiceOverridesTheLocaleBothWays)
{
    using qbx::LanguageChoice;
    using qbx::UiLanguage;
    const auto english = Env({{"LANG", "en_US.UTF-8"}});
    const auto russian = Env({{"LANG", "ru_RU.UTF-8"}});
    EXPECT_EQ(qbx::ChooseLanguage(LanguageChoice::System, english), UiLanguage::English);
    EXPECT_EQ(qbx::ChooseLanguage(LanguageChoice::System, russian), UiLanguage::Russian);
    EXPECT_EQ(qbx::ChooseLanguage(LanguageChoice::Russian, english), UiLanguage::Russian);
    EXPECT_EQ(qbx::ChooseLanguage(LanguageChoice::English, russian), UiLanguage::English);
}

TEST(Translations, EnglishReplacesTheRussianTextsAndBackAgain)
{
    RussianAfterwards restore;
    QCoreApplication &app = *QCoreApplication::instance();
    const int generation = qbx::LanguageGeneration();
    ASSERT_TRUE(qbx::InstallLanguage(app, qbx::UiLanguage::English));
    EXPECT_EQ(qbx::CurrentLanguage(), qbx::UiLanguage::English);
    EXPECT_GT(qbx::LanguageGeneration(), generation);
    EXPECT_EQ(QCoreApplication::translate("Commands", "Создать"), QStringLiteral("New"));
    // Qt's own texts are English again.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    ASSERT_TRUE(qbx::InstallLanguage(app, qbx::UiLanguage::Russian));
    EXPECT_EQ(QCoreApplication::translate("Commands", "Создать"), QStringLiteral("Создать"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}

TEST(Translations, EnglishHasItsOwnHelpFileBesideTheRussianOne)
{
    RussianAfterwards restore;
    QTemporaryDir dir;
    qbx::paths::SetExecutablePathOverride(dir.path() + "/qubrix");
    ASSERT_TRUE(QFile(dir.path() + "/qubrix.qch").open(QIODevice::WriteOnly));
    ASSERT_TRUE(qbx::InstallLanguage(*QCoreApplication::instance(), qbx::UiLanguage::English));
    // No English help yet: the Russian file is better than none.
    EXPECT_EQ(qbx::paths::HelpFile(), dir.path() + "/qubrix.qch");
    ASSERT_TRUE(QFile(dir.path() + "/qubrix_en.qch").open(QIODevice::WriteOnly));
    EXPECT_EQ(qbx::paths::HelpFile(), dir.path() + "/qubrix_en.qch");
    qbx::InstallLanguage(*QCoreApplication::instance(), qbx::UiLanguage::Russian);
    EXPECT_EQ(qbx::paths::HelpFile(), dir.path() + "/qubrix.qch");
    qbx::paths::SetExecutablePathOverride(QString());
}
