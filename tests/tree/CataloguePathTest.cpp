#include "tree/CataloguePath.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(CataloguePath, JoinAndSplit)
{
    EXPECT_EQ(JoinPath("CD1", "Docs\\"), "CD1\\Docs\\");
    EXPECT_EQ(JoinPath("", "Docs"), "Docs");
    EXPECT_EQ(JoinPath("CD1", ""), "CD1");
    EXPECT_EQ(JoinPath("", ""), "");
    EXPECT_EQ(SplitFirst(QString("a\\b\\c")), (std::pair<QString, QString>{"a", "b\\c"}));
    EXPECT_EQ(SplitFirst(QString("abc")), (std::pair<QString, QString>{"abc", ""}));
    EXPECT_EQ(SplitFirst(QString("a\\")), (std::pair<QString, QString>{"a", ""}));
}

TEST(CataloguePath, LastPosIsOneBasedEndOfLastOccurrence)
{
    EXPECT_EQ(LastPos(u"\\", u"a\\b\\"), 4);
    EXPECT_EQ(LastPos(u"ab", u"abxab"), 5);
    EXPECT_EQ(LastPos(u"q", u"abc"), 0);
    EXPECT_EQ(LastPos(u"", u"abc"), 0);
}

TEST(CataloguePath, LastComponents)
{
    EXPECT_EQ(LastComponent(u"a\\b\\"), "b");
    EXPECT_EQ(LastComponent(u"a\\b"), "b");
    EXPECT_EQ(LastComponent(u"b"), "b");
    EXPECT_EQ(LastComponent(u""), "");
    EXPECT_EQ(LastComponentKeep(u"a\\b\\"), "b\\");
    EXPECT_EQ(LastComponentKeep(u"a\\b"), "b");
    EXPECT_EQ(LastComponentKeep(u"b\\"), "b\\");
    EXPECT_EQ(LastComponentKeep(u"\\"), "\\");
    EXPECT_EQ(LastComponentKeep(u""), "");
}

TEST(CataloguePath, FileTitleCutsTheNameBeforeItsLastDot)
{
    EXPECT_EQ(FileTitle(u"Docs\\report.v2.txt"), "report.v2");
    EXPECT_EQ(FileTitle(u"a.b\\noext"), "noext");
    EXPECT_EQ(FileTitle(u"song.mp3"), "song");
}

TEST(CataloguePath, ArchiveNames)
{
    for (const char *n : {"a.ace", "a.arj", "a.bz2", "a.cab", "a.gzip", "a.iso", "a.jar", "a.lzh",
                          "a.rar", "a.tar", "a.uue", "a.zip", "PACK.ZIP", "x.y.Rar", ".zip"})
        EXPECT_TRUE(IsArchiveName(QString(n))) << n;
    for (const char *n : {"a.gz", "a.7z", "", "zip", "a.zip.txt", "a.zipx", "a.zi"})
        EXPECT_FALSE(IsArchiveName(QString(n))) << n;
}

} // namespace
} // namespace qbx
