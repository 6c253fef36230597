#include "desktop/gui/THelpWindow.h"

#include "desktop/QStringPrinter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

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

// Records whether a window is blocked by a modal one.
class BlockedWatch : public QObject {
public:
    bool blocked = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (event->type() == QEvent::WindowUnblocked)
            blocked = false;
        return false;
    }
};

// Help asked for from a modal dialog can be used and closed while the dialog
// waits, and is an ordinary window again once asked for elsewhere.
TEST(HelpWindow, IsUsableFromAModalDialog)
{
    THelpWindow window(QStringLiteral(QBX_BUILT_HELP_FILE));
    window.ShowHelpContents();
    BlockedWatch watch;
    window.windowHandle()->installEventFilter(&watch);
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    EXPECT_TRUE(watch.blocked);
    window.ShowHelpTopic(qbx::HcAddingTree);
    EXPECT_FALSE(watch.blocked);
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_TRUE(window.isVisible());
    dialog.hide();
    window.ShowHelpContents();
    EXPECT_EQ(window.windowHandle()->transientParent(), nullptr);
    EXPECT_FALSE(watch.blocked);
    EXPECT_TRUE(window.isVisible());
}

QString Topic(int context)
{
    return qbx::HelpTopicUrl(context).toString();
}

// The contents follow the page shown, and one click on an entry opens it.
TEST(HelpWindow, ContentsFollowThePageAndOpenOnOneClick)
{
    THelpWindow window(QStringLiteral(QBX_BUILT_HELP_FILE));
    window.ShowHelpTopic(qbx::HcAddingTree);
    auto *contents = window.findChild<QHelpContentWidget *>(QStringLiteral("HelpContents"));
    ASSERT_NE(contents, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([contents] { return contents->model()->rowCount() > 0; }));
    // The marked entry: the one selected, which must also be the current one.
    const auto currentUrl = [contents] {
        auto *model = static_cast<QHelpContentModel *>(contents->model());
        const QModelIndexList selected = contents->selectionModel()->selectedIndexes();
        if (selected.size() != 1 || selected.first() != contents->currentIndex())
            return QStringLiteral("%1 selected").arg(selected.size());
        const QHelpContentItem *item = model->contentItemAt(selected.first());
        return item ? item->url().toString() : QString();
    };
    (void)QTest::qWaitFor([&] { return currentUrl() == Topic(qbx::HcAddingTree); });
    EXPECT_EQ(currentUrl(), Topic(qbx::HcAddingTree));
    window.ShowHelpTopic(qbx::HcTreeView);
    EXPECT_EQ(currentUrl(), Topic(qbx::HcTreeView));

    const QModelIndex target = contents->indexOf(qbx::HelpTopicUrl(qbx::HcStatusBar));
    ASSERT_TRUE(target.isValid());
    contents->scrollTo(target);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualRect(target).center());
    EXPECT_EQ(window.CurrentUrl(), qbx::HelpTopicUrl(qbx::HcStatusBar));
    EXPECT_EQ(currentUrl(), Topic(qbx::HcStatusBar));
    // A page shown by other means moves the mark off the clicked entry.
    window.ShowHelpTopic(qbx::HcAboutApp);
    EXPECT_EQ(currentUrl(), Topic(qbx::HcAboutApp));
}

// The first showing goes over the asking window and wholly on the screen;
// a place the user gave it afterwards is kept.
TEST(HelpWindow, OpensOverTheAskingWindowAndKeepsItsPlace)
{
    THelpWindow window(QStringLiteral(QBX_BUILT_HELP_FILE));
    window.resize(500, 300); // smaller than the test platform's screen
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    const QRect area = dialog.screen()->availableGeometry();
    dialog.setGeometry(area.left() + 10, area.bottom() - 150, 300, 120);
    dialog.show();
    window.ShowHelpTopic(qbx::HcAddingTree);
    const QRect placed = window.frameGeometry();
    EXPECT_TRUE(area.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height()
        << " in " << area.width() << "x" << area.height();
    EXPECT_LT(placed.left(), dialog.frameGeometry().center().x()) << "near the asking window";
    EXPECT_GT(placed.bottom(), dialog.frameGeometry().top());
    dialog.hide();

    window.close();
    window.move(area.topLeft() + QPoint(40, 30));
    window.ShowHelpContents();
    EXPECT_EQ(window.pos(), area.topLeft() + QPoint(40, 30));
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
