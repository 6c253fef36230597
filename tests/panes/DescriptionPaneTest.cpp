// The description pane over real trees and models with a recording view:
// rows, size units, the item commands, status texts and mouse handling.
#include "PaneFixture.h"

#include "tree/NodeRecord.h"
#include "tree/SizeText.h"

#include <QLocale>

namespace qbx::test {
namespace {

// The thousands separator of the pinned Russian locale.
QString Sep()
{
    return QLocale().groupSeparator();
}

using Rows = std::array<QString, 7>;

TEST_F(PaneFixture, RowsShowWhatAllSelectedItemsShare)
{
    Show({a});
    EXPECT_EQ(view.rows,
              (Rows{"CD1", "Soft\\a.txt", "Acme", "Pack", "1.0", "1" + Sep() + "536 байт", "x"}));
    EXPECT_EQ(pane.SelSize, 1536);

    // Same producer, other version: the version and path rows are emptied.
    Show({a, b});
    EXPECT_EQ(view.rows, (Rows{"CD1", "", "Acme", "Pack", "", "1" + Sep() + "536 байт", "x"}));

    // A folder without description: no size at all.
    Show({a, soft});
    EXPECT_EQ(view.rows, (Rows{"CD1", "", "", "", "", "", ""}));
    EXPECT_EQ(pane.SelSize, -1);

    // The root among the selection, wherever it comes, empties every row.
    for (auto sel : {std::initializer_list<const TTreeNode *>{tree.Root(), a},
                     std::initializer_list<const TTreeNode *>{a, b, tree.Root()},
                     std::initializer_list<const TTreeNode *>{tree.Root()}}) {
        Show(sel);
        EXPECT_EQ(view.rows, Rows{});
        EXPECT_EQ(pane.SelSize, -1);
    }

    // Nothing selected.
    Show({a});
    Show({});
    EXPECT_EQ(view.rows, Rows{});
}

TEST_F(PaneFixture, PathsOfDiscsFoldersAndFiles)
{
    Show({soft});
    EXPECT_EQ(view.rows[0], "CD1");
    EXPECT_EQ(view.rows[1], "Soft\\");
    // An expanded folder is still a folder.
    tree.SetImage(soft, ImageFolderOpen);
    Show({soft});
    EXPECT_EQ(view.rows[1], "Soft\\");
    Show({cd2});
    EXPECT_EQ(view.rows[0], "CD2");
    EXPECT_EQ(view.rows[1], "");
    // An archive with catalogued contents is a file.
    Show({zip});
    EXPECT_EQ(view.rows[1], "pack.zip");
}

TEST_F(PaneFixture, SizeUnitLastsUntilTheNextRefill)
{
    const int &labelEditsEnded = view.labelEditsEnded;
    Show({a});
    EXPECT_EQ(pane.ShownSizeUnit(), SuByte);

    pane.ShowSizeIn(SuKByte);
    EXPECT_EQ(view.rows[5], "1,50 кБ");
    EXPECT_EQ(options.SizeUnit, SuByte);
    EXPECT_EQ(pane.ShownSizeUnit(), SuKByte);
    EXPECT_TRUE(commands.Checked(cmd::SizeKByteAction));
    EXPECT_EQ(labelEditsEnded, 1);

    // The unit now shown: nothing is refilled.
    const int writes = view.rowWrites;
    pane.ShowSizeIn(SuKByte);
    EXPECT_EQ(view.rowWrites, writes);

    // Any refill goes back to the option's unit.
    Show({b});
    EXPECT_EQ(view.rows[5], "1" + Sep() + "536 байт");
    EXPECT_EQ(pane.ShownSizeUnit(), SuByte);

    // The results tree takes the unit as well; no label edit to end there.
    window.SetMode(DbFound);
    TTreeNode *f = results.AddChild(results.Root(), "f", ImageFile);
    results.SetFoundRecord(f, std::make_unique<TFoundRecord>(
                                  TFoundRecord::Make("CD9", "f", "", "", "", 3LL << 30, "")));
    Show({f});
    pane.ShowSizeIn(SuGByte);
    EXPECT_EQ(view.rows[5], "3,00 ГБ");
    EXPECT_EQ(labelEditsEnded, 2);
}

TEST_F(PaneFixture, SizeUnitDoesNothingWithAnEmptySizeRow)
{
    tree.MutableDescription(a)->Size = 0;
    Show({a});
    const int writes = view.rowWrites;
    pane.ShowSizeIn(SuKByte);
    EXPECT_EQ(view.rowWrites, writes);
    // The check goes back to the unit the pane stands for.
    EXPECT_TRUE(commands.Checked(cmd::SizeByteAction));
    EXPECT_FALSE(commands.Checked(cmd::SizeKByteAction));

    // Shown as "0", the size is refilled but stays "0".
    options.EmptySize = false;
    Show({a});
    EXPECT_EQ(view.rows[5], "0");
    EXPECT_EQ(pane.SelSize, 0);
    pane.ShowSizeIn(SuKByte);
    EXPECT_GT(view.rowWrites, writes);
    EXPECT_EQ(view.rows[5], "0");
    EXPECT_EQ(options.SizeUnit, SuByte);
}

TEST_F(PaneFixture, StatusTextOnlyForTheRootAlone)
{
    window.TotalText = QStringLiteral("Всего записей: 7");
    unsaved.Set(false);
    Show({tree.Root()});
    EXPECT_EQ(view.status, window.TotalText);
    EXPECT_EQ(window.StatusText, window.TotalText);

    Show({tree.Root(), a});
    EXPECT_EQ(view.status, "");
    EXPECT_EQ(window.StatusText, "");
    EXPECT_EQ(window.TotalText, QStringLiteral("Всего записей: 7"));

    // Unsaved changes: the total no longer holds and is dropped.
    unsaved.Set(true);
    Show({tree.Root()});
    EXPECT_EQ(view.status, "");
    EXPECT_TRUE(window.TotalText.isEmpty());

    window.SetMode(DbFound);
    window.FoundText = QStringLiteral("Найдено записей: 3");
    Show({results.Root()});
    EXPECT_EQ(view.status, window.FoundText);
    EXPECT_EQ(window.StatusText, window.FoundText);
}

TEST_F(PaneFixture, ItemCommandsFollowRealSelections)
{
    struct Case {
        const char *what;
        TDbState mode;
        std::vector<const TTreeNode *> selected;
        bool clipboard;
        QStringList enabled;
    };
    view.expanded = {tree.Root(), cd1};
    TTreeNode *disc = results.AddChild(results.Root(), "CD1", ImageDisc);
    TTreeNode *docs = results.AddChild(disc, "Docs", ImageFolder);
    TTreeNode *f1 = results.AddChild(docs, "f1", ImageFile);
    TTreeNode *f2 = results.AddChild(docs, "f2", ImageFile);
    for (TTreeNode *f : {f1, f2})
        results.SetFoundRecord(f, std::make_unique<TFoundRecord>());

    const std::vector<Case> cases = {
        {"expanded root",
         DbEntire,
         {tree.Root()},
         true,
         {"AddTree", "AddSubitem", "DeleteSubitems", "ExpandNodes", "CollapseNode",
          "CollapseNodes"}},
        {"collapsed folder",
         DbEntire,
         {soft},
         false,
         {"AddTree", "AddSubitem", "RenameItem", "FolderFile", "CalculateSize", "DeleteItem",
          "DeleteSubitems", "EditDescr", "ExpandNode", "ExpandNodes", "CollapseNodes"}},
        {"described file",
         DbEntire,
         {a},
         true,
         {"AddTree", "AddSubitem", "RenameItem", "FolderFile", "DeleteItem", "PasteDescr",
          "CopyDescr", "EditDescr", "CutDescr", "DeleteDescr"}},
        {"expanded disc",
         DbEntire,
         {cd1},
         false,
         {"AddTree", "AddSubitem", "RenameItem", "CalculateSize", "DeleteItem", "DeleteSubitems",
          "EditDescr", "ExpandNodes", "CollapseNode", "CollapseNodes"}},
        {"archive",
         DbEntire,
         {zip},
         false,
         {"AddTree", "AddSubitem", "RenameItem", "FolderFile", "DeleteItem", "DeleteSubitems",
          "EditDescr", "ExpandNode", "ExpandNodes", "CollapseNodes"}},
        {"empty folder",
         DbEntire,
         {empty},
         true,
         {"AddTree", "AddSubitem", "RenameItem", "FolderFile", "DeleteItem", "PasteDescr",
          "EditDescr"}},
        {"two files",
         DbEntire,
         {a, b},
         false,
         {"DeleteItem", "CopyDescr", "EditDescr", "CutDescr", "DeleteDescr"}},
        {"root and a file",
         DbEntire,
         {tree.Root(), a},
         true,
         {"DeleteSubitems", "ExpandNode", "ExpandNodes", "CollapseNode", "CollapseNodes"}},
        {"nothing", DbEntire, {}, true, {}},
        {"result file", DbFound, {f1}, true, {"CopyDescr", "EditDescr"}},
        {"two result files", DbFound, {f1, f2}, true, {"CopyDescr"}},
        {"result folder",
         DbFound,
         {docs},
         true,
         {"EditDescr", "ExpandNode", "ExpandNodes", "CollapseNodes"}},
    };
    for (const Case &c : cases) {
        window.SetMode(c.mode);
        view.clipboard = c.clipboard;
        TTreeModel &model = c.mode == DbFound ? searchModel : mainModel;
        model.SelectionModel()->clear();
        for (const TTreeNode *n : c.selected)
            model.SelectionModel()->select(model.IndexOf(n), QItemSelectionModel::Select);
        pane.SelectionChanged();
        EXPECT_EQ(EnabledItemCommands(), c.enabled) << c.what;
        EXPECT_EQ(view.readOnly, !c.selected.empty() && c.selected.front() == tree.Root())
            << c.what;
    }
}

TEST_F(PaneFixture, LongOperationRefreshesRowsButNoCommand)
{
    Show({a});
    const QStringList before = EnabledItemCommands();
    window.StatusText = QStringLiteral("Загрузка");
    view.running = true;
    Show({tree.Root()});
    EXPECT_EQ(view.rows, Rows{});
    EXPECT_EQ(EnabledItemCommands(), before);
    EXPECT_TRUE(view.readOnly);
    EXPECT_EQ(window.StatusText, QStringLiteral("Загрузка"));
    pane.UpdateCommands();
    EXPECT_EQ(EnabledItemCommands(), before);
}

TEST_F(PaneFixture, ExpandAndCollapseCommandsAndFolderImages)
{
    mainModel.Select(cd1);
    pane.ExpandNodes();
    EXPECT_EQ(soft->Image(), ImageFolderOpen);
    EXPECT_EQ(cd1->Image(), ImageDisc);
    EXPECT_EQ(zip->Image(), ImageFile);
    EXPECT_TRUE(view.expanded.count(zip));
    // The commands were refreshed for the now expanded disc.
    EXPECT_TRUE(commands.Enabled(cmd::CollapseNodeAction));
    EXPECT_FALSE(commands.Enabled(cmd::ExpandNodeAction));

    pane.CollapseNode(); // one level: the folder below stays open
    EXPECT_FALSE(view.expanded.count(cd1));
    EXPECT_EQ(soft->Image(), ImageFolderOpen);
    EXPECT_TRUE(commands.Enabled(cmd::ExpandNodeAction));

    pane.ExpandNode();
    pane.CollapseNodes();
    EXPECT_TRUE(view.expanded.empty());
    EXPECT_EQ(soft->Image(), ImageFolder);

    mainModel.Select(soft);
    pane.ExpandNode();
    EXPECT_EQ(soft->Image(), ImageFolderOpen);
    EXPECT_EQ(view.rows[1], "Soft\\");

    // A reset view shows everything collapsed again.
    pane.TreeViewReset(TTreeKind::Main);
    EXPECT_EQ(soft->Image(), ImageFolder);
}

TEST_F(PaneFixture, DoubleClicksOpenFilesAndTheEditor)
{
    QStringList opened;
    pane.OpenOnDisc = [&](const QString &label, const QString &path) {
        opened << label + "|" + path;
    };
    Show({a});
    pane.OpenFocusedFile();
    Show({soft});
    pane.OpenFocusedFile();
    Show({cd1});
    pane.OpenFocusedFile();
    EXPECT_EQ(opened, QStringList{"CD1|Soft\\a.txt"});

    const int &editors = view.editorsRun;
    commands.SetEnabled(cmd::EditDescrAction, false);
    pane.EditFieldRow = 6;
    pane.EditAtSelectedRow();
    EXPECT_EQ(editors, 0);
    EXPECT_EQ(pane.EditFieldRow, 6);
    commands.SetEnabled(cmd::EditDescrAction, true);
    view.selectedRow = 4;
    pane.EditAtSelectedRow();
    EXPECT_EQ(pane.EditFieldRow, 4);
    view.selectedRow = -1;
    pane.EditAtSelectedRow();
    EXPECT_EQ(pane.EditFieldRow, 2);
    EXPECT_EQ(editors, 2);
}

TEST_F(PaneFixture, RightPressOnlyOnTheSizeRowOffersUnits)
{
    options.SizeUnit = SuAuto;
    Show({a});
    commands.SetChecked(cmd::SizeAutoAction, true);
    EXPECT_FALSE(pane.PrepareSizeMenu());
    view.selectedRow = 3;
    EXPECT_FALSE(pane.PrepareSizeMenu());
    EXPECT_TRUE(commands.Checked(cmd::SizeAutoAction));
    view.selectedRow = 5;
    EXPECT_TRUE(pane.PrepareSizeMenu());
    EXPECT_TRUE(commands.Checked(cmd::SizeKByteAction));
    // An empty size stands for the option's unit.
    Show({soft});
    EXPECT_TRUE(pane.PrepareSizeMenu());
    EXPECT_TRUE(commands.Checked(cmd::SizeAutoAction));
}

TEST_F(PaneFixture, ResultNodesShowTheirRecordsByPresentation)
{
    window.SetMode(DbFound);
    TTreeNode *disc = results.AddChild(results.Root(), "CD1", ImageDisc);
    TTreeNode *folder = results.AddChild(disc, "Docs", ImageFolder);
    TTreeNode *file = results.AddChild(folder, "r.txt", ImageFile);
    results.SetFoundRecord(file, std::make_unique<TFoundRecord>(TFoundRecord::Make(
                                     "CD1", "Docs\\r.txt", "Acme", "Pack", "3", 10, "d")));
    const TTreeNode *root = results.Root();

    Show({folder});
    EXPECT_EQ(view.rows, (Rows{"CD1", "Docs\\", "", "", "", "", ""}));
    Show({file});
    EXPECT_EQ(view.rows, (Rows{"CD1", "Docs\\r.txt", "Acme", "Pack", "3", "10 байт", "d"}));

    // A producer group shows its name as the producer; a list node without
    // a record shows nothing.
    EXPECT_EQ(GetNodeRecord(disc, root, DbFound, PresentProducer).Producer, "CD1");
    EXPECT_EQ(GetNodeRecord(disc, root, DbFound, PresentProducer).Label, "");
    EXPECT_EQ(GetNodeRecord(folder, root, DbFound, PresentList), TDisplayRecord());
    EXPECT_EQ(GetNodeRecord(file, root, DbFound, PresentLeaves).Path, "Docs\\r.txt");
    // In the catalogue tree a result record is not data.
    EXPECT_EQ(GetNodeRecord(file, root, DbEntire, PresentStandard).Producer, "");
}

} // namespace
} // namespace qbx::test
