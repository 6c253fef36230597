// The questions before results are shown, the four presentations, and
// rebuilding them.
#include "search/SearchFixture.h"

#include "search/FoundRows.h"
#include "search/SelectByPath.h"
#include "search/TViewSwitch.h"
#include "tree/NodePaths.h"
#include "tree/NodeRecord.h"

using namespace qbx;
using namespace qbx::test;

namespace {

const QString kAll = QStringLiteral(R"((Label LIKE "%"))");
const QString k100 = QStringLiteral("В результате поиска было выбрано более 100 записей базы "
                                    "данных.\rВы действительно хотите увидеть эти результаты?");
const QString kHalf = QStringLiteral("В результате поиска было выбрано более половины записей "
                                     "всей базы данных.\rВы действительно хотите увидеть эти "
                                     "результаты?");

QList<Rec> Files(int n, const QString &label = QStringLiteral("CD"))
{
    QList<Rec> out;
    for (int i = 0; i < n; ++i)
        out.append({label, QStringLiteral("f%1.txt").arg(i), "", "", "", double(i), ""});
    return out;
}

// The first n rows of the catalogue (they are found in stored order).
QString FirstRows(int n)
{
    return QStringLiteral("(ByteSize < %1)").arg(n);
}

using FoundViewTest = SearchTest;

TEST_F(FoundViewTest, MoreThanAHundredRowsAsksFirst)
{
    Open(Files(300));
    struct Case {
        const char *confirm;
        bool askedNew, askedRebuild;
    };
    for (const Case c : {Case{"0", true, false}, Case{"1", true, true}, Case{"", false, false}}) {
        options.Confirm100 = QString::fromLatin1(c.confirm);
        options.ConfirmHalf.clear();
        boxes.shown.clear();
        if (c.askedNew)
            boxes.Answer(TMsgAnswer::Yes);
        ASSERT_TRUE(Search(FirstRows(101)));
        ASSERT_EQ(boxes.shown.size(), c.askedNew ? 1 : 0) << c.confirm;
        if (c.askedNew) {
            EXPECT_EQ(boxes.shown[0].text, k100);
            EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Поиск в базе данных"));
            EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
            EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbYesNo));
        }
        boxes.shown.clear();
        if (c.askedRebuild)
            boxes.Answer(TMsgAnswer::Yes);
        options.ConfirmReview = false;
        results.SwitchFoundView(cmd::FoundViewListAction, false);
        EXPECT_EQ(boxes.shown.size(), c.askedRebuild ? 1 : 0) << c.confirm;
        EXPECT_EQ(searchTree.Root()->ChildCount(), 101);
        Present(PresentStandard);
    }
}

TEST_F(FoundViewTest, MoreThanHalfTheCatalogueAsksSecond)
{
    Open(Files(10));
    options.ConfirmHalf = QStringLiteral("0");
    boxes.Answer(TMsgAnswer::No);
    EXPECT_FALSE(Search(FirstRows(6)));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, kHalf);
    EXPECT_FALSE(query.IsOpen()) << "a declined result closes the query";
    EXPECT_EQ(window.DbState(), DbOpen) << "the mode stays";

    boxes.shown.clear();
    EXPECT_TRUE(Search(FirstRows(5)));
    EXPECT_TRUE(boxes.shown.isEmpty()) << "5 of 10 is not more than half";
    EXPECT_EQ(window.DbState(), DbFound);
    EXPECT_EQ(window.FoundText, QStringLiteral("Найдено записей: 5"));
}

TEST_F(FoundViewTest, OnlyOneQuestionIsAsked)
{
    Open(Files(150));
    options.Confirm100 = options.ConfirmHalf = QStringLiteral("1");
    boxes.Answer(TMsgAnswer::No);
    EXPECT_FALSE(Search(FirstRows(140)));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, k100);
}

TEST_F(FoundViewTest, DecliningKeepsTheShownResults)
{
    Open(Files(200));
    options.Confirm100 = QStringLiteral("1");
    ASSERT_TRUE(Search(FirstRows(3)));
    boxes.Answer(TMsgAnswer::No);
    EXPECT_FALSE(Search(FirstRows(150)));
    EXPECT_EQ(window.DbState(), DbFound);
    EXPECT_EQ(searchTree.Root()->ChildCount(), 1) << "disc CD with its three files";
    EXPECT_EQ(window.FoundText, QStringLiteral("Найдено записей: 3"));
}

