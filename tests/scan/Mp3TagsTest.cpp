#include "TagFiles.h"

#include "scan/Mp3Tags.h"
#include "scan/TInOutError.h"

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::test;

namespace {

struct Texts {
    QString producer, product, version, description;
};

void ExpectTexts(const TProductInfo &info, const Texts &want)
{
    EXPECT_EQ(info.Producer, want.producer);
    EXPECT_EQ(info.Product, want.product);
    EXPECT_EQ(info.Version, want.version);
    EXPECT_EQ(info.Description, want.description);
    EXPECT_EQ(info.Recognised,
              !(want.producer + want.product + want.version + want.description).isEmpty());
}

std::string Comment(std::string_view language, const QString &shortDescription, const QString &text)
{
    return Id3Frame("COMM", std::string(1, '\0') + std::string(language) +
                                Cp1251(shortDescription) + '\0' + Cp1251(text));
}

std::string AllFourFrames()
{
    return Id3TextFrame("TPE1", QStringLiteral("Кино")) +
           Id3TextFrame("TIT2", QStringLiteral("Группа крови")) +
           Id3TextFrame("TYER", QStringLiteral("1988")) +
           Comment("rus", QString(), QStringLiteral("Альбом 1988 года"));
}

const std::string kV1 = Id3v1Block(QStringLiteral("Title v1"), QStringLiteral("Artist v1"),
                                   QStringLiteral("2001"), QStringLiteral("Comment v1"));
const Texts kV1Texts{"Artist v1", "Title v1", "2001", "Comment v1"};

class Mp3Tags : public ::testing::Test {
protected:
    TProductInfo Read(const std::string &bytes)
    {
        return ReadMp3Tags(files.Write(QStringLiteral("song.mp3"), bytes));
    }
    TempFiles files;
};

} // namespace

TEST_F(Mp3Tags, VersionTwoThreeAloneVersionOneAloneAndBoth)
{
    const Texts v2{"Кино", "Группа крови", "1988", "Альбом 1988 года"};
    ExpectTexts(Read(Id3v23Tag(AllFourFrames(), 300) + Audio()), v2);
    // With all four texts in version 2, the version 1 block is not used.
    ExpectTexts(Read(Id3v23Tag(AllFourFrames()) + Audio() + kV1), v2);

    ExpectTexts(Read(Audio() + kV1), kV1Texts);

    // Version 2 wins for the texts it has; version 1 fills the rest.
    ExpectTexts(Read(Id3v23Tag(Id3TextFrame("TIT2", QStringLiteral("Звезда")) +
                               Id3TextFrame("TPE1", QStringLiteral("Кино")) +
                               Id3Frame("TALB", std::string("\0Album", 6))) +
                     Audio() + kV1),
                {"Кино", "Звезда", "2001", "Comment v1"});
}

TEST_F(Mp3Tags, OnlyVersionTwoThreeZeroHeadersAreRead)
{
    const std::string frames = AllFourFrames();
    for (const auto &[major, revision] : {std::pair{4, 0}, {2, 0}, {3, 1}, {5, 0}}) {
        const std::string tag = Id3Header(major, revision, std::uint32_t(frames.size())) + frames;
        ExpectTexts(Read(tag + Audio() + kV1), kV1Texts);
        ExpectTexts(Read(tag + Audio()), {});
    }
    // Three-letter frames of a version 2.2 tag.
    const std::string v22 = Id3Frame("TT2", "\0Title") + Id3Frame("TP1", "\0Artist");
    ExpectTexts(Read(Id3Header(2, 0, std::uint32_t(v22.size())) + v22 + Audio()), {});
}

TEST_F(Mp3Tags, CommentFramesGiveJustTheirText)
{
    auto description = [&](const std::string &frame) {
        return Read(Id3v23Tag(frame) + Audio()).Description;
    };
    EXPECT_EQ(description(Comment("eng", QString(), QStringLiteral("Just this"))), "Just this");
    EXPECT_EQ(description(Comment("rus", QStringLiteral("кратко"), QStringLiteral("Текст"))),
              QStringLiteral("Текст"));
    EXPECT_EQ(description(Comment(std::string_view("\0\0\0", 3), QString(), "No language")),
              "No language");
    EXPECT_EQ(description(Comment("eng", QString(), QStringLiteral("Line one\r\nline two\r\n"))),
              "Line one line two");
    EXPECT_EQ(description(Comment("eng", QString(), QStringLiteral(" a\r\n\r\nb\rc\nd "))),
              "a  b\rc\nd");
    // Texts ended by NUL terminators, as many writers store them.
    EXPECT_EQ(description(Id3Frame("COMM", std::string("\0engshort\0Terminated\0\0", 22))),
              "Terminated");
}

