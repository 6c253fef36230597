#include "desktop/OpenOnDisc.h"

#include "desktop/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

using namespace qbx;

TVolume Volume(const QString &root, const QString &label, bool pseudo = false)
{
    TVolume v;
    v.root = root;
    v.label = label;
    v.fsType = pseudo ? QStringLiteral("tmpfs") : QStringLiteral("iso9660");
    v.pseudo = pseudo;
    return v;
}

class OpenOnDiscTest : public ::testing::Test {
protected:
    QStringList Open(const QString &label, const QString &path)
    {
        QStringList opened;
        const int count = OpenOnDisc(
            label, path, [this] { return volumes; },
            [&opened](const QString &file) { opened << file; });
        EXPECT_EQ(count, opened.size());
        return opened;
    }
    QList<TVolume> volumes;
};

TEST_F(OpenOnDiscTest, LabelDifferingInCaseOpensTheFileBelowTheVolumeRoot)
{
    volumes = {Volume("/", ""), Volume("/media/user/GAMES/", "games"),
               Volume("/media/user/Диск/", "Мой Диск")};
    EXPECT_EQ(Open("GAMES", "Soft\\Quake\\readme.txt"),
              QStringList{"/media/user/GAMES/Soft/Quake/readme.txt"});
    EXPECT_EQ(Open("МОЙ ДИСК", "песня.mp3"), QStringList{"/media/user/Диск/песня.mp3"});
}

TEST_F(OpenOnDiscTest, EveryVolumeWithTheLabelGetsTheRequest)
{
    volumes = {Volume("/media/a/", "BACKUP"), Volume("/srv/", "data"),
               Volume("/media/b/", "Backup")};
    EXPECT_EQ(Open("backup", "docs\\a.txt"),
              (QStringList{"/media/a/docs/a.txt", "/media/b/docs/a.txt"}));
}

TEST_F(OpenOnDiscTest, NothingHappensWithoutAMatch)
{
    volumes = {Volume("/", ""), Volume("/media/cd/", "CD1"), Volume("/run/", "CD2", true)};
    EXPECT_TRUE(Open("CD3", "a.txt").isEmpty());
    EXPECT_TRUE(Open("CD", "a.txt").isEmpty()); // a prefix of a label is no match
    // Pseudo file systems are never searched, whatever their label.
    EXPECT_TRUE(Open("CD2", "a.txt").isEmpty());
    volumes.clear();
    EXPECT_TRUE(Open("CD1", "a.txt").isEmpty());
}

TEST_F(OpenOnDiscTest, EmptyTextsAndEscapingPathsOpenNothing)
{
    // Unlabelled volumes must not match an empty label (a selection of
    // several discs shows no label), nor may a path reach outside the volume.
    volumes = {Volume("/", ""), Volume("/media/cd/", "CD1")};
    EXPECT_TRUE(Open("", "a.txt").isEmpty());
    EXPECT_TRUE(Open("CD1", "").isEmpty());
    EXPECT_TRUE(Open("CD1", "..\\..\\etc\\passwd").isEmpty());
    EXPECT_TRUE(Open("CD1", "docs\\..\\..\\x").isEmpty());
    EXPECT_EQ(Open("CD1", "docs\\..\\x.txt"), QStringList{"/media/cd/x.txt"});
}

} // namespace
