// A save that fails anywhere, or is stopped, leaves the old catalogue byte
// for byte, no file behind it, and the catalogue unsaved.

#include "saving/SavingFixture.h"

#include "engine/Error.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

using namespace qbx;
using namespace qbx::test;
using Call = FaultyFileSystem::Call;

namespace {

QList<Rec> ManyRecords(int count)
{
    QList<Rec> records;
    for (int i = 0; i < count; ++i)
        records.append(
            {"CD", QString("папка%1\\файл%2.txt").arg(i % 7).arg(i), "", "", "", double(i), ""});
    return records;
}

TEST_F(SavingTest, InjectedFailuresAndStopLeaveTheOldFileAndTheCatalogueUnsaved)
{
    const QString path = Write("cat.db", ManyRecords(300));
    OpenChanged(path);
    catalogue.InsertItem("NEW", "", "", "", "", 0, "", false);
    const QByteArray old = Bytes(path);
    qint64 now = 0;
    operation.SetClock([&] { return now += 10; });
    options.ConfirmInterrupt = false;

    struct Fault {
        const char *what;
        std::function<void()> arm;
        bool diskFull = false;
        bool denied = false;
    };
    const Fault faults[] = {
        {"disk full at once", [&] { fs.FailWritesAfter(0); }, true},
        {"disk full inside the records", [&] { fs.FailWritesAfter(40000); }, true},
        {"write error", [&] { fs.FailCall(Call::WriteAt, 3); }},
        {"flush fails", [&] { fs.FailCall(Call::Flush, 1); }},
        {"rename refused", [&] { fs.FailCall(Call::Rename, 1, EPERM); }, false, true},
        {"folder takes no new file", [&] { fs.FailCall(Call::CreateNew, 1, EACCES); }, false, true},
        {"stopped",
         [&] {
             view.onEvents = [&] {
                 if (operation.Running())
                     operation.PressStop();
             };
         }},
    };
    const QString noRoom = QString("Невозможно сохранить файл базы данных из-за недостатка "
                                   "свободного места на диске %1.")
                               .arg(dir.path());
    for (const Fault &f : faults) {
        SCOPED_TRACE(f.what);
        fs.Reset();
        view.onEvents = nullptr;
        boxes.shown.clear();
        f.arm();
        saving.Save();
        EXPECT_EQ(Bytes(path), old);
        EXPECT_EQ(FolderEntries(), QStringList{"cat.db"}) << "no file is left beside it";
        EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
        // A full disk or a refused write is named as the reason first.
        ASSERT_EQ(boxes.shown.size(), f.diskFull || f.denied ? 2 : 1);
        if (f.diskFull) {
            EXPECT_EQ(boxes.shown.front().text, noRoom);
        } else if (f.denied) {
            EXPECT_EQ(boxes.shown.front().text,
                      path + "\rНет прав на запись в файл базы данных или в его папку.");
        }
        EXPECT_EQ(boxes.shown.back().text, "В процессе сохранения базы данных возникла ошибка.");
        EXPECT_EQ(boxes.shown.back().caption, "Сохранение базы данных");
        EXPECT_EQ(boxes.shown.back().icon, TMsgIcon::Error);
        EXPECT_TRUE(commands.Enabled(cmd::CloseDbAction));
        EXPECT_TRUE(view.popupEnabled);
        EXPECT_FALSE(operation.Running());
    }

    // Then the save goes through: flushed before the rename, the folder after.
    fs.Reset();
    view.onEvents = nullptr;
    saving.Save();
    EXPECT_EQ(Records(path).size(), 301);
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
    const int rename = fs.Find("rename " + dir.path().toStdString() + "/.cat.db.");
    ASSERT_GE(rename, 0);
    EXPECT_TRUE(fs.Log()[size_t(rename)].ends_with(" " + path.toStdString()));
    EXPECT_EQ(fs.Log()[size_t(rename) - 1].rfind("flush ", 0), 0u);
    EXPECT_EQ(fs.Log()[size_t(rename) + 1], "flush-folder " + dir.path().toStdString());
}

// Threads of this process: a block writer left running shows here.
size_t ThreadCount()
{
    return size_t(QDir(QStringLiteral("/proc/self/task"))
                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                      .size());
}

TEST_F(SavingTest, LargeSaveFailingMidwayOrOnItsLastBlockLeavesTheOldFile)
{
    // Enough records for dozens of blocks, written by the save's second
    // thread while the tree is walked: a failure there still ends the save
    // with the usual messages, the old file untouched and no thread behind.
    const QString path = Write("cat.db", ManyRecords(6000));
    OpenChanged(path);
    const QByteArray old = Bytes(path);
    const uint64_t size = uint64_t(old.size()); // the same tree saves to the same size
    const size_t threads = ThreadCount();
    const QString noRoom = QString("Невозможно сохранить файл базы данных из-за недостатка "
                                   "свободного места на диске %1.")
                               .arg(dir.path());
    struct Fault {
        const char *what;
        std::function<void()> arm;
        bool diskFull;
    };
    const Fault faults[] = {
        {"write error in the middle", [&] { fs.FailCall(Call::WriteAt, 200); }, false},
        {"disk full in the middle", [&] { fs.FailWritesAfter(size / 2); }, true},
        {"disk full at the last block", [&] { fs.FailWritesAfter(size - 1); }, true},
    };
    for (const Fault &f : faults) {
        SCOPED_TRACE(f.what);
        fs.Reset();
        boxes.shown.clear();
        f.arm();
        saving.Save();
        EXPECT_EQ(Bytes(path), old);
        EXPECT_EQ(FolderEntries(), QStringList{"cat.db"});
        EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
        ASSERT_EQ(boxes.shown.size(), f.diskFull ? 2 : 1);
        if (f.diskFull) {
            EXPECT_EQ(boxes.shown.front().text, noRoom);
        }
        EXPECT_EQ(boxes.shown.back().text, "В процессе сохранения базы данных возникла ошибка.");
        EXPECT_EQ(ThreadCount(), threads) << "a writer thread is still running";
    }
    fs.Reset();
    boxes.shown.clear();
    saving.Save();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Records(path).size(), 6000);
    EXPECT_EQ(uint64_t(Bytes(path).size()), size) << "the last block's case missed the last block";
}

