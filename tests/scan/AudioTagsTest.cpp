// The TagLib reader on small files of every format it reads, made here.
#include "TagFiles.h"
#include "support/AudioSamples.h"

#include "scan/AudioTags.h"
#include "scan/TInOutError.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::test;

namespace {

class AudioTags : public ::testing::Test {
protected:
    QString Sample(TSampleFormat format, const TSampleTags &tags, int audioBytes = 2000)
    {
        const QString path = files.Path(QStringLiteral("sample%1%2")
                                            .arg(++count)
                                            .arg(SampleExtension(format)));
        EXPECT_TRUE(WriteAudioSample(path, format, tags, audioBytes)) << SampleName(format);
        return path;
    }
    static std::string Bytes(const QString &path)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll().toStdString();
    }

    TempFiles files;
    int count = 0;
};

} // namespace

TEST_F(AudioTags, EveryFormatGivesItsFourTextsReadingOnlyTheTags)
{
    const TSampleTags tags{QStringLiteral("Кино"), QStringLiteral("Группа крови"), 1988,
                           QStringLiteral("Первая сторона")};
    for (const TSampleFormat format : SampleFormats()) {
        SCOPED_TRACE(SampleName(format));
        // Half a megabyte of audio that must not be read.
        const QString path = Sample(format, tags, 500000);
        int64_t bytesRead = 0;
        const TProductInfo info = ReadAudioTags(path, TTagLimits{}, &bytesRead);
        EXPECT_TRUE(info.Recognised);
        EXPECT_EQ(info.Producer, tags.artist);
        EXPECT_EQ(info.Product, tags.title);
        EXPECT_EQ(info.Version, QStringLiteral("1988"));
        EXPECT_EQ(info.Description, tags.comment);
        EXPECT_GT(bytesRead, 0);
        EXPECT_LE(bytesRead, 16384);
    }
}

TEST_F(AudioTags, TextsAreMadeFitForTheCatalogueFieldByField)
{
    // Accents go; a title the catalogue cannot hold is left out while the
    // other fields stay; line breaks become spaces.
    const TSampleTags tags{QStringLiteral("Björk"), QStringLiteral("夜に駆ける"), 0,
                           QStringLiteral(" first line\r\nsecond\nthird\t ")};
    for (const TSampleFormat format : {TSampleFormat::Flac, TSampleFormat::Mp4,
                                       TSampleFormat::Asf, TSampleFormat::Mp3v24}) {
        SCOPED_TRACE(SampleName(format));
        const TProductInfo info = ReadAudioTags(Sample(format, tags));
        EXPECT_TRUE(info.Recognised);
        EXPECT_EQ(info.Producer, QStringLiteral("Bjork"));
        EXPECT_EQ(info.Product, QString());
        EXPECT_EQ(info.Version, QString());
        EXPECT_EQ(info.Description, QStringLiteral("first line second third"));
    }
    // Only texts nothing can store: not recognised.
    EXPECT_FALSE(ReadAudioTags(Sample(TSampleFormat::OggVorbis,
                                      {QStringLiteral("🎸"), QStringLiteral("曲"), 0, {}}))
                     .Recognised);
}

TEST_F(AudioTags, UntaggedUnknownAndDamagedFilesAreNotRecognised)
{
    for (const TSampleFormat format : SampleFormats()) {
        SCOPED_TRACE(SampleName(format));
        EXPECT_FALSE(ReadAudioTags(files.Write(QStringLiteral("bare") + SampleExtension(format),
                                               SampleSkeleton(format)))
                         .Recognised);
    }

    // A name says FLAC, the contents say nothing known: only the head is read
    // (one window of the reader).
    int64_t bytesRead = 0;
    EXPECT_FALSE(ReadAudioTags(files.Write("zeros.flac", std::string(1 << 20, '\0')), TTagLimits{},
                               &bytesRead)
                     .Recognised);
    EXPECT_LE(bytesRead, 4096);
    EXPECT_FALSE(ReadAudioTags(files.Write("empty.ogg", "")).Recognised);

    // A FLAC file cut inside its comment block.
    const TSampleTags tags{"Artist", "Title", 2001, "Comment"};
    const std::string flac = Bytes(Sample(TSampleFormat::Flac, tags));
    const size_t comment = flac.find("Comment");
    ASSERT_NE(comment, std::string::npos);
    EXPECT_FALSE(ReadAudioTags(files.Write("cut.flac", flac.substr(0, comment))).Recognised);

    EXPECT_THROW(ReadAudioTags(files.Path("missing.flac")), TInOutError);
}

