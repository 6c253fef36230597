#include "scan/MediaNames.h"

#include <gtest/gtest.h>

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