TEST_F(SavingTest, SaveKeepsThePermissionsAndRemovesLeftoversOfAKilledSave)
{
    const QString path = Write("cat.db", ManyRecords(3));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QFile leftover(PathOf(".cat.db.Ab3dE9.tmp"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    OpenChanged(path);
    saving.Save();
    EXPECT_EQ(FolderEntries(), QStringList{"cat.db"});
    EXPECT_EQ(QFileInfo(path).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadUser | QFile::WriteUser |
                                                 QFile::ReadGroup);
}

TEST_F(SavingTest, SaveIntoThatFailsLeavesTheTargetAsItWas)
{
    OpenChanged(Write("cat.db", ManyRecords(50)));
    const QString target = Write("into.db", ManyRecords(20));
    const QByteArray old = Bytes(target);
    fs.FailWritesAfter(40000); // the copy fits, the block for the new records does not
    saveDialog.answers.push_back({target, 1});
    saving.SaveInto();
    EXPECT_EQ(Bytes(target), old);
    // The reason first, naming the target's folder, then the failure.
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text, "Невозможно сохранить файл базы данных из-за недостатка "
                                   "свободного места на диске " +
                                       dir.path() + ".");
    EXPECT_EQ(boxes.shown[1].text, "В процессе сохранения базы данных возникла ошибка.");
    EXPECT_EQ(boxes.shown[1].caption, "Сохранение добавлением в базу данных");
    EXPECT_EQ(FolderEntries(), QStringList({"cat.db", "into.db"}));
}

} // namespace

TEST_F(SavingTest, SaveAsksBeforeWritingOverAFileAnotherProgramChanged)
{
    const QString path = Write("cat.db", kDisc);
    OpenChanged(path);
    catalogue.InsertItem("NEW", "", "", "", "", 0, "", false);
    // A second copy of the program saves its own catalogue into the file.
    const QString other = Write("other.db", {{"OTHER", "", "", "", "", 0, ""}});
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(other, path));
    const QByteArray theirs = Bytes(path);

    const QString question = path + "\rФайл базы данных был изменён другой программой после "
                                    "того, как был открыт.\r\n\nЕсли сохранить, эти изменения "
                                    "будут потеряны. Сохранить?";
    boxes.Answer(TMsgAnswer::No);
    saving.Save();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, question);
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(Bytes(path), theirs) << "No keeps the other program's file";
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));

    boxes.Answer(TMsgAnswer::Yes);
    saving.Save();
    EXPECT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(Records(path).contains("NEW|||0"));
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));

    // Its own saves do not count as another program's; a file deleted
    // meanwhile loses nothing when the tree is written again.
    catalogue.InsertItem("NEXT", "", "", "", "", 0, "", false);
    modes.Unsaved().Set(true);
    saving.Save();
    ASSERT_TRUE(QFile::remove(path));
    modes.Unsaved().Set(true);
    saving.Save();
    EXPECT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(Records(path).size(), 4);

    // Nor does appending the tree to its own file with Save Into.
    catalogue.InsertItem("LAST", "", "", "", "", 0, "", false);
    modes.Unsaved().Set(true);
    saveDialog.answers.push_back({path, 1});
    saving.SaveInto();
    EXPECT_EQ(Records(path).size(), 9);
    saving.Save();
    EXPECT_EQ(boxes.shown.size(), 2) << "no question about another program";
    EXPECT_EQ(Records(path).size(), 5);
}
