#include "ScanFixture.h"

#include "TagFiles.h"
#include "platform/Codec.h"
#include "tree/NodePaths.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace qbx::test {
namespace {

class FolderScan : public ScanFixture {
protected:
    void SetUp() override
    {
        File("Docs/a.txt", 100);
        File("Docs/Sub/b.txt", 200);
        File("Docs/Sub/Deep/c.txt", 300);
        Folder("Docs/Empty");
    }
};

TEST_F(FolderScan, DefaultOptionsAddEveryFolderAndFileWithTerminalSizes)
{
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    EXPECT_EQ(Scan(cd, "Docs"), 600);
    EXPECT_EQ(scan.FirstAddedNode(), Node(QStringLiteral("CD\\Docs")));
    EXPECT_EQ(Names(Node(QStringLiteral("CD\\Docs"))), (QStringList{"Empty", "Sub", "a.txt"}));
    EXPECT_EQ(Node(QStringLiteral("CD\\Docs"))->Image(), ImageFolder);
    EXPECT_EQ(Node(QStringLiteral("CD\\Docs\\a.txt"))->Image(), ImageFile);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Sub\\Deep\\c.txt")), 300);
    // Only items without sub-items get sizes; an empty folder's total is 0,
    // a size known to be 0.
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs")), -1);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Sub")), -1);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Empty")), 0);
    EXPECT_EQ(progress.steps, 7); // four folders, three files
    EXPECT_FALSE(scan.Failed());
    EXPECT_EQ(scan.Skipped().Count(), 0);
}

TEST_F(FolderScan, EmptyFilesAndFoldersGetTheSizeZero)
{
    File("Z/empty.txt", 0);
    Folder("Z/none");
    File("Z/sub/empty.dat", 0);
    settings.TerminalSize = false;
    Scan(Disc(QStringLiteral("CD")), "Z");
    for (const char *item :
         {"CD\\Z", "CD\\Z\\empty.txt", "CD\\Z\\none", "CD\\Z\\sub", "CD\\Z\\sub\\empty.dat"})
        EXPECT_EQ(Size(QString::fromUtf8(item)), 0) << item;

    // Complementing an item without a description gives it one, also of 0.
    tree.SetDescription(Node(QStringLiteral("CD\\Z\\empty.txt")), nullptr);
    prompt.Answer(ConflictComplementAll);
    Scan(Disc(QStringLiteral("CD")), "Z");
    EXPECT_EQ(Size(QStringLiteral("CD\\Z\\empty.txt")), 0);
}

TEST_F(FolderScan, SizeOptionsDecideWhichItemsGetSizes)
{
    settings.TerminalSize = false;
    Scan(Disc(QStringLiteral("CD")), "Docs");
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs")), 600);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Sub")), 500);

    // Without files, the folders that hold no sub-folders get every byte below.
    tree.ResetTree();
    settings.TerminalSize = true;
    settings.AddFiles = false;
    Scan(Disc(QStringLiteral("CD")), "Docs");
    EXPECT_EQ(Node(QStringLiteral("CD\\Docs\\a.txt")), nullptr);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Sub\\Deep")), 300);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Sub")), -1);

    tree.ResetTree();
    settings.AddFiles = true;
    settings.AutoSize = false;
    Scan(Disc(QStringLiteral("CD")), "Docs");
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\a.txt")), -1) << "unrecognised files get nothing";
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Sub\\Deep")), -1);
}

TEST_F(FolderScan, RecursionOffAddsFilesOnlyFromTheChosenFolder)
{
    settings.Recursion = false;
    Scan(Disc(QStringLiteral("CD")), "Docs");
    EXPECT_NE(Node(QStringLiteral("CD\\Docs\\a.txt")), nullptr);
    EXPECT_NE(Node(QStringLiteral("CD\\Docs\\Sub\\Deep")), nullptr);
    EXPECT_EQ(Node(QStringLiteral("CD\\Docs\\Sub\\b.txt")), nullptr);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Sub\\Deep")), 300) << "files still count";
}

TEST_F(FolderScan, WithoutTopNodeTheEntriesGoUnderTheTarget)
{
    settings.NoTopNode = true;
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    Scan(cd, "Docs");
    EXPECT_EQ(Names(cd), (QStringList{"Empty", "Sub", "a.txt"}));
    EXPECT_EQ(scan.FirstAddedNode(), nullptr);

    // Under the catalogue root every entry is a disc, files too.
    Scan(tree.Root(), "Docs/Sub");
    EXPECT_EQ(Node(QStringLiteral("Deep"))->Image(), ImageDisc);
    EXPECT_EQ(Node(QStringLiteral("b.txt"))->Image(), ImageDisc);
    EXPECT_EQ(Size(QStringLiteral("b.txt")), 200);
}

