#include "platform/Translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(Translations, StandardButtonsReadRussian)
{
    ASSERT_TRUE(qbx::LoadQtTranslations(*QCoreApplication::instance()))
        << "qtbase_ru.qm missing (Debian package qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Да"));
}
