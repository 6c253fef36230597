// Archives' members scanned into the catalogue below the archives' nodes.
#include "ScanFixture.h"
#include "TagFiles.h"
#include "support/ArchiveTools.h"

#include "storage/CatalogueReader.h"
#include "storage/CatalogueWriter.h"
#include "tree/TCatalogueTree.h"

#include <QFileInfo>

namespace qbx::test {
namespace {

class ArchiveScan : public ScanFixture {
protected:
    // Disc/Soft holds a zip with folders, a SETUP.TXT, a nested zip and two
    // names, one with ":" (an ordinary character) and one the catalogue
    // cannot hold; a tar.bz2; a file that only looks
    // like a zip; and a plain file.
    void SetUp() override
    {
        File("src/docs/readme.txt", 5);
        File("src/docs/old/x.txt", 300);
        File("src/SETUP.TXT", 0,
             Cp1251(QStringLiteral("Производитель: Фирма\r\nПродукт: Игра\r\n")));
        File("src/a:b.txt", 7);
        File("src/\xE6\xBC\xA2.txt", 9); // Chinese
        File("Disc/Soft/plain.txt", 11);
        File("Disc/Soft/broken.zip", 0, "not an archive at all\n");
        const QString src = FolderPath("src");
        ASSERT_TRUE(RunTool(src, "zip", {"-qr", "inner.zip", "docs/old"}));
        ASSERT_TRUE(RunTool(src, "zip", {"-qr", FolderPath("Disc/Soft") + "pack.zip", "."}));
        ASSERT_TRUE(RunTool(src, "tar", {"cjf", FolderPath("Disc/Soft") + "data.tar.bz2", "docs"}));
        settings.Archives = true;
        settings.TerminalSize = false;
    }
    int64_t FileSize(const std::string &rel) const
    {
        return QFileInfo(QFile::decodeName(Local(rel).c_str())).size();
    }
};

TEST_F(ArchiveScan, MembersBecomeChildrenOfTheArchiveOnlyWhenAskedFor)
{
    settings.Archives = false;
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    Scan(cd, "Disc");
    EXPECT_FALSE(Node(QStringLiteral("CD\\Disc\\Soft\\pack.zip"))->HasChildren());
    EXPECT_TRUE(scan.Skipped().Empty());

    tree.ResetTree();
    settings.Archives = true;
    cd = Disc(QStringLiteral("CD"));
    const int64_t total = Scan(cd, "Disc");
    const TTreeNode *pack = Node(QStringLiteral("CD\\Disc\\Soft\\pack.zip"));
    ASSERT_NE(pack, nullptr);
    EXPECT_EQ(pack->Image(), ImageFile);
    EXPECT_EQ(Names(pack), (QStringList{"docs", "a:b.txt", "inner.zip", "SETUP.TXT"}));
    EXPECT_EQ(Node(QStringLiteral("CD\\Disc\\Soft\\pack.zip\\docs"))->Image(), ImageFolder);
    EXPECT_EQ(Size(QStringLiteral("CD\\Disc\\Soft\\pack.zip\\docs\\old\\x.txt")), 300);
    EXPECT_EQ(Size(QStringLiteral("CD\\Disc\\Soft\\pack.zip\\docs")), 305);
    EXPECT_NE(Node(QStringLiteral("CD\\Disc\\Soft\\data.tar.bz2\\docs\\readme.txt")), nullptr);
    EXPECT_FALSE(Node(QStringLiteral("CD\\Disc\\Soft\\pack.zip\\inner.zip"))->HasChildren())
        << "nested archives stay closed";
    EXPECT_EQ(Node(QStringLiteral("CD\\Disc\\Soft"))->Description()->Producer, QString())
        << "a SETUP.TXT inside an archive is not read";

    // Archives count with their own size, not their members'.
    const int64_t files = FileSize("Disc/Soft/pack.zip") + FileSize("Disc/Soft/data.tar.bz2") +
                          FileSize("Disc/Soft/broken.zip") + 11;
    EXPECT_EQ(Size(QStringLiteral("CD\\Disc\\Soft\\pack.zip")), FileSize("Disc/Soft/pack.zip"));
    EXPECT_EQ(Size(QStringLiteral("CD\\Disc\\Soft")), files);
    EXPECT_EQ(total, files);

    // The unreadable archive stays a plain file; it and the Chinese name are
    // in the report.
    EXPECT_FALSE(Node(QStringLiteral("CD\\Disc\\Soft\\broken.zip"))->HasChildren());
    EXPECT_EQ(scan.Skipped().Unreadable().paths,
              QStringList{FolderPath("Disc/Soft") + "broken.zip"});
    EXPECT_EQ(scan.Skipped().Count(), 1);
    EXPECT_FALSE(scan.Skipped().Paths().join(u'\n').contains(QStringLiteral("a:b.txt")));
    EXPECT_TRUE(scan.Skipped().Text().contains(QStringLiteral("не удалось прочитать: 1")));
    EXPECT_FALSE(scan.Failed());
}

TEST_F(ArchiveScan, ASecondScanOfTheArchiveFollowsTheAnswers)
{
    Folder("One");
    ASSERT_TRUE(QFile::copy(FolderPath("Disc/Soft") + "pack.zip", FolderPath("One") + "pack.zip"));
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    Scan(cd, "One");
    TTreeNode *readme = Node(QStringLiteral("CD\\One\\pack.zip\\docs\\readme.txt"));
    ASSERT_NE(readme, nullptr);
    tree.MutableDescription(readme)->Producer = QStringLiteral("Kept");
    const QStringList members = Names(Node(QStringLiteral("CD\\One\\pack.zip")));

    prompt.Answer(ConflictComplementAll);
    Scan(cd, "One");
    EXPECT_EQ(prompt.asked, QStringList{QStringLiteral("CD\\One")});
    EXPECT_EQ(readme->Description()->Producer, QStringLiteral("Kept"));
    EXPECT_EQ(Names(Node(QStringLiteral("CD\\One\\pack.zip"))), members)
        << "members are found again, not repeated";

    prompt.Answer(ConflictOverwriteAll);
    Scan(cd, "One");
    EXPECT_EQ(readme->Description()->Producer, QString());
    EXPECT_EQ(readme->Description()->Size, 5);

    // Cancelled at the archive itself: its members are left alone.
    tree.MutableDescription(readme)->Producer = QStringLiteral("Kept");
    prompt.asked.clear();
    prompt.Answer(ConflictKeep);
    prompt.Answer(ConflictCancel);
    Scan(cd, "One");
    EXPECT_EQ(prompt.asked,
              (QStringList{QStringLiteral("CD\\One"), QStringLiteral("CD\\One\\pack.zip")}));
    EXPECT_EQ(readme->Description()->Producer, QStringLiteral("Kept"));
}

TEST_F(ArchiveScan, StopWhileAnArchiveIsReadEndsTheWalk)
{
    Folder("One");
    ASSERT_TRUE(QFile::copy(FolderPath("Disc/Soft") + "pack.zip", FolderPath("One") + "pack.zip"));
    progress.stopAfter = 2; // the folder and the archive's node are made
    Scan(Disc(QStringLiteral("CD")), "One");
    EXPECT_FALSE(Node(QStringLiteral("CD\\One\\pack.zip"))->HasChildren());
    EXPECT_TRUE(scan.Skipped().Empty()) << "a stopped archive is not an unreadable one";
    EXPECT_EQ(Size(QStringLiteral("CD\\One")), -1) << "an unfinished folder gets no size";
}

TEST_F(ArchiveScan, MembersSurviveSavingAndLoadingTheCatalogue)
{
    Scan(Disc(QStringLiteral("CD")), "Disc");
    struct : IWriteProgress {
        bool Stopped() override { return false; }
        void Step() override {}
    } progress;
    const QString file = dir.filePath(QStringLiteral("cat.db"));
    ASSERT_TRUE(WriteCatalogueFile(tree.Root(), TRecordSource::Catalogue, file, progress).Ok());

    TTree loaded;
    TCatalogueTree catalogue(loaded, answers, prompt);
    ReadCatalogueTable(
        file, catalogue, [](uint32_t) {}, [] { return true; });
    TTreeNode *pack = loaded.FindChild(
        loaded.FindChild(loaded.FindChild(loaded.FindChild(loaded.Root(), QStringLiteral("CD")),
                                          QStringLiteral("Disc")),
                         QStringLiteral("Soft")),
        QStringLiteral("pack.zip"));
    ASSERT_NE(pack, nullptr);
    EXPECT_EQ(pack->Image(), ImageFile) << "an archive with members stays a file";
    const TTreeNode *x = loaded.FindChild(
        loaded.FindChild(loaded.FindChild(pack, QStringLiteral("docs")), QStringLiteral("old")),
        QStringLiteral("x.txt"));
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->Description()->Size, 300);
}

} // namespace
} // namespace qbx::test
