#include "optionsdialog/gui/TOptionsForm.h"

#include "options/TOptions.h"
#include "support/StoredOptions.h"
#include "platform/AppPaths.h"
#include "platform/Translations.h"
#include "desktop/Help.h"
#include "desktop/QStringPrinter.h"
#include "support/FakeOptionsWindow.h"
#include "support/ScriptedFolderPicker.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace qbx;

class OptionsFormTest : public ::testing::Test {
protected:
    template <typename T> T *Child(const char *name) const
    {
        T *child = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QCheckBox *Box(const char *name) const { return Child<QCheckBox>(name); }
    static void Key(QWidget *target, int key, Qt::KeyboardModifiers mods)
    {
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(target, &press);
    }

    test::TempConfigHome home;
    test::TempExecutable exe; // before the options, which take their places from it
    QTemporaryDir &exeDir = exe.dir;
    test::StoredOptions options;
    test::FakeOptionsWindow window;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedFolderPicker picker;
    std::unique_ptr<TOptionsForm> form =
        std::make_unique<TOptionsForm>(options.storage, options.panes, window, boxes, picker);
};

TEST_F(OptionsFormTest, PagesControlsAndHelpContexts)
{
    EXPECT_EQ(form->windowTitle(), "Параметры");
    EXPECT_EQ(HelpContextOf(form.get()), 13);
    auto *pages = Child<QTabWidget>("PageControl");
    const QStringList captions{"&Место хранения",  "&Рабочие папки",     "&Геометрия окна",
                               "&Единица размера", "Результаты &поиска", "Под&тверждения",
                               "&Добавление дерева"};
    const char *names[] = {"StorageTabSheet", "FolderTabSheet",  "GeometryTabSheet",
                           "SizeTabSheet",    "SeachTabSheet",   "ConfirmTabSheet",
                           "ScanTabSheet"};
    ASSERT_EQ(pages->count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(pages->tabText(i), captions[i]);
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
        // The page of our own shows the topic of adding a file tree.
        EXPECT_EQ(HelpContextOf(pages->widget(i)), i < 6 ? 13 + i : 8);
    }
    pages->setCurrentIndex(6);
    EXPECT_EQ(HelpContextOf(pages->tabBar()), 8);
    pages->setCurrentIndex(0);
    EXPECT_EQ(Box("ExtraTagsCheckBox")->text(), "Читать теги FLAC, Ogg, M4A и других форматов");
    // A control gets its page's topic.
    EXPECT_EQ(HelpContextOf(Box("ConfirmDeleteCheckBox")), 18);
    EXPECT_EQ(Child<QRadioButton>("StorageRadioGroup1")->text(),
              "Инициализационный файл " + paths::ShownPath(exeDir.path() + "/qubrix.ini"));
    EXPECT_EQ(Child<QGroupBox>("SizeRadioGroup")->title(), "Единица измерения размера");
    EXPECT_EQ(Child<QToolButton>("DbSpeedButton")->toolTip(),
              "Выберите папку с файлами баз данных");
    EXPECT_EQ(Child<QPushButton>("OKButton")->text(), "O&K");
    EXPECT_EQ(Child<QPushButton>("DefaultButton")->text(), "По &умолчанию");
    EXPECT_TRUE(Child<QLineEdit>("DbFolderEdit")->isReadOnly());
    for (const char *dependent :
         {"RecodeCheckBox", "SaveCheckBox", "More100CheckBox", "MoreHalfCheckBox"}) {
        EXPECT_FALSE(Box(dependent)->isEnabled()) << dependent;
        EXPECT_FALSE(Box(dependent)->isChecked()) << dependent;
    }
}

TEST_F(OptionsFormTest, ShowingFillsTheControlsAndOkTakesThem)
{
    options.ConfirmUnsaved = "0";
    options.SizeUnit = 4;
    form->show();
    EXPECT_EQ(Child<QLineEdit>("DbFolderEdit")->text(), exeDir.path() + "/");
    EXPECT_TRUE(Child<QRadioButton>("SizeRadioGroup4")->isChecked());
    EXPECT_FALSE(Box("ConfirmUnsavedCheckBox")->isChecked());
    EXPECT_TRUE(Box("SaveCheckBox")->isEnabled());
    EXPECT_TRUE(Box("More100CheckBox")->isChecked()); // Confirm100 "1"

    // Clicking a main box brings its dependent box in line.
    Box("ConfirmUnsavedCheckBox")->click();
    EXPECT_FALSE(Box("SaveCheckBox")->isEnabled());
    Box("Confirm100CheckBox")->click();
    EXPECT_FALSE(Box("More100CheckBox")->isEnabled());
    Child<QRadioButton>("SearchRadioGroup3")->setChecked(true);
    EXPECT_TRUE(Box("ExtraTagsCheckBox")->isChecked());
    Box("ExtraTagsCheckBox")->click();
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(options.ConfirmUnsaved, "");
    EXPECT_EQ(options.Confirm100, "");
    EXPECT_EQ(options.SearchView, 3);
    EXPECT_EQ(options.SizeUnit, 4);
    EXPECT_FALSE(options.ReadExtraTags);
}

TEST_F(OptionsFormTest, FolderEditsOpenThePickerWithF4AndAltDown)
{
    form->show();
    auto *dbEdit = Child<QLineEdit>("DbFolderEdit");
    auto *qryEdit = Child<QLineEdit>("QryFolderEdit");
    picker.Answer("/srv/db");
    Key(dbEdit, Qt::Key_F4, Qt::NoModifier);
    EXPECT_EQ(dbEdit->text(), "/srv/db/");
    picker.Answer("/srv/queries");
    Key(qryEdit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(qryEdit->text(), "/srv/queries/");
    Key(qryEdit, Qt::Key_F4, Qt::ShiftModifier); // not the drop-down key
    Key(qryEdit, Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(picker.prompts.size(), 2);
}

TEST_F(OptionsFormTest, ThePageLastShownStaysChosen)
{
    auto *pages = Child<QTabWidget>("PageControl");
    EXPECT_EQ(pages->currentIndex(), 0);
    form->show();
    pages->setCurrentIndex(3);
    EXPECT_EQ(HelpContextOf(pages->tabBar()), 16);
    Child<QPushButton>("CancelButton")->click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    form->show();
    EXPECT_EQ(pages->currentIndex(), 3);
}

} // namespace

TEST_F(OptionsFormTest, InterfaceLanguageIsChosenOnTheViewPageForTheNextStart)
{
    options.Language = 2;
    form->show();
    EXPECT_TRUE(Child<QRadioButton>("LanguageRadioGroup2")->isChecked());
    EXPECT_EQ(Child<QGroupBox>("LanguageRadioGroup")->title(), "Язык интерфейса");
    EXPECT_EQ(Child<QRadioButton>("LanguageRadioGroup0")->text(), "Как в системе");
    EXPECT_EQ(Child<QRadioButton>("LanguageRadioGroup1")->text(), "Русский");
    EXPECT_EQ(Child<QRadioButton>("LanguageRadioGroup2")->text(), "English");
    EXPECT_EQ(Child<QLabel>("LanguageLabel")->text(),
              "Язык интерфейса сменится при следующем запуске программы.");
    EXPECT_EQ(Child<QGroupBox>("LanguageRadioGroup")->parentWidget()->objectName(),
              "SeachTabSheet");
    Child<QRadioButton>("LanguageRadioGroup1")->setChecked(true);
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(options.Language, 1);
}

TEST(OptionsFormLanguage, EnglishDialog)
{
    test::TempConfigHome home;
    test::TempExecutable exe;
    ASSERT_TRUE(InstallLanguage(*qApp, UiLanguage::English));
    {
        test::StoredOptions options;
        test::FakeOptionsWindow window;
        test::ScriptedMessageBoxes boxes;
        test::ScriptedFolderPicker picker;
        TOptionsForm form(options.storage, options.panes, window, boxes, picker);
        EXPECT_EQ(form.windowTitle(), "Options");
        auto *pages = form.findChild<QTabWidget *>("PageControl");
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->tabText(4), "Search &Results");
        EXPECT_EQ(form.findChild<QPushButton *>("CancelButton")->text(), "&Cancel");
        EXPECT_EQ(form.findChild<QRadioButton *>("LanguageRadioGroup1")->text(), "Русский");
        EXPECT_EQ(pages->tabText(6), "&Adding Trees");
        EXPECT_EQ(form.findChild<QRadioButton *>("SizeRadioGroup1")->text(),
                  "Kilobytes (1024 bytes)");
        EXPECT_EQ(form.findChild<QCheckBox *>("ConfirmDeleteCheckBox")->text(),
                  "Deleting items and subitems");
    }
    InstallLanguage(*qApp, UiLanguage::Russian);
}
