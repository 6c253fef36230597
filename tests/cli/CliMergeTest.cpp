#include "CliFixture.h"

#include "engine/Table.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>

namespace qbx::test {
namespace {

class CliMerge : public CliTest {
protected:
    QString a =
        Write("a.db", {{"A", "x.txt", "", "", "", 1, ""}, {"SHARED", "s.txt", "", "", "", 2, ""}});
    QString b = Write("b.db", {{"B", "y.txt", "", "", "", 3, ""},
                               {"shared", "s.txt", "Me", "", "", 2, ""},
                               {"shared", "t.txt", "", "", "", 4, ""}});
    QString c = PathOf("c.db");
};

TEST_F(CliMerge, MergesCataloguesIntoANewOneWithTheChosenAnswer)
{
    const CliRun r = Run({"merge", a, b, "--into", c, "--on-conflict", "complement"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Run({"tree", c}).out,
              "\\\n\tA\n\t\tx.txt\n\tB\n\t\ty.txt\n\tshared\n\t\ts.txt\n\t\tt.txt\n");
    EXPECT_EQ(Run({"search", c, "Me", "--field", "producer", "--format", "tsv"}).out,
              "shared\ts.txt\tMe\t\t\t2\t\n");
    // The sources are as they were.
    EXPECT_EQ(Run({"tree", b}).out, "\\\n\tB\n\t\ty.txt\n\tshared\n\t\ts.txt\n\t\tt.txt\n");
}

TEST_F(CliMerge, AnExistingTargetIsMergedIntoAndConflictsFailByDefault)
{
    ASSERT_EQ(Run({"merge", a, "--into", c}).status, 0);
    const CliRun conflict = Run({"merge", b, "--into", c});
    EXPECT_EQ(conflict.status, 2);
    EXPECT_EQ(conflict.err, "qubrix-cli: «shared\\s.txt» уже есть в каталоге; каталог не изменён "
                            "(ответ на совпадение имён: --on-conflict keep, complement или "
                            "overwrite)\n");
    EXPECT_EQ(Run({"tree", c}).out, "\\\n\tA\n\t\tx.txt\n\tSHARED\n\t\ts.txt\n");

    EXPECT_EQ(Run({"merge", b, c, "--into", c, "--on-conflict", "keep"}).status, 0);
    EXPECT_EQ(Run({"tree", c}).out,
              "\\\n\tA\n\t\tx.txt\n\tB\n\t\ty.txt\n\tshared\n\t\ts.txt\n\t\tt.txt\n");
    // Kept: the item that was there first keeps its values.
    EXPECT_EQ(Run({"search", c, "Me"}).status, 1);
}

TEST_F(CliMerge, ABadSourceWritesNothing)
{
    QFile junk(PathOf("junk.db"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("definitely not a table");
    junk.close();
    for (const QStringList &args :
         {QStringList{"merge", a, PathOf("junk.db"), "--into", c},
          QStringList{"merge", a, PathOf("missing.db"), "--into", c},
          QStringList{"merge", a, "--into", c, "--on-conflict", "sometimes"},
          QStringList{"merge", a}, QStringList{"merge", "--into", c}}) {
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(c));
    }
}

TEST_F(CliMerge, ASourceAnotherProgramReadsIsToldBusyBeforeAnyIsRead)
{
    // Every source is opened for reading alone before the first is read.
    engine::Table reader;
    reader.Open(b.toStdString(), engine::OpenMode::Shared);
    const CliRun r = Run({"merge", a, b, "--into", c});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "qubrix-cli: " + b + ": файл занят другой программой\n");
    EXPECT_FALSE(QFile::exists(c));
}

TEST_F(CliTest, CtrlCWhileWritingLeavesNoHalfWrittenFileBehind)
{
    QList<Rec> records;
    for (int i = 0; i < 200000; ++i)
        records.append({"D", QStringLiteral("folder %1\\file %2.txt").arg(i / 50).arg(i), "", "",
                        "", double(i), ""});
    const QString source = Write("big.db", records);
    QProcess p;
    p.start(QStringLiteral(QBX_CLI_PATH), {"merge", source, "--into", PathOf("copy.db")});
    ASSERT_TRUE(p.waitForStarted());
    // Interrupted once the file beside the target is being written.
    const QDir folder(dir.path());
    QElapsedTimer timer;
    timer.start();
    while (folder.entryList(QDir::Files | QDir::Hidden).size() < 2 &&
           p.state() == QProcess::Running && timer.elapsed() < 30000)
        QThread::usleep(200);
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    if (p.exitStatus() == QProcess::NormalExit)
        GTEST_SKIP() << "the writing ended before the interruption";
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList({"big.db"}));
}

// The status a shell reports for a run of qubrix-cli started as a script's
// background job (Ctrl-C ignored as the shell hands it down) that gets
// `signal` once it has taken over the handling of stop signals.
int StopStatus(const QStringList &args, int signal)
{
    QProcess p;
    p.setChildProcessModifier([] { ::signal(SIGINT, SIG_IGN); });
    p.start(QStringLiteral(QBX_CLI_PATH), args);
    EXPECT_TRUE(p.waitForStarted());
    const QString status = QStringLiteral("/proc/%1/status").arg(p.processId());
    const quint64 bit = quint64(1) << (signal - 1);
    QElapsedTimer timer;
    timer.start();
    while (p.state() == QProcess::Running && timer.elapsed() < 30000) {
        QFile f(status);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray text = f.readAll();
            const qsizetype at = text.indexOf("SigCgt:");
            if (at >= 0 && text.mid(at + 7, 20).trimmed().left(16).toULongLong(nullptr, 16) & bit)
                break;
        }
        QThread::usleep(100);
    }
    ::kill(pid_t(p.processId()), signal);
    EXPECT_TRUE(p.waitForFinished(60000));
    return p.exitStatus() == QProcess::CrashExit ? 128 + p.exitCode() : p.exitCode();
}

TEST_F(CliTest, StopSignalsEndScanAndMergeAtOnceWritingNothing)
{
    QList<Rec> records;
    for (int i = 0; i < 30000; ++i)
        records.append({"D", QStringLiteral("folder %1\\file %2.txt").arg(i / 50).arg(i), "", "",
                        "", double(i), ""});
    const QString source = Write("big.db", records);
    const QString existing = Write("old.db", {{"OLD", "", "", "", "", 0, ""}});
    const QByteArray old = [&] {
        QFile f(existing);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString tree = PathOf("tree");
    for (int i = 0; i < 5000; ++i) {
        if (i % 100 == 0)
            QDir().mkpath(tree + QStringLiteral("/d%1").arg(i / 100));
        QFile f(tree + QStringLiteral("/d%1/f%2").arg(i / 100).arg(i));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const auto &[args, signal] :
         {std::pair{QStringList{"merge", source, "--into", PathOf("new.db")}, SIGINT},
          std::pair{QStringList{"merge", source, "--into", existing}, SIGTERM},
          std::pair{QStringList{"scan", tree, "--into", existing}, SIGINT},
          std::pair{QStringList{"scan", tree, "--into", PathOf("new.db")}, SIGTERM}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        EXPECT_EQ(StopStatus(args, signal), 128 + signal);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), old);
    }
}

} // namespace
} // namespace qbx::test
