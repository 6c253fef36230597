// MP3 files tagged by independent writers installed from Debian: the id3v2
// command and the Python mutagen library. Skipped when they are missing.
#include "TagFiles.h"

#include "scan/AudioTags.h"
#include "scan/Mp3Tags.h"
#include "support/AudioSamples.h"

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
    const bool ok =
        p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        ADD_FAILURE() << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return ok;
}

QString Id3v2Tool()
{
    return QStandardPaths::findExecutable(QStringLiteral("id3v2"));
}

// The system's Python with mutagen, or "" when there is none.
QString MutagenPython()
{
    static const QString found = [] {
        for (const QString &python : {QStringLiteral("/usr/bin/python3"),
                                      QStandardPaths::findExecutable(QStringLiteral("python3"))}) {
            QProcess p;
            p.start(python, {QStringLiteral("-c"), QStringLiteral("import mutagen.id3")});
            if (!python.isEmpty() && p.waitForFinished(30000) &&
                p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
                return python;
        }
        return QString();
    }();
    return found;
}

// Writes a tag with mutagen: version, encoding, whether to add a version 1
// block, then title, artist, year and comment (empty ones are left out).
// Encoding 0 gets 1251 bytes, the way single-byte Cyrillic tags are found.
const char *kMutagenScript = R"PY(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TYER, COMM, TALB
path, version, encoding, v1, title, artist, year, comment = sys.argv[1:9]
enc = int(encoding)
def text(s):
    return s.encode('cp1251').decode('latin-1') if enc == 0 else s
tags = ID3()
tags.add(TALB(encoding=enc, text=text('Album')))
for frame, value in ((TIT2, title), (TPE1, artist), (TYER, year)):
    if value: tags.add(frame(encoding=enc, text=text(value)))
if comment: tags.add(COMM(encoding=enc, lang='rus', desc='', text=text(comment)))
tags.save(path, v2_version=int(version), v1=2 if v1 == '1' else 0)
)PY";

struct TaggerTexts {
    QString product, producer, version, description;
};

void ExpectTaggerTexts(const TProductInfo &info, const TaggerTexts &want)
{
    EXPECT_EQ(info.Product, want.product);
    EXPECT_EQ(info.Producer, want.producer);
    EXPECT_EQ(info.Version, want.version);
    EXPECT_EQ(info.Description, want.description);
}

class Tagger : public ::testing::Test {
protected:
    QString NewMp3() { return files.Write(QStringLiteral("tagged.mp3"), Audio(20000)); }

    QString Id3v2(const QStringList &arguments)
    {
        const QString path = NewMp3();
        EXPECT_TRUE(RunTool(Id3v2Tool(), arguments + QStringList{path}));
        return path;
    }

    TProductInfo Mutagen(const QString &version, const QString &encoding, bool v1, const TaggerTexts &t,
                         std::string_view tail = {})
    {
        return ReadMp3Tags(MutagenFile(version, encoding, v1, t, tail));
    }

    QString MutagenFile(const QString &version, const QString &encoding, bool v1, const TaggerTexts &t,
                        std::string_view tail = {})
    {
        const QString path = NewMp3();
        EXPECT_TRUE(
            RunTool(MutagenPython(), {"-c", kMutagenScript, path, version, encoding, v1 ? "1" : "0",
                                      t.product, t.producer, t.version, t.description}));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::Append));
        file.write(tail.data(), qint64(tail.size()));
        file.close();
        return path;
    }

    TempFiles files;
};

} // namespace

TEST_F(Tagger, Id3v2CommandTags)
{
    if (Id3v2Tool().isEmpty())
        GTEST_SKIP() << "id3v2 is not installed";
    ExpectTaggerTexts(ReadMp3Tags(Id3v2(
                    {"-a", "Aquarium", "-t", "Train on Fire", "-y", "1988", "-c", "Radio Africa"})),
                {"Train on Fire", "Aquarium", "1988", "Radio Africa"});
    ExpectTaggerTexts(ReadMp3Tags(Id3v2({"--id3v1-only", "-a", "Solo", "-t", "One"})),
                {"One", "Solo", "", ""});
    ExpectTaggerTexts(ReadMp3Tags(Id3v2({"--id3v2-only", "-t", "Song", "-c", "Short:Long text:eng"})),
                {"Song", "", "", "Long text"});
}