TEST_F(FolderScan, UnderTheRootNamesAreCutToTheLabelFieldAndThenMeetTheDiscs)
{
    const std::string forty(40, 'a');
    File("R/" + forty + "/x.txt", 1);
    File("R/" + std::string(36, 'b') + ".txt", 2);
    File("T/" + std::string(33, 'c') + "/y.txt", 3);
    Disc(QString(32, u'b'));
    settings.NoTopNode = true;
    prompt.Answer(ConflictKeep);
    Scan(tree.Root(), "R");
    EXPECT_EQ(prompt.asked, QStringList{QString(32, u'b')}) << "the cut name meets the disc";
    // With the top node a folder's own name becomes the disc: cut as well.
    settings.NoTopNode = false;
    Scan(tree.Root(), "T/" + std::string(33, 'c'));
    EXPECT_EQ(Names(tree.Root()),
              (QStringList{QString(32, u'a'), QString(32, u'b'), QString(32, u'c')}));
    EXPECT_TRUE(Node(QString(32, u'a') + QStringLiteral("\\x.txt")));
    EXPECT_TRUE(Node(QString(32, u'c') + QStringLiteral("\\y.txt")));
}

TEST_F(FolderScan, NamesTheCatalogueCannotHoldAreLeftOutAndReported)
{
    // Characters Linux allows in names are ordinary ones: only "\\", control
    // characters and what the code page cannot hold are left out.
    File("N/Dpkg::BuildTypes.3perl.gz", 10);
    File("N/what?*.txt", 10);
    File("N/x|y/<in> \"q\".txt", 10);
    File("N/back\\slash.txt", 10);
    File("N/Bj\xC3\xB6rk - J\xC3\xB3ga.mp3", 1000, Audio(100));
    File("N/\xE4\xB8\xAD\xE6\x96\x87.txt", 10); // Chinese
    File("N/bad\xFF.txt", 10);                  // not UTF-8
    File("N/song \xF0\x9F\x8E\xB5.mp3", 10);    // emoji
    File("N/tab\there.txt", 10);
    File("N/new\nline.txt", 10);
    File("N/photo\xE2\x80\xAEgpj.exe", 10); // right-to-left override
    File("N/ok.txt", 5);
    settings.TerminalSize = false;
    EXPECT_EQ(Scan(Disc(QStringLiteral("CD")), "N"), 1035);
    const TTreeNode *n = Node(QStringLiteral("CD\\N"));
    EXPECT_EQ(Names(n), (QStringList{"x|y", "Bjork - Joga.mp3", "Dpkg::BuildTypes.3perl.gz",
                                     "ok.txt", "what?*.txt"}));
    EXPECT_EQ(Size(QStringLiteral("CD\\N\\x|y\\<in> \"q\".txt")), 10);
    const TDescriptionRef d = Node(QStringLiteral("CD\\N\\Bjork - Joga.mp3"))->Description();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Producer, QStringLiteral("Bjork"));
    EXPECT_EQ(d->Product, QStringLiteral("Joga"));
    EXPECT_EQ(Size(QStringLiteral("CD\\N")), 1035) << "skipped files count in no total";
    EXPECT_EQ(scan.Skipped().Count(), 7);
    // Each path stays on its line of the report, in its own order.
    EXPECT_TRUE(
        scan.Skipped().Paths().contains(FolderPath("N") + QStringLiteral("new\uFFFDline.txt")));
    EXPECT_TRUE(
        scan.Skipped().Paths().contains(FolderPath("N") + QStringLiteral("photo\uFFFDgpj.exe")));
    EXPECT_TRUE(
        scan.Skipped().Paths().contains(FolderPath("N") + QStringLiteral("back\\slash.txt")));
    EXPECT_TRUE(scan.Skipped().Paths().contains(FolderPath("N") + QStringLiteral("中文.txt")));
    const QString text = scan.Skipped().Text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Не добавлено в каталог элементов: 7.\r")));
}

