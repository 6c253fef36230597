#include "CliFixture.h"
#include "support/ArchiveTools.h"
#include "support/AudioSamples.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <unistd.h>

namespace qbx::test {
namespace {

// A folder tree to scan, and the catalogue the scans go into.
class CliScan : public CliTest {
protected:
    QString src = PathOf("Disc");
    QString cat = PathOf("cat.db");

    CliScan()
    {
        File("Docs/a.txt", 6);
        File("Photos/2004/IMG_1.jpg", 5000);
        File("top.bin", 300);
    }

    void File(const QString &path, int size)
    {
        const QString full = src + u'/' + path;
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(size, 'x'));
    }

    QByteArray Hash(const QString &file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                   : QByteArray();
    }

    QString Tree() const { return Run({"tree", cat}).out; }
    QStringList Rows() const
    {
        return Lines(Run({"search", cat, "--sql", "1 = 1", "--format", "tsv"}));
    }
};

const QString kScanned = "\\\n\tDisc\n\t\tDocs\n\t\t\ta.txt\n\t\tPhotos\n\t\t\t2004\n"
                         "\t\t\t\tIMG_1.jpg\n\t\ttop.bin\n";

TEST_F(CliScan, ScansAFolderIntoANewCatalogueWithSizesOfFilesOnly)
{
    const CliRun r = Run({"scan", src, "--into", cat});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Tree(), kScanned);
    // The disc and the folders have contents and no description: no records.
    EXPECT_EQ(Rows(), QStringList({"Disc\tDocs\\a.txt\t\t\t\t6\t",
                                   "Disc\tPhotos\\2004\\IMG_1.jpg\t\t\t\t5000\t",
                                   "Disc\ttop.bin\t\t\t\t300\t"}));
}

TEST_F(CliScan, FlagsAreTheScanDialogsOptions)
{
    EXPECT_EQ(Run({"scan", src, "--into", cat, "--files-top-only", "--no-sizes", "--label",
                   "  Мой диск  "})
                  .status,
              0);
    EXPECT_EQ(Tree(), "\\\n\tМой диск\n\t\tDocs\n\t\tPhotos\n\t\t\t2004\n\t\ttop.bin\n");
    EXPECT_EQ(Run({"search", cat, "--sql", "ByteSize > 0"}).status, 1);

    // The folder's contents straight under an existing folder.
    EXPECT_EQ(Run({"scan", src + "/Photos", "--into", cat, "--no-top-node", "--under",
                   "мой диск\\docs", "--no-files"})
                  .status,
              0);
    EXPECT_EQ(Tree(),
              "\\\n\tМой диск\n\t\tDocs\n\t\t\t2004\n\t\tPhotos\n\t\t\t2004\n\t\ttop.bin\n");
}

TEST_F(CliScan, AnItemAlreadyThereFailsUnlessAnAnswerIsGiven)
{
    ASSERT_EQ(Run({"scan", src, "--into", cat}).status, 0);
    File("new.txt", 1);
    const QByteArray before = Hash(cat);
    const CliRun again = Run({"scan", src, "--into", cat});
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(again.err, "qubrix-cli: «Disc» уже есть в каталоге; каталог не изменён (ответ на "
                         "совпадение имён: --on-conflict keep, complement или overwrite)\n");
    EXPECT_EQ(Hash(cat), before);

    EXPECT_EQ(Run({"scan", src, "--into", cat, "--on-conflict", "complement"}).status, 0);
    EXPECT_TRUE(Tree().endsWith("\t\tnew.txt\n\t\ttop.bin\n"));
    EXPECT_EQ(Rows().size(), 4);
}

TEST_F(CliScan, NamesTheCatalogueCannotHoldAreReportedOnStandardError)
{
    File(QString::fromUtf8("汉字.txt"), 1);
    const CliRun r = Run({"scan", src, "--into", cat});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(Tree(), kScanned);
    EXPECT_TRUE(r.err.startsWith("Не добавлено в каталог элементов: 1.\n")) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith(src + QString::fromUtf8("/汉字.txt\n"))) << r.err.toStdString();
}