TEST_F(AudioTags, FilesEndingInsideTheirFirstBytesAreNotRecognised)
{
    // The format is told from signatures at fixed places of the head (an
    // Ogg packet's after a segment table of any length); a file that ends
    // before, inside or just after one must not be read past its end.
    const TSampleTags tags{"Artist", "Title", 2001, "Comment"};
    for (const TSampleFormat format : SampleFormats()) {
        SCOPED_TRACE(SampleName(format));
        const std::string whole = Bytes(Sample(format, tags));
        for (const size_t length : {1, 3, 4, 7, 8, 10, 11, 12, 16, 26, 27, 28, 35}) {
            SCOPED_TRACE(length);
            const QString path =
                files.Write(QStringLiteral("head%1").arg(length) + SampleExtension(format),
                            whole.substr(0, length));
            const TProductInfo info = ReadAudioTags(path);
            EXPECT_FALSE(info.Recognised) << info.Producer.toStdString() << '|'
                                          << info.Product.toStdString() << '|'
                                          << info.Version.toStdString() << '|'
                                          << info.Description.toStdString();
        }
    }
}

TEST_F(AudioTags, BlocksClaimingHugeSizesCostNoMoreThanTheFile)
{
    const TSampleTags tags{"Artist", "Title", 2001, "Comment"};
    // Every 32-bit size field of the MP4 atoms in turn claims 4 GiB.
    const std::string mp4 = Bytes(Sample(TSampleFormat::Mp4, tags));
    for (const char *atom : {"moov", "udta", "meta", "ilst", "\xA9" "ART", "data"}) {
        SCOPED_TRACE(atom);
        const size_t at = mp4.find(atom);
        ASSERT_NE(at, std::string::npos);
        std::string broken = mp4;
        broken.replace(at - 4, 4, "\xFF\xFF\xFF\xF0");
        int64_t bytesRead = 0;
        ReadAudioTags(files.Write("huge.m4a", broken), TTagLimits{}, &bytesRead);
        EXPECT_LE(bytesRead, int64_t(broken.size()) * 2);
    }
    // An ASF attribute list claims 65,535 entries in a few bytes: TagLib
    // would read (and keep) that many; the file is not handed to it.
    std::string wma = Bytes(Sample(TSampleFormat::Asf, tags));
    const size_t extended = wma.find("\x40\xA4\xD0\xD2\x07\xE3\xD2\x11");
    ASSERT_NE(extended, std::string::npos);
    wma.replace(extended + 24, 2, "\xFF\xFF");
    EXPECT_FALSE(ReadAudioTags(files.Write("many.wma", wma)).Recognised);

    // The 32-bit Vorbis comment count claims four billion comments.
    std::string ogg = Bytes(Sample(TSampleFormat::OggVorbis, tags));
    const size_t vendor = ogg.find("qbx test");
    ASSERT_NE(vendor, std::string::npos);
    ogg.replace(vendor + 8, 4, "\xFF\xFF\xFF\xFF");
    EXPECT_FALSE(ReadAudioTags(files.Write("many.ogg", ogg)).Recognised);
}

TEST_F(AudioTags, LimitsEndTheWorkAndTheTagsAreNotTaken)
{
    const QString path = Sample(TSampleFormat::Flac, {"Artist", "Title", 2001, "Comment"});
    ASSERT_TRUE(ReadAudioTags(path).Recognised);
    TTagLimits fewBytes;
    fewBytes.maxBytes = 100;
    int64_t bytesRead = 0;
    EXPECT_FALSE(ReadAudioTags(path, fewBytes, &bytesRead).Recognised);
    EXPECT_LE(bytesRead, 100);
    TTagLimits fewReads;
    fewReads.maxReads = 2;
    EXPECT_FALSE(ReadAudioTags(path, fewReads).Recognised);
    TTagLimits noTime;
    noTime.maxTime = std::chrono::milliseconds(-1);
    EXPECT_FALSE(ReadAudioTags(path, noTime).Recognised);
}

TEST(AudioTagNames, FormatsByExtensionInAnyCase)
{
    for (const char *name : {"a.flac", "b.OGG", "c.opus", "d.m4a", "e.wma", "f.ape", "g.wv",
                             "h.mpc", "i.aiff", "j.wav", "k.dsf", "l.tta", "m.spx", "n.aac"})
        EXPECT_TRUE(IsTaggedAudioName(QString::fromLatin1(name))) << name;
    for (const char *name : {"a.mp3", "flac", "b.flac.txt", "c.mid", "d"})
        EXPECT_FALSE(IsTaggedAudioName(QString::fromLatin1(name))) << name;
}
