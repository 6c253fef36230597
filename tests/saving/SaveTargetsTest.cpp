// What a save does to the file it replaces and to what lies beside it:
// another program's file being written, symbolic links, the owner.

#include "saving/SavingFixture.h"

#include "engine/FileSystem.h"
#include "storage/CatalogueWriter.h"
#include "storage/FileReplacement.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using namespace qbx;
using namespace qbx::test;

namespace {

const QList<Rec> kOne = {{"CD", "a.txt", "", "", "", 1, ""}};

struct NoStop : IWriteProgress {
    bool Stopped() override { return false; }
    void Step() override {}
};

TEST_F(SavingTest, ASaveLeavesTheNewFileAnotherProgramIsWritingAlone)
{
    const QString path = Write("cat.db", kOne);
    OpenChanged(path);
    catalogue.InsertItem("NEW", "", "", "", "", 0, "", false);
    {
        // Another program replacing the catalogue (a merge into it): its new
        // file beside the catalogue is being written as a table.
        TFileReplacement other(engine::SystemFileSystem(), path.toStdString());
        other.CloseNewFile();
        saving.Save();
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(other.NewPath())));
        EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction)) << "the catalogue is in use";
    }
    // A new catalogue has no file to lock: two programs writing it each keep
    // their own new file.
    const QString fresh = PathOf("fresh.db");
    TFileReplacement other(engine::SystemFileSystem(), fresh.toStdString());
    NoStop progress;
    EXPECT_TRUE(
        WriteCatalogueFile(mainTree.Root(), TRecordSource::Catalogue, fresh, progress).Ok());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(other.NewPath())));
}

TEST_F(SavingTest, SavingThroughASymbolicLinkReplacesTheFileItPointsTo)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    const QString real = Write("real/cat.db", kOne);
    const QString link = PathOf("cat.db");
    ASSERT_EQ(::symlink("real/cat.db", link.toUtf8().constData()), 0); // relative
    OpenChanged(link);
    catalogue.InsertItem("NEW", "", "", "", "", 0, "", false);
    saving.Save();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Records(real), QStringList({"CD|a.txt||1", "NEW|||0"}));
    EXPECT_EQ(FolderEntries(), QStringList{"cat.db"});
    EXPECT_EQ(QDir(PathOf("real")).entryList(QDir::Files | QDir::Hidden), QStringList{"cat.db"});

    // A link whose file does not exist yet gets that file.
    const QString dangling = PathOf("new.db");
    ASSERT_EQ(::symlink(PathOf("real/new.db").toUtf8().constData(), dangling.toUtf8().constData()),
              0);
    NoStop progress;
    EXPECT_TRUE(
        WriteCatalogueFile(mainTree.Root(), TRecordSource::Catalogue, dangling, progress).Ok());
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(Records(PathOf("real/new.db")).size(), 2);
}

TEST_F(SavingTest, ASaveAsRootKeepsTheCataloguesOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    const QString path = Write("cat.db", kOne);
    ASSERT_EQ(::chown(path.toUtf8().constData(), 65534, 65534), 0);
    OpenChanged(path);
    catalogue.InsertItem("NEW", "", "", "", "", 0, "", false);
    saving.Save();
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
    struct stat st {};
    ASSERT_EQ(::stat(path.toUtf8().constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(Records(path).size(), 2);
}

} // namespace
