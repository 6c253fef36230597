#include "EditFixture.h"

namespace qbx::test {
namespace {

TEST(DescriptionClipboard, FourTextsJoinedByCarriageReturns)
{
    EXPECT_EQ(DescriptionClipboardText("A", "B", "", "C"), QStringLiteral("A\rB\r\rC"));
    using V = std::array<QString, 4>;
    EXPECT_EQ(ParseDescriptionClipboard("A\rB\r\rC"), V({"A", "B", "", "C"}));
    EXPECT_EQ(ParseDescriptionClipboard("P\r\nQ\r\nR"), V({"P", "Q", "R", ""}));
    // A line feed alone ends no line; lines after the fourth are ignored.
    EXPECT_EQ(ParseDescriptionClipboard("a\nb\rc\r\r\nd\re"), V({"a\nb", "c", "", "d"}));
    EXPECT_EQ(ParseDescriptionClipboard(""), V({"", "", "", ""}));
    EXPECT_EQ(ParseDescriptionClipboard(QString(70, u'x') + "\r\r" + QString(20, u'v'))[2],
              QString(16, u'v'));
}

using DescriptionCommands = EditFixture;

TEST_F(DescriptionCommands, CopyPasteRoundTripKeepsTheTargetsSize)
{
    TTreeNode *src = catalogue.InsertItem("CD1", "a.txt", "A", "B", "", 5, "C", false);
    TTreeNode *dst = catalogue.InsertItem("CD1", "b.txt", "x", "y", "z", 77, "w", false);
    TTreeNode *bare = Insert("CD1", "c.txt");
    Select({src});
    descriptions.CopyDescription();
    EXPECT_EQ(clipboard.text, QStringLiteral("A\rB\r\rC"));
    Select({dst, bare});
    descriptions.PasteDescription();
    EXPECT_EQ(*dst->Description(), TItemDescription::Make("A", "B", "", 77, "C"));
    EXPECT_EQ(*bare->Description(), TItemDescription::Make("A", "B", "", 0, "C"));
    EXPECT_TRUE(Saveable());

    clipboard.SetText("P\r\nQ\r\nR");
    Select({dst});
    descriptions.PasteDescription();
    EXPECT_EQ(*dst->Description(), TItemDescription::Make("P", "Q", "R", 77, ""));

    // Cut copies, then the description is gone.
    descriptions.CutDescription();
    EXPECT_EQ(clipboard.text, QStringLiteral("P\rQ\rR\r"));
    EXPECT_EQ(dst->Description(), nullptr);
}

TEST_F(DescriptionCommands, PastingEmptyTextsLeavesADescriptionOfSizeZero)
{
    // An item without a description, and one that has only the size 0.
    TTreeNode *bare = Insert("CD1", "a.txt");
    TTreeNode *zero = catalogue.InsertItem("CD1", "b.txt", "P", "", "", 0, "", false);
    Select({bare, zero});
    clipboard.SetText(QStringLiteral("\r\r\r"));
    descriptions.PasteDescription();
    for (const TTreeNode *n : {bare, zero}) {
        ASSERT_NE(n->Description(), nullptr) << n->Text().toStdString();
        EXPECT_EQ(*n->Description(), TItemDescription::Make("", "", "", 0, ""));
    }
    EXPECT_TRUE(Saveable());
}

TEST_F(DescriptionCommands, PastedTextTheCatalogueCannotHoldIsRefused)
{
    TTreeNode *n = catalogue.InsertItem("CD1", "a.txt", "keep", "", "", 1, "", false);
    Select({n});
    clipboard.SetText(QStringLiteral("中文\rB"));
    descriptions.PasteDescription();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Вставка описания"));
    EXPECT_EQ(n->Description()->Producer, "keep");
    EXPECT_FALSE(Saveable());
}

TEST_F(DescriptionCommands, EditorOverSeveralNodesGivesThemOneDescription)
{
    TTreeNode *a = catalogue.InsertItem("CD1", "a.txt", "P1", "Pack", "", 10, "", false);
    TTreeNode *b = catalogue.InsertItem("CD1", "b.txt", "P2", "Pack", "", 10, "", false);
    TTreeNode *c = catalogue.InsertItem("CD1", "c.txt", "P3", "Pack", "", 10, "", false);
    Select({a, b, c});
    pane.EditFieldRow = 4;
    editor.script = [](TEditValues &v) {
        v.Version = QStringLiteral("2.0");
        v.DescrChanged = true;
        return true;
    };
    descriptions.EditDescription();
    EXPECT_EQ(editor.shown.Producer, QString());
    EXPECT_EQ(editor.shown.Product, QStringLiteral("Pack"));
    EXPECT_EQ(editor.shown.Path, QString());
    EXPECT_EQ(editor.shown.Size, 10);
    EXPECT_EQ(editor.shown.FirstControl, FieldVersion);
    for (const TTreeNode *n : {a, b, c})
        EXPECT_EQ(*n->Description(), TItemDescription::Make("", "Pack", "2.0", 10, ""));
    EXPECT_TRUE(Saveable());
}

TEST_F(DescriptionCommands, EditorClearsOrCreatesDescriptions)
{
    TTreeNode *zero = catalogue.InsertItem("CD1", "a.txt", "P", "", "", 0, "", false);
    TTreeNode *sized = catalogue.InsertItem("CD1", "b.txt", "P", "", "", 9, "", false);
    TTreeNode *none = Insert("CD1", "c.txt");
    auto clear = [](TEditValues &v) {
        v.Producer.clear();
        v.DescrChanged = true;
        return true;
    };
    editor.script = clear;
    Select({zero});
    descriptions.EditDescription();
    EXPECT_EQ(zero->Description(), nullptr);
    Select({sized});
    descriptions.EditDescription();
    EXPECT_EQ(*sized->Description(), TItemDescription::Make("", "", "", 9, ""));
    editor.script = [](TEditValues &v) {
        v.Producer = QStringLiteral("New");
        v.DescrChanged = true;
        return true;
    };
    Select({none});
    descriptions.EditDescription();
    EXPECT_EQ(*none->Description(), TItemDescription::Make("New", "", "", -1, ""));
}

TEST_F(DescriptionCommands, EditorTurnsFoldersIntoFiles)
{
    catalogue.InsertItem("CD1", "Docs\\", "Acme", "", "", 0, "", false);
    catalogue.InsertItem("CD2", "Docs\\", "Acme", "", "", 0, "", false);
    TTreeNode *d1 = Node("CD1\\Docs"), *d2 = Node("CD2\\Docs");
    Select({d1, d2});
    editor.script = [](TEditValues &v) {
        EXPECT_EQ(v.Path, QStringLiteral("Docs\\"));
        v.KindChange = 1;
        return true;
    };
    descriptions.EditDescription();
    EXPECT_EQ(d1->Image(), ImageFile);
    EXPECT_EQ(d2->Image(), ImageFile);
    EXPECT_EQ(d1->Description()->Producer, "Acme");
    EXPECT_TRUE(Saveable());
}

TEST_F(DescriptionCommands, EditorTurnsFilesIntoFoldersOnlyWhenTheirPathsStillFit)
{
    // A path of 255 characters has no room for a folder's "\\".
    TTreeNode *longest = Insert("CD1", QString(10, u'd') + u'\\' + QString(244, u'f'));
    TTreeNode *shorter = Insert("CD1", QString(10, u'd') + u'\\' + QString(243, u'g'));
    Select({longest, shorter});
    editor.script = [](TEditValues &v) {
        v.KindChange = 2;
        return true;
    };
    descriptions.EditDescription();
    EXPECT_EQ(longest->Image(), ImageFile);
    EXPECT_EQ(shorter->Image(), ImageFolder);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text,
              "Путь элемента внутри диска в каталоге не может быть длиннее 255 символов.");
    EXPECT_EQ(boxes.shown[0].caption, "Редактирование описания");
}

TEST_F(DescriptionCommands, CancelChangesNothingAndResultsDeferTheEditor)
{
    TTreeNode *n = catalogue.InsertItem("CD1", "a.txt", "P", "", "", 0, "", false);
    Select({n});
    editor.script = [](TEditValues &v) {
        v.Producer = QStringLiteral("Q");
        return false;
    };
    descriptions.EditDescription();
    EXPECT_EQ(n->Description()->Producer, "P");
    EXPECT_FALSE(Saveable());

    window.SetMode(DbFound);
    descriptions.EditDescription();
    EXPECT_EQ(editor.shows, 1);
    EXPECT_EQ(catalogue.EditState, EditFromResults);
    EXPECT_EQ(view.hooksPosted, 1);
}

TEST(EditFormLogic, SizesShownRoundedAndKeptExactWhenUntouched)
{
    EXPECT_EQ(FormatSize(1536, 4), (TShownSize{2, 1}));
    EXPECT_EQ(FormatSize(2560, 1), (TShownSize{2, 1})); // 2.5 to the even 2
    EXPECT_EQ(FormatSize(3584, 1), (TShownSize{4, 1})); // 3.5 to the even 4
    EXPECT_EQ(FormatSize(-1, 4), (TShownSize{0, 0}));
    EXPECT_EQ(FormatSize(1023, 4), (TShownSize{1023, 0}));
    EXPECT_EQ(FormatSize(3221225472, 4), (TShownSize{3, 3}));
    EXPECT_EQ(FormatSize(3221225472, 0), (TShownSize{2147483647, 0}));
    EXPECT_EQ(FormatSize(5, 9), (TShownSize{5, 0}));

    TEditFormLogic logic;
    TEditValues v;
    v.Path = QStringLiteral("Soft\\a.txt");
    v.Size = 1536;
    TEditControls c = logic.Show(v, 4);
    EXPECT_FALSE(logic.Differs(c));
    c.Descr = QStringLiteral("x");
    EXPECT_TRUE(logic.Differs(c));
    TEditValues out;
    ASSERT_TRUE(logic.Accept(c, out));
    EXPECT_EQ(out.Size, 1536);
    EXPECT_TRUE(out.DescrChanged);
    EXPECT_EQ(out.KindChange, 0);
    c.Size.Number = 3;
    ASSERT_TRUE(logic.Accept(c, out));
    EXPECT_EQ(out.Size, 3072);

    v.Size = 3221225472; // beyond what the number can show
    c = logic.Show(v, 0);
    c.Producer = QStringLiteral("Björk"); // typed text loses its accents
    ASSERT_TRUE(logic.Accept(c, out));
    EXPECT_EQ(out.Size, 3221225472);
    EXPECT_EQ(out.Producer, QStringLiteral("Bjork"));
    c.Size.Unit = 3;
    ASSERT_TRUE(logic.Accept(c, out));
    EXPECT_EQ(out.Size, int64_t(2147483647) * 1073741824);
    c.Producer = QStringLiteral("中文");
    out = TEditValues();
    EXPECT_FALSE(logic.Accept(c, out));
    EXPECT_EQ(out.Producer, QString());
}

TEST(EditFormLogic, TheFolderBoxChangesTheKind)
{
    TEditFormLogic logic;
    TEditValues v;
    v.Path = QStringLiteral("Soft\\");
    TEditControls c = logic.Show(v, 0);
    c.Path = TEditFormLogic::FolderPath(c.Path, false);
    EXPECT_EQ(c.Path, QStringLiteral("Soft"));
    EXPECT_TRUE(logic.Differs(c));
    TEditValues out;
    ASSERT_TRUE(logic.Accept(c, out));
    EXPECT_EQ(out.KindChange, 1);
    EXPECT_FALSE(out.DescrChanged);
    c.Path = TEditFormLogic::FolderPath(c.Path, true);
    EXPECT_FALSE(logic.Differs(c));

    v.Path = QStringLiteral("a.txt");
    c = logic.Show(v, 0);
    c.Path = TEditFormLogic::FolderPath(c.Path, true);
    ASSERT_TRUE(logic.Accept(c, out));
    EXPECT_EQ(out.KindChange, 2);
}

} // namespace
} // namespace qbx::test