TEST_F(Mp3Tags, EmptyFramesLeaveTheirTextToVersionOne)
{
    const std::string emptyTexts = Id3Frame("TIT2", "") + Id3Frame("TPE1", std::string(1, '\0')) +
                                   Id3Frame("TYER", std::string("\0\0", 2)) +
                                   Id3Frame("COMM", std::string("\0eng\0", 5)) +
                                   Id3TextFrame("TCON", "Rock");
    ExpectTexts(Read(Id3v23Tag(emptyTexts) + Audio() + kV1), kV1Texts);
    ExpectTexts(Read(Id3v23Tag(emptyTexts) + Audio()), {});
    // UTF-16 texts are not decoded: they do not fill anything with byte soup.
    const std::string utf16 = Id3Frame("TIT2", std::string("\x01\xFF\xFET\0i\0t\0", 9));
    ExpectTexts(Read(Id3v23Tag(utf16) + Audio() + kV1), kV1Texts);
}

TEST_F(Mp3Tags, LaterFrameWinsAndUnknownFramesAreSkipped)
{
    const std::string frames = Id3TextFrame("TIT2", "First") + Id3TextFrame("TXXX", "x") +
                               Id3Frame("APIC", std::string(300, '\xAB')) +
                               Id3TextFrame("TIT2", "Second");
    EXPECT_EQ(Read(Id3v23Tag(frames, 20) + Audio()).Product, "Second");
}

TEST_F(Mp3Tags, OnlyTheFirst1024BytesOfALargeTagAreExamined)
{
    // TIT2 at the start, a picture frame, then TPE1 crossing byte 1024 of the
    // tag and TYER wholly beyond it.
    const std::string title = Id3TextFrame("TIT2", "Seen");
    const std::string picture = Id3Frame("APIC", std::string(980 - title.size() - 10, 'p'));
    const std::string artist = Id3TextFrame("TPE1", QString(100, QChar(u'A')));
    const std::string year = Id3TextFrame("TYER", "1999");
    const std::string frames = title + picture + artist + year;
    ASSERT_GT(frames.size(), 1024u);

    const TProductInfo info = Read(Id3v23Tag(frames, 2000) + Audio() + kV1);
    EXPECT_EQ(info.Product, "Seen");
    // The frame's data starts at 980 + 10 and its text byte 0 is the encoding:
    // 1024 - 991 = 33 letters are left within the buffer.
    EXPECT_EQ(info.Producer, QString(33, QChar(u'A')));
    EXPECT_EQ(info.Version, "2001");
}

TEST_F(Mp3Tags, SizeBytesAreTakenWhole)
{
    // Size bytes 0, 0, 0, 0xC8 count as 200 bytes, not as 72.
    std::string frames = Id3TextFrame("TIT2", "Title") + Id3Frame("PRIV", std::string(80, 'z')) +
                         Id3TextFrame("TPE1", "Artist");
    frames.resize(200, '\0');
    std::string header = Id3Header(3, 0, 0);
    header[9] = char(0xC8);
    const TProductInfo info = Read(header + frames + Audio());
    EXPECT_EQ(info.Product, "Title");
    EXPECT_EQ(info.Producer, "Artist");
}