TEST_F(Tagger, MutagenVersionTwoThreeWithVersionOneFillingGaps)
{
    if (MutagenPython().isEmpty())
        GTEST_SKIP() << "python3-mutagen is not installed";
    const TaggerTexts cyrillic{QStringLiteral("Последний герой"), QStringLiteral("Кино"), "1989",
                         QStringLiteral("Первая сторона")};
    EXPECT_TRUE(Mutagen("3", "0", false, cyrillic).Recognised);
    ExpectTaggerTexts(Mutagen("3", "0", false, cyrillic), cyrillic);

    // Title and artist in version 2; year and comment from a version 1 block.
    const std::string v1 = Id3v1Block("v1 title", "v1 artist", "1977", "v1 comment");
    ExpectTaggerTexts(Mutagen("3", "0", false, {"Title", "Artist", "", ""}, v1),
                {"Title", "Artist", "1977", "v1 comment"});
}

TEST_F(Tagger, MutagenOtherVersionsUtf16AndLargeTags)
{
    if (MutagenPython().isEmpty())
        GTEST_SKIP() << "python3-mutagen is not installed";
    // Version 2.4 and UTF-16 texts: what is seen comes from the version 1 block.
    ExpectTaggerTexts(
        Mutagen("4", "3", true, {"Long title that version one cuts at thirty", "A", "", ""}),
        {"Long title that version one cu", "A", "", ""});
    ExpectTaggerTexts(Mutagen("4", "3", false, {"Title", "A", "", ""}), {});
    ExpectTaggerTexts(Mutagen("3", "1", true, {"Utf", "Sixteen", "2005", "Text"}),
                {"Utf", "Sixteen", "2005", ""});

    // The title (written first) runs past the 1024 bytes examined: it is cut
    // there, 1024 bytes less its frame header and encoding byte, and the
    // artist after it comes from version 1.
    const QString longTitle = QStringLiteral("Песня").repeated(400);
    ExpectTaggerTexts(Mutagen("3", "0", true, {longTitle, "Artist", "2000", ""}),
                {longTitle.left(1024 - 11), "Artist", "2000", ""});
}

// Vorbis comments written by mutagen into FLAC, Ogg Vorbis and Opus files.
const char *kMutagenVorbisScript = R"PY(
import sys
from mutagen.flac import FLAC
from mutagen.oggvorbis import OggVorbis
from mutagen.oggopus import OggOpus
kind, path, artist, title, date, comment = sys.argv[1:7]
f = {'flac': FLAC, 'vorbis': OggVorbis, 'opus': OggOpus}[kind](path)
f['ARTIST'] = artist
f['TITLE'] = title
f['DATE'] = date
f['COMMENT'] = comment
f.save()
)PY";

TEST_F(Tagger, TagLibReadsTheMp3TagsTheId3ReaderCannot)
{
    if (MutagenPython().isEmpty())
        GTEST_SKIP() << "python3-mutagen is not installed";
    const TaggerTexts cyrillic{QStringLiteral("Последний герой"), QStringLiteral("Кино"), "1989",
                         QStringLiteral("Первая сторона")};
    // Version 2.4 with UTF-8 texts, version 2.3 with UTF-16 texts.
    for (const auto &[version, encoding] : {std::pair{"4", "3"}, {"3", "1"}}) {
        SCOPED_TRACE(std::string(version) + "/" + encoding);
        const QString path = MutagenFile(version, encoding, false, cyrillic);
        EXPECT_FALSE(ReadMp3Tags(path).Recognised);
        ExpectTaggerTexts(ReadAudioTags(path), cyrillic);
    }
}

TEST_F(Tagger, TagLibReadsMutagensVorbisComments)
{
    if (MutagenPython().isEmpty())
        GTEST_SKIP() << "python3-mutagen is not installed";
    for (const auto &[kind, format] : {std::pair{"flac", TSampleFormat::Flac},
                                       {"vorbis", TSampleFormat::OggVorbis},
                                       {"opus", TSampleFormat::Opus}}) {
        SCOPED_TRACE(kind);
        const QString path = files.Write(QStringLiteral("m") + SampleExtension(format),
                                          SampleSkeleton(format, 5000));
        ASSERT_TRUE(RunTool(MutagenPython(),
                            {"-c", kMutagenVorbisScript, kind, path, QStringLiteral("Žофия"),
                             QStringLiteral("Песня"), "2011-05-03", "Хорошая"}));
        ExpectTaggerTexts(ReadAudioTags(path), {QStringLiteral("Песня"), QStringLiteral("Zофия"), "2011",
                                          QStringLiteral("Хорошая")});
    }
}
