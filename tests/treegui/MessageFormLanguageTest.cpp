// The conflict form and a message of the saving layer in English: the
// translation reaches forms built after it is installed, and the untranslated
// Russian comes back with Russian.
#include "platform/Translations.h"
#include "interaction/LongOperation.h"
#include "storage/gui/TMessageForm.h"
#include "options/SizeUnit.h"
#include "tree/SizeText.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qbx {
namespace {

struct RussianAfterwards {
    ~RussianAfterwards() { InstallLanguage(*qApp, UiLanguage::Russian); }
};

TEST(MessageFormLanguage, ConflictFormMessageAndSizesInEnglish)
{
    RussianAfterwards restore;
    ASSERT_TRUE(InstallLanguage(*qApp, UiLanguage::English));
    {
        TMessageForm form;
        form.SetPath(QStringLiteral("CD1\\Docs\\"));
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        EXPECT_EQ(form.windowTitle(), "Moving Items");
        EXPECT_EQ(form.findChild<QPushButton *>("OverwriteButton")->text(), "&Replace");
        EXPECT_EQ(form.findChild<QPushButton *>("KeepButton")->text(), "&Keep");
        EXPECT_EQ(form.findChild<QCheckBox *>("AllCheckBox")->text(),
                  "&Apply this choice to all conflicting items");
        EXPECT_EQ(form.findChild<QLabel *>("MessageLabel")->text(),
                  "The item \"CD1\\Docs\\\" already exists.\n"
                  "Replace it, complement it, keep its description, or stop the operation?");
    }
    // A message box text keeps its line breaks as they are written.
    EXPECT_EQ(InterruptQuestionText(), "Stopping the operation by force may lose data.\r"
                                       "Are you sure?");
    const QLocale c(QLocale::C);
    EXPECT_EQ(SizeText(2048, SuKByte, true, c), "2.00 KB");
    EXPECT_EQ(SizeText(5, SuByte, true, c), "5 bytes");
    // The unit a shown size carries is read back in the same language.
    EXPECT_EQ(ShownSizeUnit(QStringLiteral("2.00 GB"), SuByte), SuGByte);
    EXPECT_EQ(ShownSizeUnit(QStringLiteral("2.00 KB"), SuByte), SuKByte);

    InstallLanguage(*qApp, UiLanguage::Russian);
    EXPECT_EQ(InterruptQuestionText(), "Принудительное завершение действия может привести к "
                                       "потере данных.\rВы уверены?");
    EXPECT_EQ(SizeText(2048, SuKByte, true, c), "2.00 кБ");
}

} // namespace
} // namespace qbx