TEST_F(FoundViewTest, StandardPresentationBuildsTheCatalogueShape)
{
    Open({{"CD1", "Soft\\pack.zip\\readme.txt", "", "", "", 1, ""},
          {"CD1", "Soft\\my.dir\\a.txt", "", "", "", 2, ""},
          {"CD1", "Soft\\", "Acme", "", "", 0, ""},
          {"cd1", "Docs\\", "", "", "", 0, ""},
          {"CD2", "", "", "", "", 0, ""}});
    ASSERT_TRUE(Search(kAll));
    EXPECT_EQ(Results(),
              (QStringList{"cd1/1", "  Docs/2", "  Soft/2", "    my.dir/2", "      a.txt/4",
                           "    pack.zip/4", "      readme.txt/4", "CD2/1"}))
        << "a found node takes the latest row's spelling";
    // Every row's node carries its record; nodes met on the way carry none.
    const TTreeNode *soft = searchTree.Root()->Child(0)->Child(1);
    ASSERT_NE(soft->FoundRecord(), nullptr);
    EXPECT_EQ(soft->FoundRecord()->Producer, QStringLiteral("Acme"));
    EXPECT_EQ(soft->Child(0)->FoundRecord(), nullptr);
    EXPECT_EQ(searchRootExpansions, 1);
    EXPECT_EQ(searchModel.SelectedNodes(), std::vector<TTreeNode *>{searchTree.Root()});
    EXPECT_EQ(window.EntireSelPath, QString());
}

// Consecutive rows take the disc and folders they share with the row before
// without looking them up again. Rows whose paths share a beginning but
// differ in case, in one Cyrillic letter, at a "\\" or past an archive must
// still give the tree that adding each row on its own gives.
TEST_F(FoundViewTest, StandardRowsSharingBeginningsGiveTheTreeOfRowsAddedOneByOne)
{
    const QList<Rec> rows = {{"CD1", "Папка\\файл.txt", "", "", "", 1, ""},
                             {"CD1", "ПАПКА\\файл2.txt", "", "", "", 2, ""},
                             {"CD1", "Папкб\\x.txt", "", "", "", 3, ""},
                             {"CD1", "Папка\\arc.zip\\in\\deep.txt", "", "", "", 4, ""},
                             {"CD1", "Папка\\arc.zip\\in\\", "", "", "", 0, ""},
                             {"CD1", "Папка\\arc.zipx\\y", "", "", "", 5, ""},
                             {"CD1", "Папка\\arc.zip", "", "", "", 6, ""},
                             {"CD1", "Папка.d\\a", "", "", "", 7, ""},
                             {"CD1", "Папка.d\\", "", "", "", 0, ""},
                             {"cd1", "папка\\Файл.txt", "", "", "", 8, ""},
                             {"CD1", "Пап\\ка", "", "", "", 9, ""},
                             {"CD1", "Пап\\ка\\", "", "", "", 0, ""},
                             {"CD2", "", "", "", "", 0, ""},
                             {"CD2", "Папка\\файл.txt", "", "", "", 10, ""},
                             {"CD1", "Папка\\файл.txt", "", "", "", 11, ""}};
    Open(rows);
    ASSERT_TRUE(Search(kAll));
    const QStringList filled = Results();

    searchTree.ResetTree();
    for (const Rec &r : rows)
        AddFoundRow(searchTree, PresentStandard,
                    TFoundRecord::Make(r.label, r.path, r.producer, r.product, r.version,
                                       int64_t(r.size), r.description));
    EXPECT_EQ(filled, Results());
    EXPECT_EQ(filled.size(), 18);
}