TEST_F(FolderScan, PathsLongerThanTheCatalogueHoldsAreLeftOutAndReported)
{
    // "L\\A\\B\\" below the disc takes 244 of the 255 characters of a path.
    const std::string deep = "L/" + std::string(120, 'a') + '/' + std::string(120, 'b') + '/';
    File(deep + "x.txt", 1);                          // 249
    Folder(deep + std::string(10, 'f'));              // 255 with its "\\"
    Folder(deep + std::string(11, 'g'));              // 256
    File(deep + std::string(16, 'h') + ".txt", 1000); // 264
    File(deep + std::string(11, 'g') + "/in/y.txt", 20);
    File(deep + std::string(11, 'g') + "/z.txt", 300);
    settings.TerminalSize = false;
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    // What is left out as nodes still counts into the folder totals.
    EXPECT_EQ(Scan(cd, "L"), 1321);
    const QString b = QStringLiteral("CD\\L\\") + QString(120, u'a') + u'\\' + QString(120, u'b');
    EXPECT_EQ(Names(Node(b)), (QStringList{QString(10, u'f'), QStringLiteral("x.txt")}));
    EXPECT_EQ(Size(b), 1321);
    EXPECT_EQ(Size(QStringLiteral("CD\\L")), 1321);
    EXPECT_EQ(scan.Skipped().TooLong().count, 2) << "the folder's contents are not listed";
    EXPECT_EQ(scan.Skipped().Count(), 0);
    EXPECT_TRUE(scan.Skipped().Text().contains(
        QStringLiteral("Не добавлено в каталог элементов со слишком длинным путём: 2.\r")));
}

TEST_F(FolderScan, AChosenFolderWhosePathWouldBeTooLongIsLeftOutAndReported)
{
    // The target's path below the disc takes 250 characters: "Docs" and its
    // "\\" would make 256.
    const QString deep = QString(125, u'a') + u'\\' + QString(124, u'b');
    TTreeNode *target = catalogue.InsertItem("CD", deep + u'\\', "", "", "", 0, "", false);
    ASSERT_EQ(ItemPath(target).size(), 250);
    EXPECT_EQ(Scan(target, "Docs"), 0);
    EXPECT_FALSE(target->HasChildren());
    EXPECT_EQ(scan.Skipped().TooLong().paths, QStringList{FolderPath("Docs")});
    // Without a node of its own the entries go below the target and are
    // checked one by one: only "Sub\\" fits, and nothing inside it.
    settings.NoTopNode = true;
    Scan(target, "Docs");
    EXPECT_EQ(Names(target), QStringList{"Sub"});
    EXPECT_EQ(scan.Skipped().TooLong().count, 4);
}

TEST_F(FolderScan, NamesEqualIgnoringCaseAreCataloguedOnce)
{
    File("C/README", 10);
    File("C/readme", 20);
    File("C/Dir/x.txt", 1);
    File("C/dir/y.txt", 2);
    Scan(Disc(QStringLiteral("CD")), "C");
    EXPECT_TRUE(prompt.asked.isEmpty());
    EXPECT_EQ(Node(QStringLiteral("CD\\C"))->ChildCount(), 2);
    const TTreeNode *d = Node(QStringLiteral("CD\\C\\dir"));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ChildCount(), 1) << "the second folder is not walked";
    EXPECT_EQ(scan.Skipped().Count(), 2);

    // A second scan of the same folder clashes only with what existed before.
    prompt.Answer(ConflictKeepAll);
    Scan(Disc(QStringLiteral("CD")), "C");
    EXPECT_EQ(prompt.asked, QStringList{QStringLiteral("CD\\C")});
    EXPECT_EQ(Node(QStringLiteral("CD\\C"))->ChildCount(), 2);
    EXPECT_EQ(scan.Skipped().Count(), 2);
}

TEST_F(FolderScan, SecondScanAsksAndFollowsTheAnswers)
{
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    Scan(cd, "Docs");
    TTreeNode *a = Node(QStringLiteral("CD\\Docs\\a.txt"));
    tree.MutableDescription(a)->Producer = QStringLiteral("Kept");
    tree.MutableDescription(a)->Size = 0;

    prompt.Answer(ConflictComplementAll);
    Scan(cd, "Docs");
    EXPECT_EQ(prompt.asked, QStringList{QStringLiteral("CD\\Docs")});
    EXPECT_EQ(a->Description()->Producer, QStringLiteral("Kept"));
    EXPECT_EQ(a->Description()->Size, 100) << "a zero size is filled";
    EXPECT_EQ(Names(Node(QStringLiteral("CD\\Docs"))), (QStringList{"Empty", "Sub", "a.txt"}));

    // Overwrite for one item asks again at the next clash; cancel ends it.
    prompt.asked.clear();
    prompt.Answer(ConflictOverwrite);
    prompt.Answer(ConflictCancel);
    progress.steps = 0;
    Scan(cd, "Docs");
    EXPECT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(answers.ConflictAnswer, 0); // reset by the fixture, as the command does
    EXPECT_EQ(a->Description()->Producer, QStringLiteral("Kept")) << "cancel changes nothing";
}

