// The main window in English and back in Russian: the language installed
// before the window is built is the language of every menu, hint and pane.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "platform/Translations.h"
#include "interaction/CommandTable.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

class MainWindowLanguageTest : public ::testing::Test {
protected:
    TempConfigHome config;

    void TearDown() override { InstallLanguage(*qApp, UiLanguage::Russian); }

    static QStringList MenuTitles(TMainForm &form)
    {
        QStringList titles;
        for (QAction *a : form.menuBar()->actions())
            titles << a->text();
        return titles;
    }
};

TEST_F(MainWindowLanguageTest, EnglishWindowThenRussianAgain)
{
    ASSERT_TRUE(InstallLanguage(*qApp, UiLanguage::English));
    {
        TProgram program;
        TMainForm &form = program.Window();
        form.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Qubrix"));
        EXPECT_EQ(MenuTitles(form), (QStringList{"F&ile", "&Edit", "&Search", "&View", "&Overview",
                                                 "&Tools", "&Help"}));
        EXPECT_EQ(form.findChild<QAction *>("SaveDbMenuItem")->text(),
                  QStringLiteral("Save\tCtrl+S"));
        EXPECT_EQ(form.Action(cmd::SaveDbAction)->statusTip(),
                  QStringLiteral("Save the current catalogue"));
        EXPECT_EQ(form.Menu("FieldSearchMenuItem")->title(), QStringLiteral("Search by One Field"));
        EXPECT_EQ(form.findChild<QToolButton *>("SimpleSearchToolButton")->toolTip(),
                  QStringLiteral("Simple search"));
        ASSERT_EQ(form.DescrListView()->topLevelItemCount(), 7);
        EXPECT_EQ(form.DescrListView()->topLevelItem(0)->text(0), QStringLiteral("Disc label"));
        EXPECT_EQ(form.DescrListView()->headerItem()->text(1), QStringLiteral("Value"));
    }

    // The tables built for English are built again for Russian.
    ASSERT_TRUE(InstallLanguage(*qApp, UiLanguage::Russian));
    TProgram program;
    TMainForm &form = program.Window();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Кварнис"));
    EXPECT_EQ(MenuTitles(form), (QStringList{"&Файл", "&Правка", "По&иск", "&Вид", "О&бзор",
                                             "&Настройка", "По&мощь"}));
    EXPECT_EQ(CommandTable()[cmd::SaveDbAction].caption, QStringLiteral("Сохранить"));
}

} // namespace
} // namespace qbx::test
