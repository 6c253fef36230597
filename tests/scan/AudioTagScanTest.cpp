// A scan of a folder of tagged audio files of many formats, with the reader
// of other formats' tags on and off.
#include "ScanFixture.h"

#include "TagFiles.h"
#include "support/AudioSamples.h"

namespace qbx::test {
namespace {

struct ScanTexts {
    QString producer, product, version, description;
};

class AudioTagScan : public ScanFixture {
protected:
    void SetUp() override
    {
        Folder("M");
        settings.TerminalSize = false;
        Write("a.flac", TSampleFormat::Flac, {"Artist A", "Song A", 2001, "Flac"});
        Write("b.ogg", TSampleFormat::OggVorbis,
              {QStringLiteral("Кино"), QStringLiteral("Звезда"), 1989, {}});
        Write("c.m4a", TSampleFormat::Mp4, {QStringLiteral("Café Tacvba"), "Eres", 2003, {}});
        Write("d.opus", TSampleFormat::Opus, {"Opus Artist", {}, 0, "Opus comment"});
        Write("new.mp3", TSampleFormat::Mp3v24, {"V24 Artist", "V24 Title", 2020, {}});
        // The name rule would give "Band" and "Name"; the tag gives an artist
        // and a title the catalogue cannot hold.
        Write("Band - Name.ogg", TSampleFormat::OggVorbis,
              {"Tagged Band", QStringLiteral("夜に駆ける"), 0, {}});
        // No tag: the name rule, as ever.
        File("M/Band - Plain.wav", 0, SampleSkeleton(TSampleFormat::Wav));
        // A version 2.3 tag in 1251 bytes: the ID3 reader's values exactly.
        File("M/old.mp3", 0,
             Id3v23Tag(Id3TextFrame("TPE1", QStringLiteral("Старый")) +
                       Id3TextFrame("TIT2", QStringLiteral("  Трек  "))) +
                 Audio(500));
    }

    void Write(const char *name, TSampleFormat format, const TSampleTags &tags)
    {
        ASSERT_TRUE(WriteAudioSample(FolderPath("M") + QString::fromUtf8(name), format, tags));
    }

    void Expect(const char *name, const ScanTexts &want)
    {
        SCOPED_TRACE(name);
        const TTreeNode *node = Node(QStringLiteral("CD\\M\\") + QString::fromUtf8(name));
        ASSERT_NE(node, nullptr);
        ASSERT_NE(node->Description(), nullptr);
        EXPECT_EQ(node->Description()->Producer, want.producer);
        EXPECT_EQ(node->Description()->Product, want.product);
        EXPECT_EQ(node->Description()->Version, want.version);
        EXPECT_EQ(node->Description()->Description, want.description);
        EXPECT_GT(node->Description()->Size, 0);
    }
};

TEST_F(AudioTagScan, TagsOfEveryFormatAreStored)
{
    Scan(Disc(QStringLiteral("CD")), "M");
    Expect("a.flac", {"Artist A", "Song A", "2001", "Flac"});
    Expect("b.ogg", {QStringLiteral("Кино"), QStringLiteral("Звезда"), "1989", ""});
    Expect("c.m4a", {"Cafe Tacvba", "Eres", "2003", ""});
    Expect("d.opus", {"Opus Artist", "", "", "Opus comment"});
    Expect("new.mp3", {"V24 Artist", "V24 Title", "2020", ""});
    Expect("Band - Name.ogg", {"Tagged Band", "", "", ""});
    Expect("Band - Plain.wav", {"Band", "Plain", "", ""});
    Expect("old.mp3", {QStringLiteral("Старый"), QStringLiteral("Трек"), "", ""});
}

TEST_F(AudioTagScan, SwitchedOffTheScanIsAsBefore)
{
    settings.ExtraTags = false;
    Scan(Disc(QStringLiteral("CD")), "M");
    // FLAC and Opus are not media names: a size only.
    for (const char *name : {"a.flac", "d.opus"})
        Expect(name, {});
    Expect("b.ogg", {"", "b", "", ""});
    Expect("c.m4a", {"", "c", "", ""});
    Expect("new.mp3", {"", "new", "", ""});
    Expect("Band - Name.ogg", {"Band", "Name", "", ""});
    Expect("Band - Plain.wav", {"Band", "Plain", "", ""});
    Expect("old.mp3", {QStringLiteral("Старый"), QStringLiteral("Трек"), "", ""});
}

TEST_F(AudioTagScan, RecognitionOffReadsNoTags)
{
    settings.AutoDescr = false;
    settings.AutoSize = false;
    Scan(Disc(QStringLiteral("CD")), "M");
    EXPECT_EQ(Node(QStringLiteral("CD\\M\\a.flac"))->Description(), nullptr);
    EXPECT_EQ(Node(QStringLiteral("CD\\M\\new.mp3"))->Description(), nullptr);
}

} // namespace
} // namespace qbx::test
