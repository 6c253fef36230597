// "Добавить" of a catalogue of 200,000 records, 50,000 of them in one folder,
// into an open catalogue shown in the real main window (offscreen, the model
// attached to its view, the root expanded). The peer, measured in the same
// run, is the bulk load of the same records into an empty tree.
#include "WindowBench.h"

#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "options/TOptions.h"
#include "storage/CatalogueWriter.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <string>

using namespace qbx;

namespace {

constexpr size_t kRecords = 200000;
constexpr size_t kBigFolder = 50000;
constexpr int kDiscs = 10;

// Opens a catalogue and shows the whole tree, as the user does.
void OpenAndShow(TProgram &program, const QString &path)
{
    TMainForm &form = program.Window();
    program.Session().Files().OpenFile(path);
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
}

void CloseCatalogue(TProgram &program)
{
    TMainForm &form = program.Window();
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    form.Action(cmd::CloseDbAction)->trigger();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    const bench::TWindowBenchEnvironment environment;
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString basePath = dir.filePath(QStringLiteral("base.db"));
    const QString addPath = dir.filePath(QStringLiteral("add.db"));
    bench::WriteCatalogue(basePath.toStdString(), 1, kRecords, kDiscs, "BASE_");
    const size_t added =
        bench::WriteCatalogue(addPath.toStdString(), 2, kRecords, kDiscs, "ADD_", kBigFolder);
    std::printf("records: %zu\n", added);

    TProgram program;
    TMainForm &form = program.Window();
    form.Options().ConfirmInterrupt = true;
    form.show();
    QApplication::processEvents();
    const TTree &tree = program.Session().MainTree();

    // The floor: the same records loaded in bulk into an empty tree.
    double start = bench::CpuSeconds();
    OpenAndShow(program, addPath);
    const double bulkSeconds = bench::CpuSeconds() - start;
    const size_t bulkNodes = size_t(CountNodes(tree.Root()));
    CloseCatalogue(program);

    OpenAndShow(program, basePath);
    const size_t baseNodes = size_t(CountNodes(tree.Root()));
    // The add dialog is answered as soon as it is shown; the time runs from
    // its answer to the merged tree being shown.
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->selectFile(addPath);
        start = bench::CpuSeconds();
        static_cast<QDialog *>(dialog)->accept(); // public there
    });
    start = 0;
    form.Action(cmd::AddDbAction)->trigger();
    QApplication::processEvents();
    const double mergeSeconds = bench::CpuSeconds() - start;
    const size_t mergedNodes = size_t(CountNodes(tree.Root()));

    // Every added node is there once, beside the open catalogue's; the
    // roots of both loads are counted in their sums once each.
    const bool ok = start != 0 && mergedNodes + 1 == baseNodes + bulkNodes &&
                    form.MainTreeView()->isExpanded(program.Session().MainModel().index(0, 0));
    std::printf("merged_ok: %d\n", ok ? 1 : 0);
    std::printf("nodes_added: %zu count\n", bulkNodes - 1);
    std::printf("bulk_seconds: %.3f s\n", bulkSeconds);
    std::printf("merge_seconds: %.3f s\n", mergeSeconds);
    std::printf("merge_ratio_vs_bulk: %.1f\n", mergeSeconds / bulkSeconds);
    CloseCatalogue(program);
    form.close();
    return ok ? 0 : 1;
}
