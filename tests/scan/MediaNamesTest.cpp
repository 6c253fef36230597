#include "scan/MediaNames.h"

#include <gtest/gtest.h>

#include <span>

using namespace qbx;

TEST(MediaNames, PerformerAndTitleComeFromTheName)
{
    auto split = [](const QString &name) {
        const TMediaName m = SplitMediaName(name);
        return std::pair{m.Producer, m.Product};
    };
    EXPECT_EQ(split(QStringLiteral("ДДТ - Осень.ogg")),
              std::pair(QStringLiteral("ДДТ"), QStringLiteral("Осень")));
    EXPECT_EQ(split("A - B - C.mp3"), std::pair(QString("A"), QString("B - C")));
    EXPECT_EQ(split("Mr. X - Song.v2.wav"), std::pair(QString("Mr. X"), QString("Song.v2")));
    EXPECT_EQ(split("track.wav"), std::pair(QString(), QString("track")));
    EXPECT_EQ(split("No extension - here"), std::pair(QString("No extension"), QString("here")));
    EXPECT_EQ(split("dash-without-blanks.mid"),
              std::pair(QString(), QString("dash-without-blanks")));
    EXPECT_EQ(split(" - .ogg"), std::pair(QString(), QString()));
}

TEST(MediaNames, ExtensionsAreComparedLowerCased)
{
    const auto &list = MediaExtensions();
    EXPECT_EQ(list.front(), QLatin1StringView(".mp3"));
    EXPECT_EQ(list.back(), QLatin1StringView(".xmz"));
    EXPECT_TRUE(IsMediaName("SONG.MP3"));
    EXPECT_TRUE(IsMediaName("Tune.MiDi"));
    EXPECT_TRUE(IsMediaName("album.2001.ogg"));
    EXPECT_FALSE(IsMediaName("song.mp3.zip"));
    EXPECT_FALSE(IsMediaName("song.flac"));
    EXPECT_FALSE(IsMediaName("mp3"));
    EXPECT_FALSE(IsMediaName("song."));
    EXPECT_FALSE(IsMediaName(""));
    EXPECT_TRUE(HasExtension(u"A.B.MP3", QLatin1StringView(".mp3")));
    EXPECT_FALSE(HasExtension(u"A.mp3.B", QLatin1StringView(".mp3")));
    EXPECT_FALSE(HasExtension(u"mp3", QLatin1StringView(".mp3")));
}

// The quick letter-by-letter test must agree with the general comparison
// ignoring case, also for names whose ends are not plain ASCII (some
// letters fold into ASCII ones, others only look like them).
TEST(MediaNames, ExtensionTestAgreesWithTheGeneralComparison)
{
    auto reference = [](QStringView name, QLatin1StringView ext) {
        return name.endsWith(ext, Qt::CaseInsensitive) &&
               name.lastIndexOf(u'.') == name.size() - ext.size();
    };
    const QString names[] = {
        QStringLiteral("a.mp3"),
        QStringLiteral("A.MP3"),
        QStringLiteral("a.Mp3"),
        QStringLiteral("a.mp3 "),
        QStringLiteral("a.mp"),
        QStringLiteral(".mp3"),
        QStringLiteral("mp3"),
        QStringLiteral("a.m.p3"),
        QStringLiteral("a..mp3"),
        QStringLiteral("песня.MP3"),
        QStringLiteral("a.МР3"),
        QStringLiteral("a.\u017F3m"),
        QStringLiteral("a.\u212Aar"),
        QStringLiteral("a.S3M"),
        QStringLiteral("a.mp+"),
        QStringLiteral("a.MP+"),
        QStringLiteral("a.mp3\u0301"),
        QStringLiteral("a.fLaC"),
        QStringLiteral("a.it"),
        QStringLiteral("t"),
        QString(),
        QStringLiteral("a.[p3"),
        QStringLiteral("a.@p3"),
        QStringLiteral("a.\u00DFnd"),
        QStringLiteral("a.verylongextension"),
        QStringLiteral("a.MIDI"),
        QStringLiteral("no dot"),
    };
    const QLatin1StringView extra[] = {QLatin1StringView(".mp+"), QLatin1StringView(".flac"),
                                       QLatin1StringView(".zip")};
    auto anyReference = [&](QStringView name, std::span<const QLatin1StringView> list) {
        for (const QLatin1StringView ext : list)
            if (reference(name, ext))
                return true;
        return false;
    };
    for (const QString &name : names) {
        EXPECT_EQ(HasAnyExtension(name, MediaExtensions()), anyReference(name, MediaExtensions()))
            << name.toStdString();
        EXPECT_EQ(HasAnyExtension(name, extra), anyReference(name, extra)) << name.toStdString();
        for (const QLatin1StringView ext : MediaExtensions())
            EXPECT_EQ(HasExtension(name, ext), reference(name, ext))
                << name.toStdString() << ext.data();
        for (const QLatin1StringView ext : extra)
            EXPECT_EQ(HasExtension(name, ext), reference(name, ext))
                << name.toStdString() << ext.data();
    }
    EXPECT_TRUE(IsMediaName(QStringLiteral("Tune.S3M")));
    EXPECT_FALSE(IsMediaName(QStringLiteral("a.МР3")));
}