TEST_F(CliScan, ArchiveMembersAreCataloguedOnRequestAndFound)
{
    File("Soft/src/docs/readme.txt", 5);
    ASSERT_TRUE(RunTool(src + "/Soft/src", "zip", {"-qr", "../pack.zip", "docs"}));
    ASSERT_TRUE(QDir(src + "/Soft/src").removeRecursively());
    ASSERT_EQ(Run({"scan", src, "--into", cat}).status, 0);
    EXPECT_EQ(Run({"search", cat, "readme"}).status, 1) << "archives stay closed by default";

    ASSERT_EQ(Run({"scan", src, "--into", cat, "--archives", "--on-conflict", "complement"}).status,
              0);
    EXPECT_EQ(Run({"search", cat, "readme", "--format", "tsv"}).out,
              "Disc\tSoft\\pack.zip\\docs\\readme.txt\t\t\t\t5\t\n");
}

TEST_F(CliScan, BadInputChangesNothing)
{
    ASSERT_EQ(Run({"scan", src, "--into", cat}).status, 0);
    const QByteArray before = Hash(cat);
    QFile junk(PathOf("junk.db"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(3000, '\x7f'));
    junk.close();
    const QByteArray junkBefore = Hash(PathOf("junk.db"));

    const QList<QStringList> bad = {
        {"scan", PathOf("nowhere"), "--into", cat},
        {"scan", src + "/top.bin", "--into", cat},
        {"scan", src, "--into", PathOf("junk.db")},
        {"scan", src, "--into", cat, "--under", "Disc\\Nothing"},
        {"scan", src, "--into", cat, "--on-conflict", "maybe"},
        {"scan", src, "--into", cat, "--label", QString::fromUtf8("汉字")},
        {"scan", src, "--into", cat, "--all-sizes", "--terminal-sizes"},
        {"scan", src},
        {"scan", "--into", cat},
    };
    for (const QStringList &args : bad) {
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("qubrix-cli: ")) << r.err.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    }
    EXPECT_EQ(Hash(cat), before);
    EXPECT_EQ(Hash(PathOf("junk.db")), junkBefore);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"cat.db", "junk.db"}));
}

TEST_F(CliScan, ATargetThatCannotBeWrittenIsToldInWordsBeforeTheWork)
{
    const QString nowhere = PathOf("nowhere");
    for (const QStringList &args : {QStringList{"scan", src, "--into", nowhere + "/new.db"},
                                    QStringList{"merge", cat, "--into", nowhere + "/new.db"}}) {
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "qubrix-cli: " + nowhere + ": папка не найдена\n");
    }
    const CliRun empty = Run({"scan", src, "--into", ""});
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(empty.err.startsWith("qubrix-cli: не указан каталог: --into КАТАЛОГ.db"))
        << empty.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(CliScan, ACatalogueInUseByAnotherProgramIsLeftAlone)
{
    ASSERT_EQ(Run({"scan", src + "/Docs", "--into", cat}).status, 0);
    const QByteArray before = Hash(cat);
    engine::Table holder;
    holder.Open(cat.toStdString(), engine::OpenMode::Exclusive);
    for (const QStringList &args :
         {QStringList{"scan", src, "--into", cat},
          QStringList{"merge", cat, "--into", PathOf("copy.db")}, QStringList{"stats", cat}}) {
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err, "qubrix-cli: " + cat + ": файл занят другой программой\n");
    }
    holder.Close();
    EXPECT_EQ(Hash(cat), before);
    EXPECT_FALSE(QFile::exists(PathOf("copy.db")));
}

TEST_F(CliScan, AnUnreadableFolderLeavesTheCatalogueAsItWas)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    ASSERT_EQ(Run({"scan", src + "/Docs", "--into", cat}).status, 0);
    const QByteArray before = Hash(cat);
    QFile::setPermissions(src + "/Photos/2004", QFile::WriteOwner);
    const CliRun r = Run({"scan", src, "--into", cat});
    QFile::setPermissions(src + "/Photos/2004",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("2004")) << r.err.toStdString();
    EXPECT_EQ(Hash(cat), before);
}

