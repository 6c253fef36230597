#include "tree/ItemCommandRules.h"

#include <QMap>

#include <gtest/gtest.h>

using namespace qbx;

namespace {

QMap<QString, bool> States(const TSelectionSummary &s)
{
    QMap<QString, bool> m;
    for (const auto &c : ItemCommandStates(s))
        m.insert(CommandTable()[c.Command].name, c.Enabled);
    return m;
}

QStringList Enabled(const TSelectionSummary &s)
{
    QStringList out;
    for (const auto &c : ItemCommandStates(s))
        if (c.Enabled)
            out << CommandTable()[c.Command].name.chopped(6); // drop "Action"
    return out;
}

} // namespace

TEST(ItemCommandRules, EveryRowOfTheRuleTable)
{
    // One collapsed folder with children and a description, in the entire view.
    TSelectionSummary folder{DbEntire, 1, false, 2, false, true, true, true, true};
    EXPECT_EQ(
        Enabled(folder),
        QStringList({"AddTree", "AddSubitem", "RenameItem", "FolderFile", "CalculateSize",
                     "DeleteItem", "DeleteSubitems", "PasteDescr", "CopyDescr", "EditDescr",
                     "CutDescr", "DeleteDescr", "ExpandNode", "ExpandNodes", "CollapseNodes"}));

    // The root alone: only adding and (with children) expanding.
    TSelectionSummary root{DbEntire, 1, true, 0, true, false, true, false, true};
    EXPECT_EQ(Enabled(root), QStringList({"AddTree", "AddSubitem", "DeleteSubitems", "ExpandNodes",
                                          "CollapseNode", "CollapseNodes"}));

    // A file without description and no clipboard text.
    TSelectionSummary file{DbEntire, 1, false, 4, false, true, false, false, false};
    EXPECT_EQ(Enabled(file), QStringList({"AddTree", "AddSubitem", "RenameItem", "FolderFile",
                                          "DeleteItem", "EditDescr"}));

    // A disc: no folder/file conversion; size calculation needs children.
    TSelectionSummary disc{DbEntire, 1, false, 1, false, true, false, false, false};
    EXPECT_FALSE(States(disc)["FolderFileAction"]);
    EXPECT_FALSE(States(disc)["CalculateSizeAction"]);
    disc.AnyChildren = true;
    EXPECT_TRUE(States(disc)["CalculateSizeAction"]);

    // Two nodes: single-node commands off, the rest on.
    TSelectionSummary two{DbEntire, 2, false, 4, true, true, true, true, true};
    const auto m = States(two);
    EXPECT_FALSE(m["AddTreeAction"]);
    EXPECT_FALSE(m["RenameItemAction"]);
    EXPECT_TRUE(m["DeleteItemAction"]);
    EXPECT_TRUE(m["EditDescrAction"]);
    EXPECT_TRUE(m["CollapseNodeAction"]);

    // Search results: only copying, editing one node and expanding.
    TSelectionSummary found{DbFound, 1, false, 4, false, true, true, true, true};
    EXPECT_EQ(Enabled(found), QStringList({"CopyDescr", "EditDescr", "ExpandNode", "ExpandNodes",
                                           "CollapseNodes"}));
    found.Count = 2;
    EXPECT_FALSE(States(found)["EditDescrAction"]);

    // Nothing selected: everything off.
    EXPECT_TRUE(Enabled(TSelectionSummary{DbEntire, 0}).isEmpty());
}
