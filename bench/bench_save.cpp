// Saving a catalogue of 1,000,000 nodes from the real main window (offscreen):
// the generated catalogue is opened, loaded into the tree, marked changed and
// saved to a new file, which ends flushed to the disk. The peer in the same
// run is copying a file of the same size with cp and flushing the copy, the
// floor of writing those bytes safely. Also the text tree of the same tree.
#include "WindowBench.h"

#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "interaction/CommandState.h"
#include "interaction/LongOperation.h"
#include "options/TOptions.h"
#include "storage/TextTreeWriter.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace qbx;

namespace {

double Seconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

// Processor time (user and system) of the whole process or of this thread.
double ProcessorSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// cp, then fsync of the copy.
double CopySeconds(const QString &from, const QString &to)
{
    QElapsedTimer t;
    t.start();
    const QByteArray command = "cp '" + from.toLocal8Bit() + "' '" + to.toLocal8Bit() + "'";
    if (std::system(command.constData()) != 0)
        return -1;
    const int fd = ::open(to.toLocal8Bit().constData(), O_RDONLY);
    if (fd < 0 || ::fsync(fd) != 0)
        return -1;
    ::close(fd);
    return Seconds(t);
}

class OperationProgress : public IWriteProgress {
public:
    explicit OperationProgress(TLongOperation &operation) : operation_(operation) {}
    bool Stopped() override { return operation_.OperationStopped(); }
    void Step() override { operation_.StepOperation(); }

private:
    TLongOperation &operation_;
};

} // namespace

int main(int argc, char **argv)
{
    const bench::TWindowBenchEnvironment environment;
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("big.db"));
    std::printf("records: %zu\n",
                bench::WriteCatalogue(source.toStdString(), 20261207, 1000000, 20, "DISC_"));

    TProgram program;
    TMainForm &form = program.Window();
    form.show();
    QApplication::processEvents();
    program.Session().Files().OpenFile(source);
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    const int nodes = CountNodes(program.Session().MainTree().Root());
    std::printf("nodes: %d\n", nodes);

    // Marked changed, saved under a new name.
    program.Session().ModeLogic().Unsaved().Set(true);
    const QString saved = dir.filePath(QStringLiteral("saved.db"));
    QElapsedTimer timer;
    const double processBefore = ProcessorSeconds(RUSAGE_SELF);
    const double threadBefore = ProcessorSeconds(RUSAGE_THREAD);
    timer.start();
    const bool ok = program.Session().Saving().WriteCatalogue(saved);
    const double saveSeconds = Seconds(timer);
    // The save's processor time in all its threads, and in the one that
    // walks the tree (the rest is the block writer's).
    const double saveCpu = ProcessorSeconds(RUSAGE_SELF) - processBefore;
    const double walkCpu = ProcessorSeconds(RUSAGE_THREAD) - threadBefore;

    const double copySeconds = CopySeconds(saved, dir.filePath(QStringLiteral("copy.db")));

    TLongOperation &operation = form.Operation();
    OperationProgress progress(operation);
    timer.restart();
    operation.StartOperation(QStringLiteral("Сохранение базы данных"), nodes);
    const bool textOk = WriteTextTreeFile(program.Session().MainTree().Root(),
                                          dir.filePath(QStringLiteral("tree.txt")), progress)
                            .Ok();
    operation.EndOperation();
    const double textSeconds = Seconds(timer);

    std::printf("saved_ok: %d\n", ok && textOk ? 1 : 0);
    std::printf("saved_mb: %.1f MB\n", double(QFileInfo(saved).size()) / 1048576.0);
    std::printf("save_seconds: %.3f s\n", saveSeconds);
    std::printf("cp_fsync_seconds: %.3f s\n", copySeconds);
    std::printf("save_ratio_vs_cp: %.1f\n", saveSeconds / copySeconds);
    std::printf("save_cpu_seconds: %.3f s\n", saveCpu);
    std::printf("save_cpu_calling_thread_seconds: %.3f s\n", walkCpu);
    std::printf("text_tree_seconds: %.3f s\n", textSeconds);
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    form.close();
    return ok && textOk ? 0 : 1;
}