TEST_F(CliScan, KeepGoingCataloguesWhatCannotBeReadAndSaysSo)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "runs the scan as another user, which needs root";
    // As a user who may not read one file and one folder of the tree.
    File("Music/song.mp3", 500);
    File("Locked/x.txt", 1);
    ASSERT_TRUE(QFile::setPermissions(src + "/Music/song.mp3", {}));
    ASSERT_TRUE(QFile::setPermissions(src + "/Locked",
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
    const CliRun stopped = RunAsNobody({"scan", src, "--into", cat});
    EXPECT_EQ(stopped.status, 2) << stopped.err.toStdString();
    EXPECT_FALSE(QFile::exists(cat));

    const CliRun r = RunAsNobody({"scan", src, "--into", cat, "--keep-going"});
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Файлов, которые не удалось прочитать: 1.\n"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(src + "/Music/song.mp3\n"));
    EXPECT_TRUE(r.err.contains("Папок, содержимое которых не удалось прочитать: 1.\n"));
    EXPECT_TRUE(r.err.contains(src + "/Locked/\n"));
    // Its tags unread; the name still gives what a media file's name gives.
    EXPECT_TRUE(Rows().contains("Disc\tMusic\\song.mp3\t\tsong\t\t500\t"))
        << Rows().join('\n').toStdString();
    EXPECT_TRUE(Tree().contains("\t\tLocked\n"));

    // With nothing left out the status is 0.
    ASSERT_TRUE(
        QFile::setPermissions(src + "/Music/song.mp3", QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(src + "/Locked", QFileDevice::Permissions(0x7755)));
    EXPECT_EQ(RunAsNobody({"scan", src, "--into", PathOf("all.db"), "--keep-going"}).status, 0);
}

TEST_F(CliScan, AFolderThatTakesNoNewFileIsNamedBeforeTheWork)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "runs as another user, which needs root";
    ASSERT_EQ(Run({"scan", src, "--into", cat}).status, 0);
    // A writable catalogue in a folder its user may not write: the new file
    // cannot be made beside it.
    const QString locked = PathOf("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(QFile::copy(cat, locked + "/cat.db"));
    const auto all = QFileDevice::Permissions(0x7777);
    const auto readable = QFileDevice::Permissions(0x7755);
    ASSERT_TRUE(QFile::setPermissions(locked + "/cat.db", QFileDevice::Permissions(0x6666)));
    ASSERT_TRUE(QFile::setPermissions(locked, readable));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), all));
    ASSERT_TRUE(QFile::setPermissions(cat, QFileDevice::Permissions(0x6644)));
    for (const QStringList &args : {QStringList{"scan", src, "--into", locked + "/cat.db"},
                                    QStringList{"merge", cat, "--into", locked + "/cat.db"}}) {
        const CliRun r = RunAsNobody(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "qubrix-cli: " + locked + ": нет прав на запись в папку\n");
    }
    // A catalogue its user may not write, in a folder it may.
    const CliRun file = RunAsNobody({"merge", cat, "--into", cat});
    EXPECT_EQ(file.status, 2);
    EXPECT_EQ(file.err, "qubrix-cli: " + cat + ": нет прав на запись в файл\n");
}

TEST_F(CliScan, TagsOfOtherFormatsAreReadUnlessSwitchedOff)
{
    QDir(src).removeRecursively();
    QDir().mkpath(src);
    ASSERT_TRUE(WriteAudioSample(src + "/song.flac", TSampleFormat::Flac,
                                 {QStringLiteral("Кино"), "Song", 1990, "Comment"}));
    const int size = int(QFileInfo(src + "/song.flac").size());
    ASSERT_EQ(Run({"scan", src, "--into", cat}).status, 0);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("Disc\tsong.flac\tКино\tSong\t1990\t%1\tComment")
                                       .arg(size)}));
    ASSERT_TRUE(QFile::remove(cat));
    ASSERT_EQ(Run({"scan", src, "--into", cat, "--no-extra-tags"}).status, 0);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("Disc\tsong.flac\t\t\t\t%1\t").arg(size)}));
}

} // namespace
} // namespace qbx::test
