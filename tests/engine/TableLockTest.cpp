// Exclusive opens take an OS lock that other openers, in this process or
// another one, run into.

#include "EngineTestSupport.h"

#include "engine/Error.h"
#include "engine/Table.h"

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;

namespace {

int OpenErrorCode(const std::string &path, OpenMode mode)
{
    try {
        Table t;
        t.Open(path, mode);
        return 0;
    } catch (const Error &e) {
        return e.code();
    }
}

TEST(TableLocks, OpenersInThisProcess)
{
    test::TempFolder dir;
    const std::string path = dir.File("t.db");
    Table::Create(path, {FieldDef::Alpha("A", 8)});
    {
        Table a;
        a.Open(path, OpenMode::Exclusive);
        EXPECT_EQ(OpenErrorCode(path, OpenMode::Exclusive), ErrLocked);
        EXPECT_EQ(OpenErrorCode(path, OpenMode::Shared), ErrLocked);
        EXPECT_THROW(Table::Create(path, {FieldDef::Alpha("B", 1)}), Error);
        EXPECT_EQ(a.Fields()[0].name, "A"); // the create did not touch the file
    }
    {
        Table a, b;
        a.Open(path, OpenMode::Shared);
        b.Open(path, OpenMode::Shared); // readers share
        EXPECT_EQ(OpenErrorCode(path, OpenMode::Exclusive), ErrLocked);
    }
    EXPECT_EQ(OpenErrorCode(path, OpenMode::Exclusive), 0); // closing released every lock
}

TEST(TableLocks, FileLockedByAnotherProcess)
{
    test::TempFolder dir;
    const std::string path = dir.File("t.db");
    Table::Create(path, {FieldDef::Alpha("A", 8)});
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(path.c_str(), O_RDWR);
        char c = 0;
        if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(ready[1], "x", 1) != 1 ||
            read(release[0], &c, 1) < 0)
            _exit(1);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    EXPECT_EQ(OpenErrorCode(path, OpenMode::Exclusive), ErrLocked);
    EXPECT_EQ(OpenErrorCode(path, OpenMode::Shared), ErrLocked);
    ASSERT_EQ(write(release[1], "x", 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(OpenErrorCode(path, OpenMode::Exclusive), 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]})
        close(fd);
}

TEST(TableLocks, AFifoNamedLikeATableIsRefusedWithoutWaitingForAWriter)
{
    test::TempFolder dir;
    const std::string path = dir.File("pipe.db");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    for (const OpenMode mode : {OpenMode::Shared, OpenMode::Exclusive}) {
        auto opened = std::async(std::launch::async, [&] { return OpenErrorCode(path, mode); });
        if (opened.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "the open waits for a writer of the FIFO";
            // A writer lets the blocked open go on, so the test can end.
            const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            opened.wait();
            if (writer >= 0)
                ::close(writer);
        }
        EXPECT_EQ(opened.get(), ErrCorrupt);
    }
}

} // namespace

namespace {

TEST(TableLocks, ReadOnlyFileOpensExclusivelyForReading)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    test::TempFolder dir;
    const std::string path = dir.File("ro.db");
    Table::Create(path, {FieldDef::Alpha("A", 8)});
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    Table t;
    t.Open(path, OpenMode::Exclusive);
    EXPECT_EQ(OpenErrorCode(path, OpenMode::Shared), ErrLocked);
    const Value v[] = {Value::Text("x")};
    EXPECT_THROW(t.Append(v), Error);
}

} // namespace