TEST_F(FoundViewTest, OtherPresentationsSortByTextAlone)
{
    Open({{"CD1", "Docs\\", "", "", "", 0, ""},
          {"CD1", "", "", "", "", 0, ""},
          {"CD1", "a\\readme.txt", "Acme", "", "", 1, ""},
          {"CD1", "b\\readme.txt", "ACME", "", "", 2, ""},
          {"CD1", "b\\Zeta.txt", "", "", "", 3, ""},
          {"CD1", "b\\zeta.txt", "Беркут", "", "", 4, ""}});

    Present(PresentList);
    ASSERT_TRUE(Search(kAll));
    EXPECT_EQ(Results(), (QStringList{"CD1/1", "CD1\\a\\readme.txt/4", "CD1\\b\\readme.txt/4",
                                      "CD1\\b\\zeta.txt/4", "CD1\\Docs/2"}))
        << "zeta.txt and Zeta.txt are one item; case decides nothing else";
    const TTreeNode *zeta = searchTree.Root()->Child(3);
    EXPECT_EQ(zeta->FoundRecord()->Size, 4) << "the later row's record";
    const TDisplayRecord shown = GetNodeRecord(zeta, searchTree.Root(), DbFound, PresentList);
    EXPECT_EQ(shown.Path, QStringLiteral("b\\zeta.txt"));
    EXPECT_EQ(shown.Producer, QStringLiteral("Беркут"));

    Present(PresentProducer);
    ASSERT_TRUE(Search(kAll));
    // The Russian collation puts Cyrillic before Latin.
    EXPECT_EQ(Results(),
              (QStringList{"/2", "  CD1/1", "  Docs/2", "  Zeta.txt/4", "Беркут/2", "  zeta.txt/4",
                           "ACME/2", "  readme.txt/4", "  readme.txt/4"}));

    Present(PresentLeaves);
    ASSERT_TRUE(Search(kAll));
    EXPECT_EQ(Results(), (QStringList{"CD1/1", "Docs/2", "readme.txt/4", "readme.txt/4",
                                      "zeta.txt/4", "Zeta.txt/4"}))
        << "lower case before upper case; equal names in the order of their paths";
    EXPECT_EQ(searchTree.Root()->Child(2)->FoundRecord()->Path, QStringLiteral("a\\readme.txt"));
}

TEST_F(FoundViewTest, EachRowKeepsItsOwnLabelWhenDiscsAlternate)
{
    // Rows of different discs in turn, discs' own rows and labels that
    // differ only in case: every record keeps the label of its own row.
    Open({{"CD1", "x.txt", "", "", "", 1, ""},
          {"Диск", "", "", "", "", 0, ""},
          {"CD1", "", "", "", "", 0, ""},
          {"cd1", "y.txt", "", "", "", 2, ""},
          {"Диск", "папка\\z.txt", "", "", "", 3, ""},
          {"CD1", "папка\\", "", "", "", 0, ""}});
    for (const int presentation : {PresentList, PresentLeaves}) {
        Present(presentation);
        ASSERT_TRUE(Search(kAll));
        QStringList records;
        for (int i = 0; i < searchTree.Root()->ChildCount(); ++i) {
            const TTreeNode *node = searchTree.Root()->Child(i);
            records << node->Text() + u'=' + node->FoundRecord()->Label + u'|' +
                           node->FoundRecord()->Path;
        }
        // Cyrillic sorts before Latin.
        if (presentation == PresentList)
            EXPECT_EQ(records, (QStringList{"Диск=Диск|", "Диск\\папка\\z.txt=Диск|папка\\z.txt",
                                            "CD1=CD1|", "CD1\\папка=CD1|папка\\",
                                            "CD1\\x.txt=CD1|x.txt", "cd1\\y.txt=cd1|y.txt"}));
        else
            EXPECT_EQ(records,
                      (QStringList{"Диск=Диск|", "папка=CD1|папка\\", "CD1=CD1|", "x.txt=CD1|x.txt",
                                   "y.txt=cd1|y.txt", "z.txt=Диск|папка\\z.txt"}));
    }
}

TEST_F(FoundViewTest, PresentationChangeRerunsTheLastConditionOnTodaysTree)
{
    Open({{"CD1", "a.txt", "", "", "", 1, ""}});
    ASSERT_TRUE(Search(kAll));
    EXPECT_EQ(Results(), (QStringList{"CD1/1", "  a.txt/4"}));

    // The catalogue changed since; the user picks the list and confirms.
    modes.SetDbState(DbEntire);
    catalogue.InsertItem("CD1", "b.txt", "", "", "", 1, "", false);
    modes.SetDbState(DbFound);
    modes.Unsaved().Set(true);
    boxes.Answer(TMsgAnswer::Yes);
    results.SwitchFoundView(cmd::FoundViewListAction, false);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Изменение представления результатов поиска"));
    EXPECT_EQ(Results(), (QStringList{"CD1\\a.txt/4", "CD1\\b.txt/4"}));
    EXPECT_EQ(window.DbState(), DbFound);

    // Declined: the new presentation stays checked, the results stay.
    boxes.Answer(TMsgAnswer::No);
    results.SwitchFoundView(cmd::FoundViewLeafAction, false);
    EXPECT_EQ(CurrentPresentation(commands), PresentLeaves);
    EXPECT_EQ(Results(), (QStringList{"CD1\\a.txt/4", "CD1\\b.txt/4"}));

    // Choosing the checked one does nothing; without results only the
    // check moves.
    results.SwitchFoundView(cmd::FoundViewLeafAction, true);
    modes.SetDbState(DbNone);
    results.SwitchFoundView(cmd::FoundViewProducerAction, false);
    EXPECT_EQ(CurrentPresentation(commands), PresentProducer);
    EXPECT_EQ(boxes.shown.size(), 2);
}

