// Archives are made at test time by the system's archivers, so the lister is
// checked against what real tools write.
#include "scan/ArchiveLister.h"
#include "support/ArchiveTools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <unistd.h>

namespace qbx {
namespace {

class ArchiveListerTest : public testing::Test {
protected:
    // Creates a file (and its folders) under the source folder.
    void MakeFile(const QByteArray &relative, const QByteArray &bytes = "data")
    {
        const QByteArray full = QFile::encodeName(src_.path()) + '/' + relative;
        QDir().mkpath(QFileInfo(QFile::decodeName(full)).path());
        FILE *f = std::fopen(full.constData(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
        std::fclose(f);
    }

    // Runs a tool in the source folder.
    bool Run(const QString &program, const QStringList &args)
    {
        return test::RunTool(src_.path(), program, args);
    }

    QString Out(const QString &name) const { return out_.filePath(name); }

    // Each member as its whole path with '\' and a trailing '\' for folders,
    // mapped to its size.
    static std::map<QString, std::uint64_t> Paths(const TArchiveListing &listing)
    {
        std::map<QString, std::uint64_t> paths;
        std::vector<QString> full;
        for (const TArchiveMember &m : listing.Members) {
            QString path = m.Parent < 0 ? m.Name : full[size_t(m.Parent)] + u'\\' + m.Name;
            full.push_back(path);
            paths[m.Folder ? path + u'\\' : path] = m.Size;
        }
        return paths;
    }

    QTemporaryDir src_;
    QTemporaryDir out_;
};

TEST_F(ArchiveListerTest, ListsNestedFoldersOfZipAndTarGzWithImpliedFolders)
{
    MakeFile("Soft/readme.txt", "12345");
    MakeFile("Soft/bin/tool.exe", QByteArray(3000, 'x'));
    MakeFile("top.txt", "");
    // -D leaves out folder entries: the folders come only from the paths.
    ASSERT_TRUE(Run("zip", {"-qrD", Out("a.zip"), "Soft", "top.txt"}));
    ASSERT_TRUE(Run("tar", {"czf", Out("a.tar.gz"), "Soft", "top.txt"}));
    const std::map<QString, std::uint64_t> expected{{"Soft\\", 0},
                                                    {"Soft\\bin\\", 0},
                                                    {"Soft\\bin\\tool.exe", 3000},
                                                    {"Soft\\readme.txt", 5},
                                                    {"top.txt", 0}};
    for (const char *name : {"a.zip", "a.tar.gz"}) {
        const TArchiveListing listing = ListArchive(Out(name));
        EXPECT_EQ(listing.Status, TArchiveStatus::Listed) << name;
        EXPECT_EQ(Paths(listing), expected) << name;
        EXPECT_EQ(listing.SkippedNames, 0);
    }
}

TEST_F(ArchiveListerTest, ConvertsCyrillicNamesInUtf8AndDos866Zips)
{
    MakeFile(QString("Папка/Отчёт.txt").toUtf8(), "abc");
    ASSERT_TRUE(Run("zip", {"-qr", Out("utf8.zip"), "Папка"}));
    // "Файл.txt" as DOS 866 bytes, which old archivers stored without a flag.
    const QByteArray dos("\x94\xa0\xa9\xab.txt");
    MakeFile("dos/" + dos, "abcd");
    // The shell passes the bytes through untouched; the C locale keeps zip
    // from adding a Unicode name.
    QProcess p;
    p.setWorkingDirectory(src_.filePath("dos"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    env.insert("OUT", Out("dos.zip"));
    p.setProcessEnvironment(env);
    p.start("sh", {"-c", "zip -q \"$OUT\" *"});
    ASSERT_TRUE(p.waitForFinished() && p.exitCode() == 0);

    EXPECT_EQ(Paths(ListArchive(Out("utf8.zip"))),
              (std::map<QString, std::uint64_t>{{"Папка\\", 0}, {"Папка\\Отчёт.txt", 3}}));
    EXPECT_EQ(Paths(ListArchive(Out("dos.zip"))),
              (std::map<QString, std::uint64_t>{{"Файл.txt", 4}}));
    // Qt cannot name a file whose name is not UTF-8, so it is removed here.
    ::unlink((QFile::encodeName(src_.filePath("dos")) + '/' + dos).constData());
}

TEST_F(ArchiveListerTest, DamagedEncryptedAndForeignArchivesAreUnreadable)
{
    MakeFile("a/one.txt", QByteArray(20000, 'a'));
    MakeFile("a/two.txt", QByteArray(20000, 'b'));
    ASSERT_TRUE(Run("zip", {"-qr", "-P", "secret", Out("locked.zip"), "a"}));
    ASSERT_TRUE(Run("tar", {"czf", Out("full.tar.gz"), "a"}));
    QFile full(Out("full.tar.gz"));
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray bytes = full.readAll();
    QFile cut(Out("cut.tar.gz"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    QFile text(Out("text.zip"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some text, not an archive\n");
    text.close();

    for (const char *name : {"locked.zip", "cut.tar.gz", "text.zip", "missing.zip"}) {
        const TArchiveListing listing = ListArchive(Out(name));
        EXPECT_EQ(listing.Status, TArchiveStatus::Unreadable) << name;
        EXPECT_TRUE(listing.Members.empty()) << name;
    }
}

TEST_F(ArchiveListerTest, NeverOpensNestedArchivesAndCapsMembers)
{
    for (int i = 0; i < 10; ++i)
        MakeFile(QByteArray("d/f") + QByteArray::number(i));
    ASSERT_TRUE(Run("zip", {"-qr", "inner.zip", "d"}));
    ASSERT_TRUE(Run("tar", {"cf", Out("outer.tar"), "inner.zip", "d"}));

    const TArchiveListing all = ListArchive(Out("outer.tar"));
    EXPECT_EQ(all.Status, TArchiveStatus::Listed);
    EXPECT_EQ(all.Members.size(), 12u); // inner.zip, d and its ten files
    EXPECT_EQ(Paths(all).count("inner.zip"), 1u);

    TArchiveLimits limits;
    limits.MaxMembers = 5;
    const TArchiveListing capped = ListArchive(Out("outer.tar"), limits);
    EXPECT_EQ(capped.Status, TArchiveStatus::Capped);
    EXPECT_EQ(capped.Members.size(), 5u);

    bool asked = false;
    const TArchiveListing stopped = ListArchive(Out("outer.tar"), {}, [&asked] {
        asked = true;
        return true;
    });
    EXPECT_TRUE(asked);
    EXPECT_EQ(stopped.Status, TArchiveStatus::Stopped);
}

TEST_F(ArchiveListerTest, SkipsNamesTheCatalogueCannotHold)
{
    MakeFile(QString("ok.txt").toUtf8());
    MakeFile(QString("漢字.txt").toUtf8());
    MakeFile(QByteArray(200, 'n') + QByteArray("/") + QByteArray(200, 'm'));
    ASSERT_TRUE(Run("tar", {"cf", Out("names.tar"), "."}));
    TArchiveLimits limits;
    limits.MaxNameLength = 150;
    const TArchiveListing listing = ListArchive(Out("names.tar"), limits);
    EXPECT_EQ(listing.Status, TArchiveStatus::Listed);
    EXPECT_EQ(Paths(listing), (std::map<QString, std::uint64_t>{{"ok.txt", 4}}));
    EXPECT_EQ(listing.SkippedNames, 3); // the Chinese name, the long folder and its file
}

TEST_F(ArchiveListerTest, NamesEqualIgnoringCaseAndUnreadableNamesAreLeftOutAndTold)
{
    // A zip made elsewhere: two files and two folders whose names differ only
    // in letter case, and a name that claims to be UTF-8 but is not.
    MakeFile("Readme.txt");
    MakeFile("README.TXT", "longer data");
    MakeFile("Docs/a.txt");
    MakeFile("docs/b.txt");
    MakeFile("badXX.txt");
    ASSERT_TRUE(Run("zip", {"-q", "-r", Out("case.zip"), "Readme.txt", "README.TXT", "Docs", "docs",
                            "badXX.txt"}));
    QFile zip(Out("case.zip"));
    ASSERT_TRUE(zip.open(QIODevice::ReadWrite));
    QByteArray bytes = zip.readAll();
    // Mark every name as UTF-8 (general purpose flag bit 11) and break one.
    for (qsizetype at = 0; (at = bytes.indexOf("PK\x01\x02", at)) >= 0; at += 4)
        bytes[at + 9] = char(bytes[at + 9] | 0x08);
    for (qsizetype at = 0; (at = bytes.indexOf("PK\x03\x04", at)) >= 0; at += 4)
        bytes[at + 7] = char(bytes[at + 7] | 0x08);
    bytes.replace("badXX", "bad\xFF\xFE");
    zip.seek(0);
    zip.write(bytes);
    zip.close();

    const TArchiveListing listing = ListArchive(Out("case.zip"));
    EXPECT_EQ(listing.Status, TArchiveStatus::Listed);
    const auto paths = Paths(listing);
    EXPECT_EQ(paths.size(), 3u); // one of each pair, and the folder's file
    EXPECT_EQ(paths.count("Readme.txt"), 1u);
    EXPECT_EQ(paths.count("Docs\\"), 1u);
    // The second folder's own entry and its file are told one by one.
    EXPECT_EQ(listing.SkippedNames, 4);
    ASSERT_EQ(listing.SkippedPaths.size(), 4u);
    EXPECT_EQ(listing.SkippedPaths[0], QStringLiteral("README.TXT"));
    EXPECT_EQ(listing.SkippedPaths[1], QStringLiteral("docs/"));
    EXPECT_EQ(listing.SkippedPaths[2], QStringLiteral("docs/b.txt"));
    EXPECT_TRUE(listing.SkippedPaths[3].startsWith(QStringLiteral("bad")) ||
                listing.SkippedPaths[3] == QString(QChar::ReplacementCharacter))
        << listing.SkippedPaths[3].toStdString();
}

TEST_F(ArchiveListerTest, KeepsSizesAbove4GiB)
{
    const QString big = src_.filePath("big.bin");
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(5LL * 1024 * 1024 * 1024));
    f.close();
    ASSERT_TRUE(Run("tar", {"--sparse", "-czf", Out("big.tar.gz"), "big.bin"}));
    const TArchiveListing listing = ListArchive(Out("big.tar.gz"));
    EXPECT_EQ(listing.Status, TArchiveStatus::Listed);
    EXPECT_EQ(Paths(listing), (std::map<QString, std::uint64_t>{{"big.bin", 5ULL << 30}}));
}

} // namespace
} // namespace qbx