TEST_F(Mp3Tags, TruncatedAndMalformedTagsNeverCrashOrHang)
{
    const std::string frames = AllFourFrames();
    const std::string tag = Id3v23Tag(frames);
    // The file ends before the tag does: the version 2 tag is not used at all.
    ExpectTexts(Read(tag.substr(0, tag.size() - 1)), {});
    ExpectTexts(Read(tag.substr(0, 10)), {});
    ExpectTexts(Read("ID3\x03"), {});
    ExpectTexts(Read(std::string()), {});

    // A frame header that runs past the tag is not taken.
    const std::string cutHeader = Id3TextFrame("TIT2", "Ok") + std::string("TPE1\0\0", 6);
    ExpectTexts(Read(Id3v23Tag(cutHeader) + Audio()), {"", "Ok", "", ""});

    // A frame larger than the tag is cut at the end of the bytes read and ends the walk.
    std::string huge = Id3TextFrame("TIT2", "Cut here");
    huge[4] = huge[5] = huge[6] = huge[7] = char(0xFF);
    ExpectTexts(Read(Id3v23Tag(huge + " up to the end") + Audio()),
                {"", "Cut here up to the end", "", ""});

    // A zero-length tag and a tag of nothing but padding.
    ExpectTexts(Read(Id3v23Tag("") + Audio() + kV1), kV1Texts);
    ExpectTexts(Read(Id3v23Tag("", 1024) + Audio()), {});
}

TEST_F(Mp3Tags, VersionOneNeedsAFileLongerThanItsBlock)
{
    ExpectTexts(Read(kV1), {});
    ExpectTexts(Read("x" + kV1), kV1Texts);
    ExpectTexts(Read(Audio() + "TAB" + kV1.substr(3)), {});
    // Cyrillic in 1251 and a track number byte after the comment.
    std::string block = Id3v1Block(QStringLiteral("Песня"), QStringLiteral("Певец"),
                                   QStringLiteral("1990"), QStringLiteral("Коммент"));
    block[125] = '\0';
    block[126] = char(7);
    ExpectTexts(Read(Audio() + block), {"Певец", "Песня", "1990", "Коммент"});
}

TEST_F(Mp3Tags, UnreadableFileRaisesInputOutputError)
{
    const QString missing = files.Path(QStringLiteral("missing.mp3"));
    try {
        ReadMp3Tags(missing);
        ADD_FAILURE() << "no error raised";
    } catch (const TInOutError &e) {
        EXPECT_EQ(e.FileName(), missing);
    }
    // A folder named like an MP3 file cannot be read either.
    EXPECT_THROW(ReadMp3Tags(files.Path(QString())), TInOutError);
}

TEST(CleanTagText, ClampsTheRangeIntoTheBuffer)
{
    std::string buffer(kTagBufferSize, 'm');
    buffer.replace(0, 5, "start");
    buffer.replace(1019, 5, "final");
    EXPECT_EQ(CleanTagText(buffer, 0, 5, false), "start");
    EXPECT_EQ(CleanTagText(buffer, -3, 8, false), "start");
    EXPECT_EQ(CleanTagText(buffer, 1019, 500, false), "final");
    EXPECT_EQ(CleanTagText(buffer, 5000, 10, false), "l");
    EXPECT_EQ(CleanTagText(buffer, 2, 0, false), "a");
    EXPECT_EQ(CleanTagText(buffer, 2, -7, false), "a");
    EXPECT_EQ(CleanTagText(buffer, -100, 50, false), "s");
}

TEST(CleanTagText, CleaningDropsHeadersTrimsAndJoinsLines)
{
    auto clean = [](std::string_view text) {
        std::string buffer(text);
        buffer.resize(kTagBufferSize, 'X');
        return CleanTagText(buffer, 0, qint64(text.size()), true);
    };
    EXPECT_EQ(clean(std::string_view("\0Title", 6)), "Title");
    EXPECT_EQ(clean(std::string_view("\0eng\0Text", 9)), "Text");
    EXPECT_EQ(clean(std::string_view("\0a\0b\0c", 6)), "c");
    EXPECT_EQ(clean(std::string_view("a\0b", 3)), QString::fromLatin1("a\0b", 3));
    EXPECT_EQ(clean(std::string_view("\0\0\0", 3)), "");
    EXPECT_EQ(clean("\x01\x1F  two\r\nlines \t\r\n"), "two lines");
    EXPECT_EQ(clean("\xCF\xF0\xE8\xE2\xE5\xF2"), QStringLiteral("Привет"));
    std::string raw("\0 x ", 4);
    raw.resize(kTagBufferSize, 'X');
    EXPECT_EQ(CleanTagText(raw, 0, 4, false), QString::fromLatin1("\0 x ", 4));
}
