// A save killed at any moment (the power cut a process sees): the target is
// always either the old catalogue or the new one, whole, and the next save
// leaves no file of the killed ones behind.

#include "saving/SavingFixture.h"

#include "engine/Error.h"
#include "storage/CatalogueWriter.h"

#include <QElapsedTimer>

#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qbx;
using namespace qbx::test;

namespace {

class NoProgress : public IWriteProgress {
public:
    bool Stopped() override { return false; }
    void Step() override {}
};

// 200 folders of 1000 files on one disc, every third file described.
void BuildLargeTree(TTree &tree)
{
    TTreeUpdate update(tree);
    TTreeNode *disc = tree.AddChild(tree.Root(), "DISC", ImageDisc);
    for (int f = 0; f < 200; ++f) {
        TTreeNode *folder = tree.AddChild(disc, QString("папка %1").arg(f), ImageFolder);
        for (int i = 0; i < 1000; ++i) {
            TTreeNode *file = tree.AddChild(folder, QString("файл %1.txt").arg(i), ImageFile);
            if (i % 3 == 0)
                tree.SetDescription(file, std::make_unique<TItemDescription>(
                                              TItemDescription::Make("Фирма", "", "", i, "")));
        }
    }
}

// The outcome of reading the target: its record count, or -1 when it is no
// whole table.
int RecordsIn(const QString &path)
{
    try {
        engine::Table t;
        t.Open(path.toStdString());
        return int(t.RecordCount());
    } catch (const engine::Error &) {
        return -1;
    }
}

TEST_F(SavingTest, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewCatalogue)
{
    BuildLargeTree(mainTree);
    const int newRecords = 200 * 1000;
    const QString target = Write("cat.db", {{"OLD", "", "", "", "", 1, ""}});
    const QByteArray old = Bytes(target);

    // How long one save takes here, to spread the kills over it. The first
    // save also sorts the folders the tree has not sorted yet; the forked
    // saves inherit a sorted tree, so only the second save is timed.
    const QString probe = PathOf("probe.db");
    NoProgress progress;
    qint64 saveMicros = 0;
    for (int round = 0; round < 2; ++round) {
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(
            WriteCatalogueFile(mainTree.Root(), TRecordSource::Catalogue, probe, progress).Ok());
        saveMicros = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
        QFile::remove(probe);
    }

    std::mt19937 random(20261207);
    int oldSeen = 0, newSeen = 0;
    for (int kill = 0; kill < 20; ++kill) {
        SCOPED_TRACE(kill);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            NoProgress none;
            const bool ok =
                WriteCatalogueFile(mainTree.Root(), TRecordSource::Catalogue, target, none).Ok();
            ::_exit(ok ? 0 : 1);
        }
        ::usleep(useconds_t(random() % (saveMicros * 5 / 4)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const int records = RecordsIn(target);
        if (records == 1) {
            EXPECT_EQ(Bytes(target), old);
            ++oldSeen;
        } else {
            EXPECT_EQ(records, newRecords) << "the target is neither the old nor the new one";
            ++newSeen;
            QFile f(target); // the next round starts from the old one again
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(old);
        }
    }
    std::printf("kills: %d left the old catalogue, %d the new one\n", oldSeen, newSeen);
    EXPECT_GT(oldSeen, 0);

    OpenChanged(target);
    mainTree.ResetTree();
    BuildLargeTree(mainTree);
    saving.Save();
    EXPECT_EQ(RecordsIn(target), newRecords);
    EXPECT_EQ(FolderEntries(), QStringList{"cat.db"}) << "the killed saves' files are gone";
}

} // namespace
