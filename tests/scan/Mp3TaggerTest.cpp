// MP3 files tagged by independent writers installed from Debian: the id3v2
// command and the Python mutagen library. Skipped when they are missing.
#include "TagFiles.h"

#include "scan/Mp3Tags.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::test;

namespace {

bool RunTool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return false;
    if (p.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return p.exitCode() == 0;
}

QString Id3v2Tool()
{
    return QStandardPaths::findExecutable(QStringLiteral("id3v2"));
}

// The system's Python with mutagen, or "" when there is none.
QString MutagenPython()
{
    for (const QString &python : {QStringLiteral("/usr/bin/python3"),
                                  QStandardPaths::findExecutable(QStringLiteral("python3"))}) {
        if (python.isEmpty() || !QFile::exists(python))
            continue;
        QProcess p;
        p.start(python, {QStringLiteral("-c"), QStringLiteral("import mutagen.id3")});
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return python;
    }
    return {};
}

// Writes tags with mutagen. Texts go in as 1251 bytes behind encoding 0, the
// way single-byte tags of Cyrillic music are found in the wild.
const char *kMutagenScript = R"PY(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TYER, COMM, APIC, TALB
path, version, encoding, v1, picture, title, artist, year, comment = sys.argv[1:10]
def text(s):
    return s.encode('cp1251').decode('latin-1') if encoding == '0' else s
tags = ID3()
enc = int(encoding)
if picture == '1':
    tags.add(APIC(encoding=0, mime='image/png', type=3, desc='', data=b'\x89PNG' * 10))
tags.add(TALB(encoding=enc, text=text('Album')))
if title: tags.add(TIT2(encoding=enc, text=text(title)))
if artist: tags.add(TPE1(encoding=enc, text=text(artist)))
if year: tags.add(TYER(encoding=enc, text=text(year)))
if comment: tags.add(COMM(encoding=enc, lang='rus', desc='', text=text(comment)))
tags.save(path, v2_version=int(version), v1=int(v1))
)PY";

class Tagger : public ::testing::Test {
protected:
    QString NewMp3() { return files.Write(QStringLiteral("tagged.mp3"), Audio(20000)); }

    TProductInfo Mutagen(const QStringList &settings, const QStringList &texts)
    {
        const QString python = MutagenPython();
        if (python.isEmpty())
            return {};
        const QString path = NewMp3();
        EXPECT_TRUE(RunTool(python, QStringList{QStringLiteral("-c"), kMutagenScript, path} +
                                        settings + texts));
        return ReadMp3Tags(path);
    }

    TempFiles files;
};

#define REQUIRE_MUTAGEN()                                                                          \
    if (MutagenPython().isEmpty())                                                                 \
    GTEST_SKIP() << "python3-mutagen is not installed"

#define REQUIRE_ID3V2()                                                                            \
    if (Id3v2Tool().isEmpty())                                                                     \
    GTEST_SKIP() << "id3v2 is not installed"

const QStringList kCyrillic = {QStringLiteral("Последний герой"), QStringLiteral("Кино"),
                               QStringLiteral("1989"), QStringLiteral("Первая сторона")};

} // namespace

TEST_F(Tagger, Id3v2CommandTagsAreRead)
{
    REQUIRE_ID3V2();
    // Both versions, then version 1 only.
    QString path = NewMp3();
    ASSERT_TRUE(RunTool(Id3v2Tool(), {"-a", "Aquarium", "-t", "Train on Fire", "-y", "1988", "-c",
                                      "Radio Africa", path}));
    TProductInfo info = ReadMp3Tags(path);
    EXPECT_TRUE(info.Recognised);
    EXPECT_EQ(info.Producer, "Aquarium");
    EXPECT_EQ(info.Product, "Train on Fire");
    EXPECT_EQ(info.Version, "1988");
    EXPECT_EQ(info.Description, "Radio Africa");

    path = NewMp3();
    ASSERT_TRUE(RunTool(Id3v2Tool(), {"--id3v1-only", "-a", "Solo", "-t", "One", path}));
    info = ReadMp3Tags(path);
    EXPECT_EQ(info.Producer, "Solo");
    EXPECT_EQ(info.Product, "One");
    EXPECT_EQ(info.Version, "");
}

TEST_F(Tagger, Id3v2CommandCommentWithDescriptionAndLanguage)
{
    REQUIRE_ID3V2();
    const QString path = NewMp3();
    ASSERT_TRUE(RunTool(Id3v2Tool(),
                        {"--id3v2-only", "-t", "Song", "-c", "Short:The long comment:eng", path}));
    const TProductInfo info = ReadMp3Tags(path);
    EXPECT_EQ(info.Product, "Song");
    EXPECT_EQ(info.Description, "The long comment");
    EXPECT_EQ(info.Producer, "");
}

TEST_F(Tagger, MutagenVersionTwoThreeTagsInCp1251)
{
    REQUIRE_MUTAGEN();
    const TProductInfo info = Mutagen({"3", "0", "0", "0"}, kCyrillic);
    EXPECT_TRUE(info.Recognised);
    EXPECT_EQ(info.Product, kCyrillic[0]);
    EXPECT_EQ(info.Producer, kCyrillic[1]);
    EXPECT_EQ(info.Version, kCyrillic[2]);
    EXPECT_EQ(info.Description, kCyrillic[3]);
}

TEST_F(Tagger, MutagenVersionOneFillsWhatVersionTwoLacks)
{
    REQUIRE_MUTAGEN();
    // Title and artist only in version 2, all four in version 1.
    TProductInfo info = Mutagen({"3", "0", "2", "0"}, {"Title", "Artist", "1977", "Comment"});
    EXPECT_EQ(info.Product, "Title");
    EXPECT_EQ(info.Version, "1977");
    EXPECT_EQ(info.Description, "Comment");

    // Version 2.4 is not read: what is seen comes from the version 1 block.
    info = Mutagen({"4", "0", "2", "0"},
                   {"Long title that version one cuts at thirty", "A", "1999", "C"});
    EXPECT_EQ(info.Product, "Long title that version one cu");

    // UTF-16 texts of version 2.3 are left aside for the version 1 block.
    info = Mutagen({"3", "1", "2", "0"}, {"Utf", "Sixteen", "2005", "Text"});
    EXPECT_EQ(info.Product, "Utf");
    EXPECT_EQ(info.Producer, "Sixteen");
    EXPECT_EQ(info.Version, "2005");
}

TEST_F(Tagger, MutagenTagLargerThanTheBufferIsCut)
{
    REQUIRE_MUTAGEN();
    // The title (written first) runs past the 1024 bytes examined: it is cut
    // there, and the artist after it is not seen, so version 1 gives it.
    const QString longTitle = QStringLiteral("Песня").repeated(400);
    const TProductInfo info = Mutagen({"3", "0", "2", "1"}, {longTitle, "Artist", "2000", "C"});
    // 1024 bytes less the title frame's header and its encoding byte.
    EXPECT_EQ(info.Product, longTitle.left(1024 - 11));
    EXPECT_EQ(info.Producer, "Artist");
    EXPECT_EQ(info.Version, "2000");
}