TEST_F(FolderScan, SetupTxtDescribesItsFolderInAnyLetterCase)
{
    const std::string setup = Cp1251(QStringLiteral(
        "Производитель: Фирма\r\nПродукт: Игра\r\nВерсия: 1.0\r\nОписание: Лучшая\r\n"));
    File("Soft/Game/SeTuP.tXt", 0, setup);
    File("Soft/Game/game.exe", 50);
    settings.TerminalSize = false;
    Scan(Disc(QStringLiteral("CD")), "Soft");
    const TTreeNode *game = Node(QStringLiteral("CD\\Soft\\Game"));
    ASSERT_NE(game->Description(), nullptr);
    EXPECT_EQ(game->Description()->Producer, QStringLiteral("Фирма"));
    EXPECT_EQ(game->Description()->Description, QStringLiteral("Лучшая"));
    EXPECT_EQ(game->Description()->Size, int64_t(50 + setup.size()));
    EXPECT_NE(Node(QStringLiteral("CD\\Soft\\Game\\SeTuP.tXt")), nullptr);

    tree.ResetTree();
    settings.AutoDescr = false;
    Scan(Disc(QStringLiteral("CD")), "Soft");
    EXPECT_EQ(Node(QStringLiteral("CD\\Soft\\Game"))->Description()->Producer, QString());
}

