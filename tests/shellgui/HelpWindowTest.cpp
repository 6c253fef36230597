#include "shell/THelpWindow.h"

#include "shell/QStringPrinter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

using qbx::THelpWindow;

// The help file compiled by the build opens at the asked topic, and every
// topic page of the table is really inside it with a title of its own.
TEST(HelpWindow, OpensTheBuiltHelpFileAtTopicsAndContents)
{
    THelpWindow window(QStringLiteral(QBX_BUILT_HELP_FILE));
    window.ShowHelpTopic(qbx::HcTreeSearch);
    ASSERT_TRUE(window.HelpFileOpened());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CurrentUrl(), qbx::HelpTopicUrl(qbx::HcTreeSearch));
    EXPECT_EQ(window.CurrentTitle(), QStringLiteral("Дерево результатов поиска"));

    QStringList titles;
    for (int context = 0; context < qbx::HelpTopicCount; ++context) {
        window.ShowHelpTopic(context);
        EXPECT_EQ(window.CurrentUrl(), qbx::HelpTopicUrl(context)) << context;
        EXPECT_FALSE(window.CurrentTitle().isEmpty()) << context;
        EXPECT_FALSE(titles.contains(window.CurrentTitle())) << context;
        titles << window.CurrentTitle();
    }

    window.ShowHelpContents();
    EXPECT_EQ(window.CurrentUrl(), qbx::HelpContentsUrl());
    EXPECT_EQ(window.CurrentTitle(), QStringLiteral("Содержание"));
}

TEST(HelpWindow, IndexKeywordLeadsToItsPage)
{
    THelpWindow window(QStringLiteral(QBX_BUILT_HELP_FILE));
    window.ShowHelpContents();
    auto *index = window.findChild<QHelpIndexWidget *>(QStringLiteral("HelpIndex"));
    auto *filter = window.findChild<QLineEdit *>(QStringLiteral("HelpIndexFilter"));
    ASSERT_NE(index, nullptr);
    ASSERT_NE(filter, nullptr);
    // The engine builds its index in the background.
    QElapsedTimer timer;
    timer.start();
    while (index->model()->rowCount() == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    filter->setText(QStringLiteral("сканир"));
    ASSERT_GE(index->model()->rowCount(), 1);
    index->setCurrentIndex(index->model()->index(0, 0));
    index->activateCurrentItem();
    EXPECT_EQ(window.CurrentUrl(), qbx::HelpTopicUrl(qbx::HcAddingTree));
}

// Help asked for from a modal dialog must not be blocked by that dialog.
TEST(HelpWindow, IsUsableFromAModalDialog)
{
    THelpWindow window(QStringLiteral(QBX_BUILT_HELP_FILE));
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    window.ShowHelpTopic(qbx::HcAddingTree);
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(window.isVisible());
    dialog.hide();
    window.ShowHelpContents();
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_TRUE(window.isVisible());
}

TEST(HelpWindow, MissingHelpFileIsReportedOnThePage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("qubrix.qch"));
    THelpWindow window(missing);
    window.ShowHelpTopic(qbx::HcAboutApp);
    EXPECT_FALSE(window.HelpFileOpened());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.findChild<QTextBrowser *>()->toPlainText().contains(missing));
}

} // namespace
