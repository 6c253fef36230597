#include "EditFixture.h"

#include "edit/ItemNames.h"

namespace qbx::test {
namespace {

const QString kNameCaption = QStringLiteral("Проверка имени элемента");

TEST(ItemNames, UniqueNamesCountUpAfterTheLastSpace)
{
    TTree tree;
    TTreeNode *root = tree.Root();
    for (const char *name : {"Новый", "новый 1", "x y", "a ", "a 1", "v 41"})
        tree.AddChild(root, QString::fromUtf8(name), ImageDisc);
    EXPECT_EQ(MakeUniqueChildName(QStringLiteral("Новый"), tree, root), QStringLiteral("Новый 2"));
    EXPECT_EQ(MakeUniqueChildName(QStringLiteral("x y"), tree, root), QStringLiteral("x y 1"));
    EXPECT_EQ(MakeUniqueChildName(QStringLiteral("a "), tree, root), QStringLiteral("a 2"));
    EXPECT_EQ(MakeUniqueChildName(QStringLiteral("v 41"), tree, root), QStringLiteral("v 42"));
    EXPECT_EQ(MakeUniqueChildName(QStringLiteral("free"), tree, root), QStringLiteral("free"));
}

TEST(ItemNames, ReservedNamesAndForbiddenCharacters)
{
    for (const char *bad : {"", "con", "Aux", "NUL", "prn"})
        EXPECT_EQ(CheckItemName(QString::fromUtf8(bad)), TNameCheck::Invalid) << bad;
    for (const char *bad : {"a/b", "a\\b", "a\tb",
                            "a\x7f"
                            "b"})
        EXPECT_EQ(CheckItemName(QString::fromUtf8(bad)), TNameCheck::BadCharacters) << bad;
    // Characters that Linux allows in file names are ordinary in names.
    for (const char *good :
         {"console", "Папка", "№ 1 ©", "a.b", "Dpkg::BuildTypes.3perl.gz", "a?b*", "<a>|\"b\""})
        EXPECT_EQ(CheckItemName(QString::fromUtf8(good)), TNameCheck::Ok) << good;
}

using AddSubitem = EditFixture;

TEST_F(AddSubitem, NamesUnderADiscAndUnderTheRoot)
{
    TTreeNode *cd = Insert("CD1", "");
    Select({cd});
    items.AddSubitem();
    items.AddSubitem();
    EXPECT_EQ(Names(cd), QStringList({"Новый подэлемент", "Новый подэлемент 1"}));
    EXPECT_EQ(cd->Child(0)->Image(), ImageFile);
    EXPECT_TRUE(view.IsExpanded(cd));
    EXPECT_EQ(Selected(), QStringLiteral("CD1")); // the selection stays
    EXPECT_TRUE(Saveable());

    Select({tree.Root()});
    items.AddSubitem();
    items.AddSubitem();
    EXPECT_EQ(Names(tree.Root()), QStringList({"Новый", "Новый 1", "CD1"})); // Russian order
    EXPECT_EQ(Node("Новый 1")->Image(), ImageDisc);
}

TEST_F(AddSubitem, AFileWithoutExtensionBecomesAFolder)
{
    Insert("CD1", "readme");
    Insert("CD1", "setup.exe");
    Insert("CD1", "zeta\\");
    Select({Node("CD1\\readme")});
    items.AddSubitem();
    EXPECT_EQ(Node("CD1\\readme")->Image(), ImageFolder);
    EXPECT_EQ(Names(Node("CD1")), QStringList({"readme", "zeta", "setup.exe"})); // folders first

    Select({Node("CD1\\setup.exe")});
    items.AddSubitem();
    EXPECT_EQ(Node("CD1\\setup.exe")->Image(), ImageFile);
    EXPECT_EQ(Names(Node("CD1\\setup.exe")), QStringList({"Новый подэлемент"}));
}

using Rename = EditFixture;

TEST_F(Rename, InvalidNamesAreRefusedWithTheirBoxes)
{
    TTreeNode *docs = Insert("CD1", "docs\\");
    Select({docs});
    items.RenameItem();
    EXPECT_EQ(view.editing, docs);
    EXPECT_FALSE(view.readOnly);
    struct Case {
        const char *name;
        const char *text;
    } cases[] = {
        {"", "Новое имя элемента имеет недопустимое значение.\rПереименование отменено."},
        {"con", "Новое имя элемента имеет недопустимое значение.\rПереименование отменено."},
        {"a\\b", "Новое имя элемента содержит недопустимые символы (\\, / или управляющие "
                 "символы).\rПереименование отменено."},
        {"a/b", "Новое имя элемента содержит недопустимые символы (\\, / или управляющие "
                "символы).\rПереименование отменено."},
        {"文档", "Новое имя элемента содержит символы, которые нельзя сохранить в базе "
                 "данных.\rПереименование отменено."},
    };
    for (const Case &c : cases) {
        items.MainTreeViewEditing();
        EXPECT_FALSE(view.shortcutsGiven);
        EXPECT_EQ(catalogue.EditState, EditLabel);
        boxes.shown.clear();
        EXPECT_EQ(items.MainTreeViewEdited(docs, QString::fromUtf8(c.name)), "docs");
        ASSERT_EQ(boxes.shown.size(), 1) << c.name;
        EXPECT_EQ(boxes.shown[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(boxes.shown[0].caption, kNameCaption);
        EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
        EXPECT_TRUE(view.shortcutsGiven);
        EXPECT_TRUE(view.readOnly);
        // The edit box is gone: the hook ends the edit state.
        view.editorOpen = false;
        items.MessageHook();
        EXPECT_EQ(catalogue.EditState, EditNone);
    }
    EXPECT_EQ(docs->Text(), "docs");
    EXPECT_FALSE(Saveable());
}

TEST_F(Rename, NamesWithCharactersLinuxAllowsAreAccepted)
{
    TTreeNode *docs = Insert("CD1", "docs\\");
    Select({docs});
    items.MainTreeViewEditing();
    EXPECT_EQ(items.MainTreeViewEdited(docs, QStringLiteral("a:b*c?<d>|\"e\"")), "docs");
    EXPECT_TRUE(boxes.shown.empty());
    items.MessageHook();
    EXPECT_EQ(Names(Node("CD1")), QStringList({"a:b*c?<d>|\"e\""}));
}

TEST_F(Rename, AcceptedNameIsCarriedOutByTheHook)
{
    Insert("CD1", "docs\\a.txt", "Acme", 10);
    Insert("CD1", "docs\\open\\b.txt");
    Insert("CD1", "docs\\shut\\inner\\c.txt");
    TTreeNode *docs = Node("CD1\\docs");
    // Expanded: docs, docs\open, and docs\shut\inner below a folded folder.
    for (const char *path : {"CD1\\docs", "CD1\\docs\\open", "CD1\\docs\\shut\\inner"})
        view.Expand(Node(path));
    Select({docs});
    items.MainTreeViewEditing();
    EXPECT_EQ(items.MainTreeViewEdited(docs, QStringLiteral("Папка ©")), "docs");
    EXPECT_EQ(catalogue.EditState, EditRenamePending);
    EXPECT_EQ(items.EditedLabel(), QStringLiteral("CD1\\Папка ©"));
    EXPECT_EQ(view.hooksPosted, 1);
    EXPECT_TRUE(Saveable());
    items.MessageHook();
    EXPECT_EQ(catalogue.EditState, EditNone);
    EXPECT_EQ(Names(Node("CD1")), QStringList({"Папка ©"}));
    const TTreeNode *moved = Node("CD1\\Папка ©\\a.txt");
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->Description()->Producer, "Acme");
    EXPECT_EQ(Selected(), QStringLiteral("CD1\\Папка ©"));
    // No sibling had the name: the node itself is renamed, and it and its
    // folders stay folded and unfolded as they were.
    EXPECT_EQ(Node("CD1\\Папка ©"), docs);
    EXPECT_TRUE(items.IsExpanded(Node("CD1\\Папка ©")));
    EXPECT_TRUE(items.IsExpanded(Node("CD1\\Папка ©\\open")));
    EXPECT_TRUE(items.IsExpanded(Node("CD1\\Папка ©\\shut\\inner")))
        << "still open below a folded folder";
    view.expanded.clear();
    items.MainTreeViewEditing();
    items.MainTreeViewEdited(Node("CD1\\Папка ©"), QStringLiteral("docs"));
    items.MessageHook();
    EXPECT_TRUE(view.expanded.empty()) << "a folded node stays folded";
    for (const char *path : {"CD1\\docs", "CD1\\docs\\open"})
        view.Expand(Node(path));
    items.MainTreeViewEditing();
    items.MainTreeViewEdited(Node("CD1\\docs"), QStringLiteral("Папка"));
    items.MessageHook();
    EXPECT_TRUE(items.IsExpanded(Node("CD1\\Папка")));
    EXPECT_TRUE(items.IsExpanded(Node("CD1\\Папка\\open")));
    EXPECT_FALSE(items.IsExpanded(Node("CD1\\Папка\\shut")));
    EXPECT_EQ(view.expanded.size(), 2u) << "the same two nodes, nothing copied";
}

TEST_F(Rename, LetterCaseOnlyKeepsTheNode)
{
    TTreeNode *docs = Insert("CD1", "docs\\");
    Select({docs});
    items.MainTreeViewEdited(docs, QStringLiteral("Docs"));
    items.MessageHook();
    EXPECT_EQ(Node("CD1\\Docs"), docs);
    EXPECT_EQ(docs->Text(), "Docs");
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(Rename, OntoASiblingAsksAndMergesOrStops)
{
    Insert("CD1", "docs\\a.txt");
    Insert("CD1", "other\\b.txt");
    TTreeNode *docs = Node("CD1\\docs");
    prompt.Answer(ConflictCancel);
    items.MainTreeViewEdited(docs, QStringLiteral("Other"));
    items.MessageHook();
    EXPECT_EQ(prompt.asked, QStringList({"CD1\\Other"}));
    EXPECT_EQ(Node("CD1\\docs"), docs); // cancelled: it stays
    EXPECT_EQ(answers.ConflictAnswer, ConflictNotAsked);

    prompt.Answer(ConflictComplement);
    items.MainTreeViewEdited(docs, QStringLiteral("Other"));
    items.MessageHook();
    EXPECT_EQ(Names(Node("CD1")), QStringList({"Other"}));
    EXPECT_EQ(Names(Node("CD1\\Other")), QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(answers.ConflictAnswer, ConflictNotAsked);
}

TEST_F(Rename, ADiscLabelIsCutTo32Characters)
{
    TTreeNode *cd = Insert("CD1", "x.txt");
    cd = Node("CD1");
    const QString forty = QString(40, u'Д');
    items.MainTreeViewEdited(cd, forty);
    items.MessageHook();
    EXPECT_EQ(Names(tree.Root()), QStringList({forty.left(32)}));
    EXPECT_TRUE(Node(forty.left(32) + "\\x.txt"));
}

TEST_F(Rename, ANodeGoneBeforeTheHookIsLeftAlone)
{
    TTreeNode *docs = Insert("CD1", "docs\\");
    Insert("CD1", "keep\\");
    items.MainTreeViewEdited(docs, QStringLiteral("new"));
    catalogue.DeleteNode(docs); // resets the edit state
    items.MessageHook();
    EXPECT_EQ(Names(Node("CD1")), QStringList({"keep"}));
}

TEST_F(Rename, EndingTheEditGivesTheShortcutsBack)
{
    TTreeNode *docs = Insert("CD1", "docs\\");
    Select({docs});
    items.RenameItem();
    items.MainTreeViewEditing();
    items.EndLabelEdit();
    EXPECT_FALSE(view.editorOpen);
    EXPECT_TRUE(view.shortcutsGiven);
    EXPECT_EQ(catalogue.EditState, EditNone);
}

using DragDrop = EditFixture;

TEST_F(DragDrop, RefusedOntoItselfItsParentAndBelowIt)
{
    Insert("CD1", "Docs\\sub\\x.txt");
    Insert("CD1", "Docs2\\");
    const TTreeNode *docs = Node("CD1\\Docs");
    EXPECT_FALSE(items.MainTreeViewDragOver(docs, docs));
    EXPECT_FALSE(items.MainTreeViewDragOver(docs, Node("CD1")));
    EXPECT_FALSE(items.MainTreeViewDragOver(docs, Node("CD1\\Docs\\sub")));
    EXPECT_FALSE(items.MainTreeViewDragOver(docs, nullptr));
    EXPECT_TRUE(items.MainTreeViewDragOver(docs, Node("CD1\\Docs2")));
    EXPECT_TRUE(items.MainTreeViewDragOver(docs, tree.Root()));
}

TEST_F(DragDrop, OntoAFileWithoutExtensionMakesItAFolder)
{
    Insert("CD1", "Docs\\a.txt", "Acme");
    Insert("CD1", "readme");
    items.MainTreeViewDragDrop(Node("CD1\\Docs"), Node("CD1\\readme"));
    EXPECT_EQ(Node("CD1\\readme")->Image(), ImageFolder);
    EXPECT_EQ(Names(Node("CD1")), QStringList({"readme"}));
    EXPECT_EQ(Node("CD1\\readme\\Docs\\a.txt")->Description()->Producer, "Acme");
    EXPECT_EQ(Selected(), QStringLiteral("CD1\\readme"));
    EXPECT_TRUE(Saveable());
}

TEST_F(DragDrop, OntoTheRootMakesADisc)
{
    Insert("CD1", "Docs\\a.txt");
    items.MainTreeViewDragDrop(Node("CD1\\Docs"), tree.Root());
    EXPECT_EQ(Node("Docs")->Image(), ImageDisc);
    EXPECT_TRUE(Node("Docs\\a.txt"));
    EXPECT_FALSE(Node("CD1")->HasChildren());
}

TEST_F(DragDrop, CancelledConflictKeepsTheDraggedNode)
{
    Insert("CD1", "Docs\\a.txt");
    Insert("CD1", "Docs\\b.txt");
    Insert("CD2", "Docs\\b.txt");
    prompt.Answer(ConflictKeep);   // Docs itself
    prompt.Answer(ConflictCancel); // b.txt
    items.MainTreeViewDragDrop(Node("CD1\\Docs"), Node("CD2"));
    EXPECT_TRUE(Node("CD1\\Docs\\a.txt"));
    EXPECT_TRUE(Node("CD2\\Docs\\a.txt")); // copied before the cancel
    EXPECT_EQ(answers.ConflictAnswer, ConflictNotAsked);
}

using LongPath = EditFixture;

// Paths below a disc longer than the table's Path field (255 characters)
// would be cut when saved: renames, moves and new items that make one are
// refused, and nothing changes.
TEST_F(LongPath, RenameMoveAndNewItemAreRefused)
{
    const QString tooLong =
        QStringLiteral("Путь элемента внутри диска в каталоге не может быть длиннее 255 символов.");
    // An empty folder whose stored path "docs\\eee...\\" is 255 characters.
    const QString deep = QString(249, u'e');
    Insert("CD1", "docs\\" + deep + "\\");
    Insert("CD1", "docs\\a.txt");
    Insert("CD2", "x\\");
    TTreeNode *docs = Node("CD1\\docs");

    EXPECT_EQ(items.MainTreeViewEdited(docs, "docs1"), "docs");
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, tooLong);
    EXPECT_EQ(boxes.shown[0].caption, kNameCaption);
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(catalogue.EditState, EditNone);
    EXPECT_EQ(view.hooksPosted, 0);
    EXPECT_FALSE(Saveable());
    items.MainTreeViewEdited(docs, "DOCS"); // as long as before: fits
    items.MessageHook();
    EXPECT_EQ(docs->Text(), "DOCS");

    items.MainTreeViewDragDrop(docs, Node("CD2\\x"));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[1].text, tooLong);
    EXPECT_EQ(boxes.shown[1].caption, "Перемещение элемента");
    EXPECT_EQ(Names(Node("CD1")), QStringList({"DOCS"}));
    EXPECT_FALSE(Node("CD2\\x")->HasChildren());
    items.MainTreeViewDragDrop(docs, Node("CD2")); // straight below a disc: fits
    EXPECT_TRUE(Node("CD2\\DOCS\\" + deep));

    Select({Node("CD2\\DOCS\\" + deep)});
    items.AddSubitem();
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_EQ(boxes.shown[2].caption, "Добавление подэлемента");
    EXPECT_FALSE(Node("CD2\\DOCS\\" + deep)->HasChildren());

    // A file whose path fills the field would become a folder one longer.
    TTreeNode *file = Insert("CD3", "docs\\" + QString(250, u'f'));
    Select({file});
    items.ToggleFolderFile();
    ASSERT_EQ(boxes.shown.size(), 4);
    EXPECT_EQ(boxes.shown[3].text, tooLong);
    EXPECT_EQ(file->Image(), ImageFile);
}

TEST_F(DragDrop, OntoTheRootTheLabelIsCutTo32Characters)
{
    const QString forty = QString(40, u'Д');
    Insert("CD1", forty + "\\a.txt");
    items.MainTreeViewDragDrop(Node("CD1\\" + forty), tree.Root());
    EXPECT_TRUE(Node(forty.left(32) + "\\a.txt"));
    EXPECT_FALSE(Node("CD1")->HasChildren());
}

using Delete = EditFixture;

TEST_F(Delete, AsksAndSelectsTheNextSibling)
{
    for (const char *n : {"a", "b", "c", "d", "e"})
        Insert("CD1", QString::fromLatin1(n) + ".txt");
    Select({Node("CD1\\b.txt"), Node("CD1\\c.txt"), Node("CD1\\d.txt")});
    boxes.Answer(TMsgAnswer::No);
    items.DeleteItem();
    EXPECT_EQ(boxes.shown.back().text,
              QStringLiteral("Вы действительно хотите удалить выбранные элементы?"));
    EXPECT_EQ(boxes.shown.back().caption, QStringLiteral("Удаление элемента"));
    EXPECT_EQ(boxes.shown.back().icon, TMsgIcon::Question);
    EXPECT_EQ(Names(Node("CD1")).size(), 5);
    EXPECT_EQ(view.status, QString());

    boxes.Answer(TMsgAnswer::Yes);
    items.DeleteItem();
    EXPECT_EQ(Names(Node("CD1")), QStringList({"a.txt", "e.txt"}));
    EXPECT_EQ(Selected(), QStringLiteral("CD1\\e.txt"));
    EXPECT_TRUE(Saveable());

    Select({Node("CD1\\e.txt")});
    boxes.Answer(TMsgAnswer::Yes);
    items.DeleteItem();
    EXPECT_EQ(boxes.shown.back().text,
              QStringLiteral("Вы действительно хотите удалить элемент \"e.txt\"?"));
    EXPECT_EQ(Selected(), QStringLiteral("CD1\\a.txt")); // the previous sibling

    options.ConfirmDelete = false;
    Select({Node("CD1\\a.txt")});
    items.DeleteItem();
    EXPECT_EQ(Selected(), QStringLiteral("CD1")); // the parent
}

// The node to select afterwards follows the order the nodes were selected
// in, not their order in the tree.
TEST_F(Delete, TheNextNodeFollowsTheSelectionOrder)
{
    for (const char *n : {"a", "b", "c", "d", "e", "f"})
        Insert("CD1", QString::fromLatin1(n) + ".txt");
    options.ConfirmDelete = false;
    Select({Node("CD1\\d.txt"), Node("CD1\\b.txt")});
    EXPECT_EQ(model.SelectedNodesInSelectionOrder(),
              (std::vector<TTreeNode *>{Node("CD1\\d.txt"), Node("CD1\\b.txt")}));
    items.DeleteItem();
    EXPECT_EQ(Names(Node("CD1")), QStringList({"a.txt", "c.txt", "e.txt", "f.txt"}));
    EXPECT_EQ(Selected(), QStringLiteral("CD1\\c.txt")) << "after b, the last one selected";

    // In the tree f is last and has no next sibling; selected last is c.
    Select({Node("CD1\\f.txt"), Node("CD1\\c.txt")});
    items.DeleteItem();
    EXPECT_EQ(Selected(), QStringLiteral("CD1\\e.txt"));
}

TEST_F(Delete, AFolderTogetherWithAFileInsideIt)
{
    Insert("CD1", "Docs\\x.txt");
    Insert("CD1", "z.txt");
    options.ConfirmDelete = false;
    Select({Node("CD1\\Docs"), Node("CD1\\Docs\\x.txt")});
    items.DeleteItem();
    EXPECT_EQ(Names(Node("CD1")), QStringList({"z.txt"}));
    // x.txt has no next sibling, Docs no previous one: the parent.
    EXPECT_EQ(Selected(), QStringLiteral("CD1"));
}

TEST_F(Delete, SubitemsGoTheNodesStay)
{
    Insert("CD1", "Docs\\", "Acme");
    Insert("CD1", "Docs\\x.txt");
    Insert("CD2", "y.txt");
    TTreeNode *docs = Node("CD1\\Docs");
    tree.SetImage(docs, ImageFolderOpen);
    Select({docs});
    boxes.Answer(TMsgAnswer::Yes);
    items.DeleteSubitems();
    EXPECT_EQ(boxes.shown.back().text,
              QStringLiteral("Вы действительно хотите удалить все подэлементы элемента \"Docs\"?"));
    EXPECT_EQ(boxes.shown.back().caption, QStringLiteral("Удаление подэлементов"));
    EXPECT_FALSE(docs->HasChildren());
    EXPECT_EQ(docs->Image(), ImageFolder);
    EXPECT_EQ(docs->Description()->Producer, "Acme");
    EXPECT_TRUE(Saveable());

    Select({tree.Root(), Node("CD2")});
    boxes.Answer(TMsgAnswer::Yes);
    items.DeleteSubitems();
    EXPECT_EQ(
        boxes.shown.back().text,
        QStringLiteral("Вы действительно хотите удалить все подэлементы выбранных элементов?"));
    EXPECT_FALSE(tree.Root()->HasChildren());
}

using FolderFile = EditFixture;

TEST_F(FolderFile, AnExpandedFolderBecomesAFileAndBack)
{
    Insert("CD1", "Docs\\x.txt");
    TTreeNode *docs = Node("CD1\\Docs");
    view.expanded.insert(docs);
    tree.SetImage(docs, ImageFolderOpen);
    Select({docs});
    items.ToggleFolderFile();
    EXPECT_EQ(docs->Image(), ImageFile);
    EXPECT_TRUE(Saveable());
    items.ToggleFolderFile();
    EXPECT_EQ(docs->Image(), ImageFolderOpen);
    view.expanded.clear();
    items.ToggleFolderFile();
    items.ToggleFolderFile();
    EXPECT_EQ(docs->Image(), ImageFolder);
    EXPECT_EQ(Selected(), QStringLiteral("CD1\\Docs"));
}

using Hook = EditFixture;

TEST_F(Hook, TheEditorAskedForFromTheResults)
{
    const int &switched = view.entireViews, &edited = view.descriptionEdits;
    options.ConfirmEdit = true;
    document.FirstEntireView = true;
    items.AskEditorFromResults();
    EXPECT_EQ(view.hooksPosted, 1);
    boxes.Answer(TMsgAnswer::No);
    items.MessageHook();
    EXPECT_EQ(boxes.shown.back().text,
              QStringLiteral("Вы действительно хотите перейти в режим редактирования?"));
    EXPECT_EQ(boxes.shown.back().caption, QStringLiteral("Редактирование описания"));
    EXPECT_EQ(switched + edited, 0);
    EXPECT_EQ(catalogue.EditState, EditNone);

    document.FirstEntireView = false; // already loaded: no question
    items.AskEditorFromResults();
    items.MessageHook();
    EXPECT_EQ(switched, 1);
    EXPECT_EQ(edited, 1);
    EXPECT_EQ(boxes.shown.size(), 1);
}

} // namespace
} // namespace qbx::test
