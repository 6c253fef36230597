#include "TreeFixture.h"

#include "tree/NodePaths.h"

#include <functional>

namespace qbx::test {
namespace {

using InsertItem = TreeFixture;

TEST_F(InsertItem, CreatesDiscFolderAndFileWithTheirImages)
{
    Insert("CD1", "Docs\\");
    EXPECT_EQ(Image("CD1"), ImageDisc);
    EXPECT_EQ(Image("CD1\\Docs"), ImageFolder);
    EXPECT_EQ(tree.Root()->ChildCount(), 1);

    TTreeNode *file = Insert("CD1", "Docs\\a.txt", "", "", "", 10);
    EXPECT_EQ(file, Node("CD1\\Docs\\a.txt"));
    EXPECT_EQ(file->Image(), ImageFile);
    EXPECT_EQ(file->Description()->Size, 10);
    EXPECT_TRUE(prompt.asked.isEmpty()) << "passing existing nodes is no conflict";
    EXPECT_EQ(Image("CD1\\Docs"), ImageFolder);

    Insert("CD1", "Src", "", "", "", 0, "", true); // folder flag, no trailing "\\"
    EXPECT_EQ(Image("CD1\\Src"), ImageFolder);
}

TEST_F(InsertItem, EmptyPathLandsOnTheDiscAndEmptyLabelMakesNamelessDisc)
{
    TTreeNode *disc = Insert("CD1", "", "Maker");
    EXPECT_EQ(disc->Parent(), tree.Root());
    EXPECT_EQ(disc->Description()->Producer, "Maker");

    TTreeNode *nameless = Insert("", "");
    EXPECT_EQ(nameless->Parent(), tree.Root());
    EXPECT_EQ(nameless->Text(), "");
    EXPECT_EQ(nameless->Image(), ImageDisc);
    EXPECT_EQ(nameless->Description(), nullptr);
}

TEST_F(InsertItem, LatestSpellingWinsAndLastNodeRaisesConflict)
{
    Insert("CD1", "Docs\\");
    Insert("CD1", "Docs\\a.txt");
    prompt.Answer(ConflictKeep);
    TTreeNode *docs = Insert("cd1", "DOCS\\");
    EXPECT_EQ(prompt.asked, QStringList{"cd1\\DOCS\\"});
    EXPECT_EQ(docs->Text(), "DOCS");
    EXPECT_EQ(docs->Parent()->Text(), "cd1");
    EXPECT_EQ(tree.Root()->ChildCount(), 1);
    EXPECT_EQ(FullItemPath(Node("cd1\\docs\\A.TXT")), "cd1\\DOCS\\a.txt");
}

TEST_F(InsertItem, ArchivesStayFilesOtherFilesBecomeFolders)
{
    Insert("CD1", "Soft\\pack.zip\\readme.txt");
    EXPECT_EQ(Image("CD1\\Soft"), ImageFolder);
    EXPECT_EQ(Image("CD1\\Soft\\pack.zip"), ImageFile);
    EXPECT_EQ(Image("CD1\\Soft\\pack.zip\\readme.txt"), ImageFile);

    Insert("CD1", "Soft\\notes.txt\\a.txt");
    EXPECT_EQ(Image("CD1\\Soft\\notes.txt"), ImageFolder);
    // The folder moved in front of the archive file.
    EXPECT_EQ(Names(Node("CD1\\Soft")), (QStringList{"notes.txt", "pack.zip"}));
}

TEST_F(InsertItem, ExistingFileBecomesFolderWhenPassedAndKeepsExpandedImage)
{
    Insert("CD1", "b.txt");
    Insert("CD1", "zeta");
    EXPECT_EQ(Names(Node("CD1")), (QStringList{"b.txt", "zeta"}));
    Insert("CD1", "zeta\\x");
    EXPECT_EQ(Image("CD1\\zeta"), ImageFolder);
    EXPECT_EQ(Names(Node("CD1")), (QStringList{"zeta", "b.txt"}));

    tree.SetImage(Node("CD1\\zeta"), ImageFolderOpen);
    Insert("CD1", "zeta\\y");
    EXPECT_EQ(Image("CD1\\zeta"), ImageFolderOpen);
}

TEST_F(InsertItem, NamesAreUniqueIgnoringCaseWhateverTheKind)
{
    Insert("CD1", "X\\");
    prompt.Answer(ConflictKeep);
    TTreeNode *x = Insert("CD1", "x");
    EXPECT_EQ(prompt.asked, QStringList{"CD1\\x"});
    EXPECT_EQ(x->Text(), "x");
    EXPECT_EQ(x->Image(), ImageFolder);
    EXPECT_EQ(Node("CD1")->ChildCount(), 1);

    // Cyrillic case pairs, Ё included, are the same name too.
    Insert("CD1", "Ёлка.txt");
    prompt.Answer(ConflictKeep);
    Insert("CD1", "ёЛКА.TXT");
    EXPECT_EQ(Node("CD1")->ChildCount(), 2);
}

TEST_F(InsertItem, BlankIncomingValuesMakeNoDescription)
{
    EXPECT_EQ(Insert("CD1", "a.txt")->Description(), nullptr);
    Insert("CD1", "b.txt", "P", "", "", 0);
    answers.ConflictAnswer = ConflictComplementAll;
    Insert("CD1", "b.txt");
    Insert("CD1", "a.txt");
    EXPECT_EQ(Node("CD1\\b.txt")->Description()->Producer, "P");
    EXPECT_EQ(Node("CD1\\a.txt")->Description(), nullptr);
}

TEST_F(InsertItem, TextsAreCutToTheirCapacities)
{
    const QString longText(100, u'ж');
    const TDescriptionRef d =
        Insert("CD1", "a", longText, longText, longText, 5, longText)->Description();
    EXPECT_EQ(d->Producer.size(), 64);
    EXPECT_EQ(d->Product.size(), 64);
    EXPECT_EQ(d->Version.size(), 16);
    EXPECT_EQ(d->Description.size(), 64);
}

TEST_F(InsertItem, ComplementFillsOnlyEmptyParts)
{
    Insert("CD1", "a", "Maker", "", "", 0, "old");
    answers.ConflictAnswer = ConflictComplementAll;
    Insert("CD1", "a", "Other", "Prod", "2.0", 99, "new");
    const TDescriptionRef d = Node("CD1\\a")->Description();
    EXPECT_EQ(*d, (TItemDescription{"Maker", "Prod", "2.0", 99, "old"}));
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(InsertItem, OverwriteTakesEveryValueEmptyOnesIncluded)
{
    Insert("CD1", "a", "Maker", "Prod", "1.0", 5, "old");
    prompt.Answer(ConflictOverwrite);
    Insert("CD1", "a", "", "New", "", 7, "");
    EXPECT_EQ(*Node("CD1\\a")->Description(), (TItemDescription{"", "New", "", 7, ""}));
}

TEST_F(InsertItem, ComplementOrOverwriteGiveADescriptionToANodeWithout)
{
    Insert("CD1", "a");
    Insert("CD1", "b");
    prompt.Answer(ConflictComplement);
    prompt.Answer(ConflictOverwrite);
    Insert("CD1", "a", "P");
    Insert("CD1", "b", "", "", "", 3);
    EXPECT_EQ(Node("CD1\\a")->Description()->Producer, "P");
    EXPECT_EQ(Node("CD1\\b")->Description()->Size, 3);
}

TEST_F(InsertItem, AnswersForOneItemAskAgainAnswersForAllDoNot)
{
    Insert("CD1", "a", "A");
    Insert("CD1", "b", "B");
    Insert("CD1", "c", "C");
    prompt.Answer(ConflictKeep);
    prompt.Answer(ConflictKeepAll);
    Insert("CD1", "a", "x");
    Insert("CD1", "b", "x");
    Insert("CD1", "c", "x");
    EXPECT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(answers.ConflictAnswer, ConflictKeepAll);
    for (const char *p : {"CD1\\a", "CD1\\b", "CD1\\c"})
        EXPECT_NE(Node(p)->Description()->Producer, "x") << p;
}

TEST_F(InsertItem, CancelLeavesTheNodeAndIsReportedInConflictAnswer)
{
    Insert("CD1", "a", "A");
    prompt.Answer(ConflictCancel);
    Insert("CD1", "a", "B");
    EXPECT_EQ(answers.ConflictAnswer, ConflictCancel);
    EXPECT_EQ(Node("CD1\\a")->Description()->Producer, "A");

    answers.ConflictAnswer = ConflictNotAsked;
    prompt.Answer(ConflictNotAsked); // not an answer: taken as cancel
    Insert("CD1", "a", "B");
    EXPECT_EQ(answers.ConflictAnswer, ConflictCancel);
}

// Consecutive records share their folders; whatever happens to the tree
// between two insertions, the second one must still land on live nodes.
TEST_F(InsertItem, RecordsOfOneFolderInARowSurviveChangesBetweenThem)
{
    Insert("CD1", "A\\B\\one");
    catalogue.DeleteNode(Node("CD1\\A"));
    Insert("CD1", "A\\B\\two");
    EXPECT_EQ(Names(Node("CD1\\A\\B")), QStringList{"two"});

    tree.SetText(Node("CD1\\A\\B"), "C");
    Insert("CD1", "A\\B\\three");
    EXPECT_EQ(Names(Node("CD1\\A")), (QStringList{"B", "C"}));

    tree.SetImage(Node("CD1\\A\\B"), ImageFile);
    Insert("CD1", "A\\B\\four");
    EXPECT_EQ(Image("CD1\\A\\B"), ImageFolder);

    Insert("CD1", "A\\B\\x.zip");
    Insert("CD1", "A\\B\\x.zip\\inner");
    EXPECT_EQ(Image("CD1\\A\\B\\x.zip"), ImageFile);
    Insert("CD1", "A\\B\\plain");
    Insert("CD1", "A\\B\\plain\\inner");
    EXPECT_EQ(Image("CD1\\A\\B\\plain"), ImageFolder);

    tree.ResetTree();
    Insert("CD1", "A\\B\\five");
    EXPECT_EQ(FullItemPath(Node("CD1\\A\\B\\five")), "CD1\\A\\B\\five");
    Insert("cd1", "a\\B\\six");
    EXPECT_EQ(FullItemPath(Node("CD1\\A\\B\\six")), "cd1\\a\\B\\six");
}

// Each record reuses the folders it shares with the previous one. Paths that
// agree in part of a name, differ just before or after a separator, end in
// one, or hold empty names must reach the same nodes as a walk from the root.
TEST_F(InsertItem, ReusingThePreviousRecordsFoldersReachesTheSameNodes)
{
    const QStringList names = {"", "A", "AB", "ABCD", "ABCDE", "ABCDEFGH", "a", "x.zip"};
    QStringList paths = {"AB\\ABCD\\x", "AB\\ABCDE\\x", "ABCD\\x", "ABCDEFGH\\",
                         "ABCDEFGH\\y", "A\\\\B",       "A\\\\",   "A\\",
                         "A\\\\B\\",    "\\",           "\\\\"};
    uint32_t seed = 7;
    for (int i = 0; i < 400; ++i) {
        QString p;
        seed = seed * 1103515245u + 12345u;
        const int depth = 1 + int(seed >> 28) % 4;
        for (int d = 0; d < depth; ++d) {
            seed = seed * 1103515245u + 12345u;
            p += (d ? "\\" : "") + names[int(seed >> 24) % names.size()];
        }
        paths.append(seed & 1 ? p + "\\" : p);
    }
    answers.ConflictAnswer = ConflictOverwriteAll;
    TTree fresh;
    for (int i = 0; i < paths.size(); ++i) {
        const QString label = i % 50 < 45 ? "CD1" : "";
        Insert(label, paths[i], "", "", "", i + 1);
        // A new catalogue object has no previous record to reuse.
        TCatalogueTree walker(fresh, answers, prompt);
        walker.InsertItem(label, paths[i], "", "", "", i + 1, "", false);
    }
    std::function<QStringList(const TTreeNode *)> list = [&](const TTreeNode *n) {
        QStringList out;
        for (int i = 0; i < n->ChildCount(); ++i) {
            const TTreeNode *c = n->Child(i);
            const TDescriptionRef d = c->Description();
            out << QStringLiteral("%1 %2 %3")
                       .arg(FullItemPath(c))
                       .arg(c->Image())
                       .arg(d ? d->Size : -1);
            out << list(c);
        }
        return out;
    };
    const QStringList reused = list(tree.Root());
    EXPECT_GT(reused.size(), 100);
    EXPECT_EQ(reused, list(fresh.Root()));
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(InsertItem, ChildrenStayInSiblingOrderWhateverTheInsertionOrder)
{
    const QStringList files = {"Яблоко.txt", "apple.txt", "10.txt", "1.txt", "ёж.txt",
                               "Ель.txt",    "Zeta.txt",  "_x",     "9.txt", "жук.txt"};
    for (const QString &f : files)
        Insert("CD1", f);
    Insert("CD1", "Папка\\");
    Insert("CD1", "folder\\");
    // Folders first; then digits, Cyrillic (ё beside е) and Latin, case ignored.
    EXPECT_EQ(Names(Node("CD1")),
              (QStringList{"Папка", "folder", "_x", "1.txt", "10.txt", "9.txt", "ёж.txt", "Ель.txt",
                           "жук.txt", "Яблоко.txt", "apple.txt", "Zeta.txt"}));
}

TEST_F(InsertItem, BulkFillingInAnyOrderGivesTheSameTreeAsOneByOne)
{
    QStringList paths;
    for (int i = 0; i < 300; ++i)
        paths.append(QStringLiteral("Dir%1\\file%2.dat").arg(i % 7).arg((i * 37) % 300));
    for (const QString &p : paths)
        Insert("CD1", p);

    TTree bulk;
    TCatalogueTree other(bulk, answers, prompt);
    {
        TTreeUpdate update(bulk);
        for (auto it = paths.rbegin(); it != paths.rend(); ++it)
            other.InsertItem("CD1", *it, "", "", "", 0, "", false);
    }
    const TTreeNode *a = Node("CD1");
    const TTreeNode *b = bulk.FindChild(bulk.Root(), u"CD1");
    ASSERT_EQ(Names(a), Names(b));
    for (int i = 0; i < a->ChildCount(); ++i) {
        EXPECT_EQ(Names(a->Child(i)), Names(b->Child(i)));
        for (int k = 0; k < b->Child(i)->ChildCount(); ++k)
            EXPECT_EQ(b->Child(i)->Child(k)->Row(), k);
    }
}

} // namespace
} // namespace qbx::test
