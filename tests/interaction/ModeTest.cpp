// The window modes: enabled and checked commands, captions and panes of each
// mode, and the freezing of commands around long operations.
#include "ModeLogicFixture.h"

#include <QTemporaryDir>

namespace qbx::test {
namespace {

// Expected enabled state per command in list order, groups separated by
// blanks: '1' on, '0' off, '-' left as it was, 'r' on when search results
// exist, 'h' on when the help file exists.
struct ModeRow {
    TDbState state;
    const char *commands;
    bool entireChecked, foundChecked;
    bool editMenu, fieldMenu, sizeMenu, simpleButton;
    bool panes;
    TTreeKind tree;
    const char *caption;
};

//                 0  1-2 3 4  5-7 8  9-19        20-28     29 30 31 32-35 36-39 40-44 45-46 47-48
//                 49 50
const ModeRow Rows[] = {
    {DbNone, "0 -- 0 0 000 - 00000000000 000000000 - 0 0 ---- 0000 00000 00 -- h -", false, false,
     false, false, false, false, false, TTreeKind::None, "Кварнис"},
    {DbOpen, "0 -- 0 - 111 - 00000000000 111111111 - 1 r ---- 0000 00000 00 -- h -", false, false,
     false, true, false, true, false, TTreeKind::None, "Диски - Кварнис"},
    {DbEntire, "- -- 1 - 111 - ----------- 111111111 - 1 r ---- ---- 11111 11 -- h -", true, false,
     true, true, true, true, true, TTreeKind::Main, "Диски - Кварнис"},
    {DbFound, "- -- 0 - 111 - ----------- 111111111 - 1 1 ---- ---- 11111 11 -- h -", false, true,
     true, true, true, true, true, TTreeKind::Search, "Диски (выборка) - Кварнис"},
};

std::string Expected(const char *pattern, bool before, bool results, bool help)
{
    std::string s;
    for (const char *c = pattern; *c; ++c) {
        switch (*c) {
        case ' ':
            break;
        case '-':
            s += before ? '1' : '0';
            break;
        case 'r':
            s += results ? '1' : '0';
            break;
        case 'h':
            s += help ? '1' : '0';
            break;
        default:
            s += *c;
        }
    }
    return s;
}

TEST_F(ModeLogicTest, EveryModeSetsItsCommandsCaptionAndPanes)
{
    QTemporaryDir dir;
    document.DbName = QStringLiteral("Диски");
    document.FirstEntireView = false;
    window.Panes.EntireTreeWidth = 201;
    window.Panes.EntireValueWidth = 202;
    window.Panes.FoundTreeWidth = 301;
    window.Panes.FoundValueWidth = 302;
    for (const ModeRow &row : Rows) {
        for (bool before : {true, false}) {
            for (bool results : {false, true}) {
                for (bool help : {false, true}) {
                    SCOPED_TRACE(testing::Message()
                                 << "mode " << int(row.state) << " before " << before << " results "
                                 << results << " help " << help);
                    environment.HelpFile = dir.filePath(help ? "help.qch" : "missing.qch");
                    if (help) {
                        QFile f(environment.HelpFile);
                        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                    }
                    for (int i = 0; i < cmd::Count; ++i)
                        commands.SetEnabled(CommandAt(i), before);
                    view.searchResults = results;

                    modes.SetDbState(row.state);

                    EXPECT_EQ(EnabledMask(), Expected(row.commands, before, results, help));
                    EXPECT_EQ(commands.Checked(cmd::EntireViewAction), row.entireChecked);
                    EXPECT_EQ(commands.Checked(cmd::FoundViewAction), row.foundChecked);
                    EXPECT_EQ(commands.ItemEnabled(TUiItem::EditMenuItem), row.editMenu);
                    EXPECT_EQ(commands.ItemEnabled(TUiItem::FieldSearchMenuItem), row.fieldMenu);
                    EXPECT_EQ(commands.ItemEnabled(TUiItem::SizeUnitMenuItem), row.sizeMenu);
                    EXPECT_EQ(commands.ItemEnabled(TUiItem::SimpleSearchToolButton),
                              row.simpleButton);
                    EXPECT_EQ(view.panesShown, row.panes);
                    // Only an open catalogue without a pane says how to see it.
                    EXPECT_EQ(view.openHintShown, row.state == DbOpen);
                    EXPECT_EQ(view.splitCursor, row.panes);
                    EXPECT_EQ(modes.ActiveTree(), row.tree);
                    EXPECT_EQ(view.attached, row.tree);
                    EXPECT_EQ(view.caption, QString::fromUtf8(row.caption));
                    EXPECT_EQ(window.DbState(), row.state);
                    if (row.state == DbEntire) {
                        EXPECT_EQ(view.treeShown, TTreeKind::Main);
                        EXPECT_EQ(view.treeWidth, 201);
                        EXPECT_EQ(view.valueWidth, 202);
                    } else if (row.state == DbFound) {
                        EXPECT_EQ(view.treeShown, TTreeKind::Search);
                        EXPECT_EQ(view.treeWidth, 301);
                        EXPECT_EQ(view.valueWidth, 302);
                    }
                    QFile::remove(dir.filePath("help.qch"));
                }
            }
        }
    }
}

TEST_F(ModeLogicTest, ModeZeroForgetsTheCatalogueAndModeSwitchEndsOperations)
{
    lastSearch.LastCondition = QStringLiteral("x");
    document.DbIsNew = document.DbReadOnly = true;
    window.FoundText = window.TotalText = window.StatusText = QStringLiteral("t");
    operation.StartOperation(QStringLiteral("Загрузка"), 10);
    modes.SetDbState(DbNone);
    EXPECT_TRUE(lastSearch.LastCondition.isEmpty());
    EXPECT_FALSE(document.DbIsNew || document.DbReadOnly);
    EXPECT_TRUE(window.FoundText.isEmpty() && window.TotalText.isEmpty());
    EXPECT_TRUE(window.StatusText.isEmpty());
    EXPECT_FALSE(operation.Running());
    EXPECT_FALSE(view.operationShown);
}

TEST_F(ModeLogicTest, FirstEntireViewLoadsTheTableOnceAndNotForANewCatalogue)
{
    int selections = 0;
    const int &loads = catalogue.loads;
    QString selectedPath;
    modes.hooks.SelectPath = [&](const QString &p) { selectedPath = p; };
    modes.hooks.SelectionChange = [&](TTreeKind t) {
        EXPECT_EQ(t, TTreeKind::Main);
        ++selections;
    };
    window.EntireSelPath = QStringLiteral("DISC\\dir\\");
    modes.SetDbState(DbEntire);
    modes.SetDbState(DbOpen);
    modes.SetDbState(DbEntire);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(view.rootsExpanded, 1);
    EXPECT_EQ(selections, 2);
    EXPECT_EQ(selectedPath, QStringLiteral("DISC\\dir\\"));

    document.FirstEntireView = true;
    document.DbIsNew = true;
    modes.SetDbState(DbEntire);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(document.FirstEntireView);
}

TEST_F(ModeLogicTest, AfterAFrozenOperationEachCommandGetsItsOwnStateBack)
{
    modes.SetDbState(DbEntire);
    commands.SetEnabled(cmd::RenameItemAction, true);
    commands.SetEnabled(cmd::DeleteItemAction, false);
    modes.Unsaved().Set(false);
    commands.SetEnabled(cmd::ExitAppAction, false);
    commands.SetEnabled(cmd::AboutAppAction, false);
    const std::string before = EnabledMask();

    modes.FreezeCommands();
    EXPECT_TRUE(modes.CommandsFrozen());
    EXPECT_FALSE(view.popupEnabled);
    for (int i = 0; i < cmd::AppOptionsAction; ++i)
        EXPECT_EQ(commands.Enabled(CommandAt(i)), i == cmd::ExitAppAction)
            << CommandTable()[i].name.toStdString();
    EXPECT_TRUE(commands.Enabled(cmd::AppOptionsAction));
    EXPECT_FALSE(commands.Enabled(cmd::AboutAppAction)); // left as it was
    for (TUiItem item : {TUiItem::EditMenuItem, TUiItem::SearchMenuItem, TUiItem::ViewMenuItem,
                         TUiItem::SimpleSearchToolButton})
        EXPECT_FALSE(commands.ItemEnabled(item));

    answers.ConflictAnswer = ConflictKeepAll;
    modes.RestoreCommands();
    std::string expected = before;
    expected[cmd::ExitAppAction] = '1'; // closing stays possible
    EXPECT_EQ(EnabledMask(), expected);
    EXPECT_FALSE(commands.Enabled(cmd::DeleteItemAction));
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
    EXPECT_TRUE(view.popupEnabled);
    EXPECT_EQ(answers.ConflictAnswer, ConflictNotAsked);
    for (TUiItem item : {TUiItem::EditMenuItem, TUiItem::SearchMenuItem, TUiItem::ViewMenuItem,
                         TUiItem::SimpleSearchToolButton})
        EXPECT_TRUE(commands.ItemEnabled(item));
}

TEST_F(ModeLogicTest, RepeatedFreezeAndStrayRestoreKeepTheCommandStates)
{
    modes.SetDbState(DbOpen);
    const std::string before = EnabledMask();
    modes.EnableCommands(true); // nothing was frozen
    EXPECT_EQ(EnabledMask(), before);
    modes.EnableCommands(false);
    modes.EnableCommands(false);
    modes.EnableCommands(true);
    EXPECT_EQ(EnabledMask(), before);
}

TEST_F(ModeLogicTest, MenusOpeningSetThePresentationAndSizeCommands)
{
    modes.SetDbState(DbEntire);
    int edits = 0;
    modes.hooks.EndLabelEdit = [&] { ++edits; };

    modes.PrepareViewPopup();
    EXPECT_TRUE(commands.Enabled(cmd::FoundViewLeafAction));
    commands.SetEnabled(cmd::ExpandNodeAction, false);
    commands.SetEnabled(cmd::CollapseNodeAction, true);
    EXPECT_EQ(modes.PrepareTreePopup(), cmd::CollapseNodeAction);
    for (int c = FirstFoundViewSet; c <= LastFoundViewSet; ++c)
        EXPECT_FALSE(commands.Enabled(CommandAt(c)));
    commands.SetEnabled(cmd::CollapseNodeAction, false);
    EXPECT_EQ(modes.PrepareTreePopup(), std::nullopt);

    view.sizeRow = QStringLiteral("1,5 МБ");
    modes.PrepareViewMenu();
    EXPECT_EQ(edits, 1);
    EXPECT_TRUE(commands.Checked(cmd::SizeMByteAction));
    EXPECT_FALSE(commands.Checked(cmd::SizeByteAction));

    modes.SetDbState(DbFound);
    modes.PrepareViewMenu();
    EXPECT_EQ(edits, 1); // only mode 2 has in-place edits
    EXPECT_TRUE(commands.Enabled(cmd::FoundViewStandardAction));
}

TEST(SizeCommandShown, FollowsTheShownUnitOrTheOption)
{
    EXPECT_EQ(SizeCommandShown(QStringLiteral("2 ГБ"), 0), cmd::SizeGByteAction);
    EXPECT_EQ(SizeCommandShown(QStringLiteral("700 кБ"), 3), cmd::SizeKByteAction);
    EXPECT_EQ(SizeCommandShown(QStringLiteral("1 024 байт"), 4), cmd::SizeByteAction);
    EXPECT_EQ(SizeCommandShown(QString(), 4), cmd::SizeAutoAction);
    EXPECT_EQ(SizeCommandShown(QStringLiteral("0"), 2), cmd::SizeMByteAction);
    EXPECT_EQ(SizeCommandShown(QString(), 9), cmd::SizeByteAction);
    EXPECT_EQ(SizeCommandShown(QString(), -1), cmd::SizeByteAction);
}

TEST_F(ModeLogicTest, SimpleSearchButtonRunsTheDefaultSearch)
{
    modes.SetDbState(DbOpen);
    QList<int> run;
    modes.hooks.RunCommand = [&](cmd::Id c) { run.append(c); };
    modes.RunSimpleSearchDefault();
    modes.SetSimpleSearchDefault(cmd::SizeSearchAction);
    modes.RunSimpleSearchDefault();
    EXPECT_EQ(run, (QList<int>{cmd::GlobalSearchAction, cmd::SizeSearchAction}));
}

TEST_F(ModeLogicTest, SplitterRemembersTheTreeWidthOfTheShownTree)
{
    modes.SetDbState(DbOpen);
    modes.LeftPaneResized(100);
    EXPECT_EQ(window.Panes.EntireTreeWidth, 225);
    EXPECT_EQ(window.Panes.FoundTreeWidth, 225);
    modes.SetDbState(DbEntire);
    modes.LeftPaneResized(150);
    modes.SetDbState(DbFound);
    modes.LeftPaneResized(170);
    EXPECT_EQ(window.Panes.EntireTreeWidth, 150);
    EXPECT_EQ(window.Panes.FoundTreeWidth, 170);
}

} // namespace
} // namespace qbx::test