TEST_F(FoundViewTest, StopLeavesAPartialTreeWithTheFullCount)
{
    Open(Files(50));
    options.ConfirmInterrupt = false;
    qint64 now = 0;
    operation.SetClock([&] { return now += 100; }); // events run at every step
    int steps = 0;
    view.onEvents = [&] {
        if (operation.Running() && ++steps == 10)
            operation.PressStop();
    };
    ASSERT_TRUE(Search(kAll));
    EXPECT_EQ(searchTree.Root()->Child(0)->ChildCount(), 10);
    EXPECT_EQ(window.FoundText, QStringLiteral("Найдено записей: 50"));
    EXPECT_FALSE(operation.Running());
    EXPECT_TRUE(commands.Enabled(cmd::EntireViewAction));
}

TEST_F(FoundViewTest, EntireViewSelectsTheItemOfTheSelectedResult)
{
    TTreeModel mainModel(mainTree);
    view.valueColumnWidth = 200;
    TViewSwitch views(modes, commands, searchModel, view);
    modes.hooks.SelectPath = [&](const QString &p) { SelectByPath(mainModel, p); };
    Open({{"CD1", "Docs\\", "", "", "", 0, ""}, {"CD1", "Docs\\Read.me", "", "", "", 1, ""}});
    commands.SetChecked(cmd::EntireViewAction, true);
    views.ShowEntireView(); // loads the catalogue
    const auto selectedText = [&] {
        const auto s = mainModel.SelectedNodes();
        return s.size() == 1 ? FullItemPath(s.front()) : QStringLiteral("<%1>").arg(s.size());
    };

    for (int presentation : {PresentStandard, PresentProducer, PresentList, PresentLeaves}) {
        Present(presentation);
        ASSERT_TRUE(Search(QStringLiteral(R"((Path LIKE "%.me"))")));
        const TTreeNode *node = searchTree.Root()->Child(0);
        while (node->HasChildren())
            node = node->Child(node->ChildCount() - 1);
        searchModel.Select(node);
        commands.SetChecked(cmd::EntireViewAction, true);
        views.ShowEntireView();
        EXPECT_EQ(window.DbState(), DbEntire);
        EXPECT_EQ(selectedText(), QStringLiteral("CD1\\Docs\\Read.me")) << presentation;
    }

    // A producer group carries no record: the catalogue's selection stays.
    Present(PresentProducer);
    ASSERT_TRUE(Search(QStringLiteral(R"((Path LIKE "%.me"))")));
    searchModel.Select(searchTree.Root()->Child(0));
    mainModel.Select(mainTree.Root());
    commands.SetChecked(cmd::EntireViewAction, true);
    views.ShowEntireView();
    EXPECT_EQ(window.EntireSelPath, QString());
    EXPECT_EQ(selectedText(), QStringLiteral(""));

    // Paths: exact names only; a folder's trailing "\\" is fine.
    EXPECT_NE(SelectByPath(mainModel, QStringLiteral("CD1\\Docs\\")), nullptr);
    EXPECT_EQ(SelectByPath(mainModel, QStringLiteral("cd1\\Docs")), nullptr);
    EXPECT_EQ(SelectByPath(mainModel, QStringLiteral("CD1\\Docs\\READ.ME")), nullptr);
    EXPECT_EQ(SelectByPath(mainModel, QString()), nullptr);

    // Closing the catalogue drops the results and the item to return to.
    ASSERT_TRUE(Search(QStringLiteral(R"((Path LIKE "%.me"))")));
    searchModel.Select(searchTree.Root()->Child(0)->Child(0));
    commands.SetChecked(cmd::EntireViewAction, true);
    views.ShowEntireView();
    EXPECT_FALSE(window.EntireSelPath.isEmpty());
    files.CloseCatalogue();
    EXPECT_EQ(window.EntireSelPath, QString());
    EXPECT_EQ(searchTree.Root()->ChildCount(), 0);
}

} // namespace