TEST_F(FolderScan, LinksAndSpecialFilesCannotHangTheWalk)
{
    File("L/real.txt", 42);
    Folder("L/sub");
    ASSERT_EQ(::symlink("..", Local("L/sub/up").c_str()), 0);
    ASSERT_EQ(::symlink("real.txt", Local("L/link.txt").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", Local("L/broken").c_str()), 0);
    ASSERT_EQ(::mkfifo(Local("L/a.mp3").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(Local("L/SETUP.TXT").c_str(), 0644), 0);
    settings.TerminalSize = false;
    EXPECT_EQ(Scan(Disc(QStringLiteral("CD")), "L"), 84);
    EXPECT_EQ(Names(Node(QStringLiteral("CD\\L"))), (QStringList{"sub", "link.txt", "real.txt"}));
    EXPECT_EQ(Size(QStringLiteral("CD\\L\\link.txt")), 42);
    EXPECT_EQ(Node(QStringLiteral("CD\\L\\sub"))->ChildCount(), 0);
    // What was left out is told, not dropped silently.
    const TSkipReport::Group &special = scan.Skipped().Special();
    EXPECT_EQ(special.count, 4);
    EXPECT_TRUE(special.paths.contains(FolderPath("L/sub") + "up"));
    EXPECT_TRUE(special.paths.contains(FolderPath("L") + "a.mp3"));
    EXPECT_TRUE(scan.Skipped().Text().contains(
        "Не добавлено в каталог особых элементов: 4.\rЭто ссылки на папки, ссылки, ведущие в "
        "никуда, каналы, сокеты и устройства.\r"));
}

TEST_F(FolderScan, SparseFilesCountWithTheirFullSize)
{
    constexpr int64_t fiveGiB = int64_t(5) << 30;
    File("Big/disk.img", fiveGiB);
    File("Big/small.bin", 1);
    settings.TerminalSize = false;
    EXPECT_EQ(Scan(Disc(QStringLiteral("CD")), "Big"), fiveGiB + 1);
    EXPECT_EQ(Size(QStringLiteral("CD\\Big\\disk.img")), fiveGiB);
    EXPECT_EQ(Size(QStringLiteral("CD\\Big")), fiveGiB + 1);
}

TEST_F(FolderScan, AFolderThatCannotBeListedStopsTheWalkKeepingTheRest)
{
    lister.failing = Local("Docs/Sub/");
    settings.TerminalSize = false;
    Scan(Disc(QStringLiteral("CD")), "Docs");
    EXPECT_TRUE(scan.Failed());
    EXPECT_NE(Node(QStringLiteral("CD\\Docs\\Sub")), nullptr) << "added nodes stay";
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs")), -1) << "an unfinished folder gets no size";

    // The chosen folder itself.
    tree.ResetTree();
    lister.failing = Local("Docs/");
    Scan(Disc(QStringLiteral("CD")), "Docs");
    EXPECT_TRUE(scan.Failed());
    EXPECT_NE(Node(QStringLiteral("CD\\Docs")), nullptr);
}

TEST_F(FolderScan, GoingOnPastAFolderThatCannotBeListedReportsIt)
{
    lister.failing = Local("Docs/Sub/");
    settings.KeepGoing = true;
    settings.TerminalSize = false;
    EXPECT_EQ(Scan(Disc(QStringLiteral("CD")), "Docs"), 100);
    EXPECT_FALSE(scan.Failed());
    EXPECT_EQ(Names(Node(QStringLiteral("CD\\Docs"))), (QStringList{"Empty", "Sub", "a.txt"}));
    EXPECT_FALSE(Node(QStringLiteral("CD\\Docs\\Sub"))->HasChildren());
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs")), -1) << "a folder missing bytes gets no size";
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs\\Empty")), 0);
    EXPECT_EQ(scan.Skipped().Unlisted().paths, QStringList{FolderPath("Docs/Sub")});
    EXPECT_TRUE(scan.Skipped().Text().startsWith(
        QStringLiteral("Папок, содержимое которых не удалось прочитать: 1.\r")));
}

// Lists folders, and once one folder is listed removes some of its entries,
// as other programs do on a live disc.
class VanishingLister : public IFolderLister {
public:
    std::string folder;
    std::vector<std::string> gone;
    bool List(const std::string &f, TFolderListing &listing) override
    {
        const bool ok = real.List(f, listing);
        if (f == folder)
            for (const std::string &path : gone) {
                const QString name = QFile::decodeName(path.c_str());
                if (QFileInfo(name).isDir())
                    QDir(name).removeRecursively();
                else
                    QFile::remove(name);
            }
        return ok;
    }
    TSystemFolderLister real;
};

TEST_F(FolderScan, EntriesThatVanishDuringTheWalkAreLeftOutAndReported)
{
    File("V/keep.txt", 10);
    File("V/song.mp3", 1000, Audio(100));
    File("V/SETUP.TXT", 20);
    File("V/dir/inner.txt", 5);
    VanishingLister vanishing;
    vanishing.folder = Local("V/");
    vanishing.gone = {Local("V/song.mp3"), Local("V/SETUP.TXT"), Local("V/dir")};
    TFolderScan live(tree, answers, prompt, progress, vanishing);
    settings.FolderPath = FolderPath("V");
    settings.TerminalSize = false;
    EXPECT_EQ(live.Run(Disc(QStringLiteral("CD")), settings), 10);
    EXPECT_FALSE(live.Failed());
    EXPECT_EQ(Names(Node(QStringLiteral("CD\\V"))), QStringList{"keep.txt"});
    EXPECT_EQ(Size(QStringLiteral("CD\\V")), 10);
    EXPECT_EQ(live.Skipped().Vanished().count, 3);
    EXPECT_TRUE(live.Skipped().Vanished().paths.contains(FolderPath("V/dir")));
    EXPECT_TRUE(live.Skipped().Text().startsWith(
        QStringLiteral("Не добавлено в каталог, так как исчезло во время обхода: 3.\r")));

    // The chosen folder itself gone after it was chosen: no node for it.
    TTreeNode *cd = Disc(QStringLiteral("CD2"));
    settings.FolderPath = FolderPath("W");
    EXPECT_EQ(live.Run(cd, settings), 0);
    EXPECT_FALSE(live.Failed());
    EXPECT_FALSE(cd->HasChildren());
    EXPECT_EQ(live.FirstAddedNode(), nullptr);
    EXPECT_EQ(live.Skipped().Vanished().count, 1);
}

TEST_F(FolderScan, UnreadableFolderOfTheFileSystem)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    File("U/locked/x.txt", 1);
    ASSERT_EQ(::chmod(Local("U/locked").c_str(), 0), 0);
    Scan(Disc(QStringLiteral("CD")), "U");
    ::chmod(Local("U/locked").c_str(), 0755);
    EXPECT_TRUE(scan.Failed());
}

TEST_F(FolderScan, StopKeepsWhatWasAdded)
{
    progress.stopAfter = 3;
    settings.TerminalSize = false;
    Scan(Disc(QStringLiteral("CD")), "Docs");
    EXPECT_FALSE(scan.Failed());
    EXPECT_EQ(progress.steps, 3);
    EXPECT_NE(Node(QStringLiteral("CD\\Docs")), nullptr);
    EXPECT_EQ(Size(QStringLiteral("CD\\Docs")), -1) << "an unfinished folder gets no size";
}

TEST(FolderComponent, LastComponentOfAFolderPath)
{
    EXPECT_EQ(LastFolderComponent("/media/cd/Docs/"), "Docs");
    EXPECT_EQ(LastFolderComponent("/media/cd/Docs"), "Docs");
    EXPECT_EQ(LastFolderComponent("/"), "");
}

} // namespace
} // namespace qbx::test
