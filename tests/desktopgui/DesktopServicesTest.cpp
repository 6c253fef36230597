// The help and About commands of the real main window.
#include "app/gui/DesktopServicesGui.h"

#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "options/TOptions.h"
#include "platform/AppPaths.h"
#include "interaction/CommandTable.h"
#include "desktop/QStringPrinter.h"
#include "desktop/gui/TAboutForm.h"
#include "desktop/gui/THelpWindow.h"
#include "storage/gui/TMessageForm.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

using namespace qbx;

// A program folder holding the help file, the main window and its services.
class DesktopServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        paths::SetExecutablePathOverride(exeDir.filePath(QStringLiteral("qubrix")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(QBX_BUILT_HELP_FILE),
                                exeDir.filePath(QStringLiteral("qubrix.qch"))));
        program = std::make_unique<TProgram>();
        form = &program->Window();
        form->show();
        QApplication::setActiveWindow(form);
    }
    void TearDown() override
    {
        form->close();
        program.reset();
        paths::SetExecutablePathOverride(QString());
    }
    THelpWindow *HelpWindow() const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *help = qobject_cast<THelpWindow *>(w))
                return help;
        return nullptr;
    }

    test::TempConfigHome config;
    QTemporaryDir exeDir;
    std::unique_ptr<TProgram> program;
    TMainForm *form = nullptr;
};

TEST_F(DesktopServicesTest, HelpCommandOpensTheFocusedPartsTopicElseTheContents)
{
    QAction *help = form->Action(cmd::HelpContentsAction);
    ASSERT_TRUE(help->isEnabled());
    form->Session().Document().FirstEntireView = false;
    form->ModeLogic().SetDbState(DbEntire);
    form->MainTreeView()->setFocus();
    help->trigger();
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->CurrentUrl(), HelpTopicUrl(HcTreeEdit));

    form->MainTreeView()->clearFocus();
    QApplication::setActiveWindow(form);
    help->trigger();
    EXPECT_EQ(HelpWindow()->CurrentUrl(), HelpContentsUrl());
}

// F1 with no catalogue open: nothing in the window holds the focus (tool-bar
// buttons never take it), so the contents open, not a part's topic.
TEST_F(DesktopServicesTest, F1WithoutACatalogueOpensTheContents)
{
    for (QToolButton *button : form->findChildren<QToolButton *>()) {
        if (button->parentWidget() && button->parentWidget()->objectName() == "ToolBar") {
            EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << qPrintable(button->objectName());
        }
    }
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form;
    QTest::keyClick(target, Qt::Key_F1);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->CurrentUrl(), HelpContentsUrl());
}

TEST_F(DesktopServicesTest, F1InTheNameConflictFormOpensItsTopic)
{
    TMessageForm &conflict = program->ConflictForm();
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&conflict, Qt::Key_F1);
        conflict.reject();
    });
    conflict.AskConflict(QStringLiteral("Диск\\Игры\\"));
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->CurrentUrl(), HelpTopicUrl(HcTreeEdit));
}

TEST_F(DesktopServicesTest, HelpCommandIsOffWithoutTheHelpFile)
{
    QFile::remove(exeDir.filePath(QStringLiteral("qubrix.qch")));
    form->ModeLogic().SetDbState(DbNone);
    EXPECT_FALSE(form->Action(cmd::HelpContentsAction)->isEnabled());
}

TEST_F(DesktopServicesTest, AboutCommandShowsTheAboutBoxModally)
{
    bool shownModal = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<TAboutForm *>(QApplication::activeModalWidget());
        shownModal = about != nullptr;
        if (about)
            about->accept();
    });
    form->Action(cmd::AboutAppAction)->trigger();
    EXPECT_TRUE(shownModal);
}

} // namespace
