#include "desktop/Help.h"
#include "platform/AppPaths.h"
#include "desktop/RecordingHelp.h"
#include "desktop/WindowPlacement.h"

#include "desktop/QStringPrinter.h"

#include <QFile>
#include <QObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace qbx;

QString PageOf(const QUrl &url)
{
    return url.path().section(QLatin1Char('/'), -1);
}

TEST(HelpTopics, EveryContextAddressesItsOwnPage)
{
    const QStringList pages = {
        "UserIface.htm",        "MainMenu.htm",      "ToolBar.htm",         "TreeView.htm",
        "TreeEdit.htm",         "TreeSearch.htm",    "ListView.htm",        "StatusBar.htm",
        "AddingTree.htm",       "DescrEditing.htm",  "SearchingGlobal.htm", "SearchingFields.htm",
        "SearchingComplex.htm", "TuningOptions.htm", "TuningFolders.htm",   "TuningGeometry.htm",
        "TuningSize.htm",       "TuningView.htm",    "TuningConfirm.htm",   "AboutApp.htm",
        "OverviewStats.htm",    "Duplicates.htm",
    };
    ASSERT_EQ(pages.size(), HelpTopicCount);
    for (int context = 0; context < HelpTopicCount; ++context) {
        const QUrl url = HelpTopicUrl(context);
        EXPECT_EQ(PageOf(url), pages[context]) << context;
        // All topics sit at the top level of the help file, beside the contents.
        EXPECT_EQ(url.adjusted(QUrl::RemoveFilename),
                  HelpContentsUrl().adjusted(QUrl::RemoveFilename));
        EXPECT_EQ(url.scheme(), QStringLiteral("qthelp"));
    }
    EXPECT_EQ(HelpTopicName(HcTreeSearch), QStringLiteral("TreeSearch"));
}

TEST(HelpTopics, ContextsOutsideTheTableFallBackToTheContents)
{
    for (int context : {-1, HelpTopicCount, 1000}) {
        EXPECT_EQ(HelpTopicName(context), QString()) << context;
        EXPECT_EQ(HelpTopicUrl(context), HelpContentsUrl()) << context;
    }
    EXPECT_NE(HelpTopicUrl(0), HelpContentsUrl());
}

TEST(HelpCommand, EnabledOnlyWhileTheHelpFileExists)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("qubrix.qch"));
    EXPECT_FALSE(paths::HelpFileExists(file));
    EXPECT_FALSE(paths::HelpFileExists(QString()));
    EXPECT_FALSE(paths::HelpFileExists(dir.path())); // a folder is no help file
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(paths::HelpFileExists(file));
    QFile::remove(file);
    EXPECT_FALSE(paths::HelpFileExists(file));
}

using test::RecordingHelp;

// A window with a tree panel holding a tree view and its in-place editor,
// and a status bar: the parts carry contexts as the main window's do.
class FocusChain : public ::testing::Test {
protected:
    FocusChain()
    {
        panel.setParent(&window);
        tree.setParent(&panel);
        editor.setParent(&tree);
        statusBar.setParent(&window);
        plain.setParent(&window);
        SetHelpContext(&panel, HcTreeView);
        SetHelpContext(&tree, HcTreeSearch);
        SetHelpContext(&statusBar, HcStatusBar);
    }
    QObject window, panel, tree, editor, statusBar, plain, elsewhere;
    RecordingHelp help;
};

TEST_F(FocusChain, FocusedControlGivesItsOwnOrNearestAncestorsContext)
{
    ShowHelpForFocus(help, &tree, &window);
    ShowHelpForFocus(help, &editor, &window);
    ShowHelpForFocus(help, &statusBar, &window);
    ShowHelpForFocus(help, &plain, &window); // no context anywhere: the general topic
    EXPECT_EQ(help.shown, (std::vector<int>{HcTreeSearch, HcTreeSearch, HcStatusBar, HcUserIface}));
}

TEST_F(FocusChain, NoFocusedControlInTheWindowOpensTheContents)
{
    ShowHelpForFocus(help, nullptr, &window);
    ShowHelpForFocus(help, &window, &window);
    ShowHelpForFocus(help, &elsewhere, &window);
    EXPECT_EQ(help.shown, (std::vector<int>{-1, -1, -1}));
}

TEST_F(FocusChain, DialogFallsBackToItsOwnContext)
{
    // A dialog page without a context of its own shows the dialog's topic.
    QObject dialog, page, box;
    page.setParent(&dialog);
    box.setParent(&page);
    SetHelpContext(&dialog, HcTuningOptions);
    EXPECT_EQ(FocusedHelpContext(&box, &dialog), HcTuningOptions);
    SetHelpContext(&page, HcTuningConfirm);
    EXPECT_EQ(FocusedHelpContext(&box, &dialog), HcTuningConfirm);
}

} // namespace

namespace {

using qbx::PlaceOver;

// The help window on a 1280 x 900 screen whose work area leaves a panel.
TEST(HelpPlacement, CentredOnTheAskingWindowAndWhollyOnScreen)
{
    const QRect screen(0, 0, 1280, 870);
    const QSize help(810, 590);
    // Centred on a window in the middle of the screen.
    EXPECT_EQ(PlaceOver(help, QRect(300, 200, 600, 400), screen), QPoint(195, 105));
    // A window at the lower left: moved up and right until all of it shows.
    const QPoint low = PlaceOver(help, QRect(0, 600, 400, 300), screen);
    EXPECT_TRUE(screen.contains(QRect(low, help))) << low.x() << "," << low.y();
    EXPECT_EQ(low, QPoint(0, 870 - 590));
    // No asking window: the screen's centre.
    EXPECT_EQ(PlaceOver(help, QRect(), screen), QPoint(235, 140));
    // A work area that does not start at 0 and a window larger than it.
    EXPECT_EQ(PlaceOver(QSize(2000, 1000), QRect(50, 50, 10, 10), QRect(0, 30, 1280, 870)),
              QPoint(0, 30));
}

} // namespace
