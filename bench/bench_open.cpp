// Opening a catalogue of 1,000,000 records in the real main window (offscreen)
// and switching to the whole-catalogue view: the table is read into the tree,
// the root expanded and selected. The peer is the physical floor of the same
// run: reading the file once from the page cache. Then the same steps are
// timed alone to show where the time goes, and a catalogue of 3,000,000
// records is opened the same way (`--quick` leaves that out).
//
// The open reads and decodes the records on a second thread while the tree
// is built, so open_seconds is the clock time the user waits (take it on a
// quiet machine); open_cpu_seconds is the processor time of both threads.
// The steps are processor time, each measured alone.
#include "WindowBench.h"

#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "interaction/ConflictAnswers.h"
#include "interaction/ConflictPrompt.h"
#include "storage/CatalogueReader.h"
#include "storage/CatalogueWriter.h"
#include "tree/TCatalogueTree.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace qbx;

namespace {

constexpr size_t kRecords = 1000000;
constexpr size_t kLargeRecords = 3000000;
constexpr int kDiscs = 20;

double ReadFileSeconds(const std::string &path)
{
    const double start = bench::CpuSeconds();
    std::FILE *f = std::fopen(path.c_str(), "rb");
    std::vector<char> buffer(1 << 20);
    while (f && std::fread(buffer.data(), 1, buffer.size(), f) == buffer.size()) {
    }
    if (f)
        std::fclose(f);
    return bench::CpuSeconds() - start;
}

struct OpenFigures {
    double seconds = 0;
    double wallSeconds = 0;
    long residentGrowthKiB = 0;
    size_t nodes = 0;
    bool ok = false;
};

OpenFigures OpenInWindow(TProgram &program, const QString &path)
{
    TMainForm &form = program.Window();
    OpenFigures f;
    const long before = bench::ResidentKiB();
    QElapsedTimer wall;
    wall.start();
    const double start = bench::CpuSeconds();
    program.Session().Files().OpenFile(path);
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    f.seconds = bench::CpuSeconds() - start;
    f.wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    f.residentGrowthKiB = bench::ResidentKiB() - before;
    TTreeModel &model = program.Session().MainModel();
    f.nodes = size_t(CountNodes(program.Session().MainTree().Root()));
    f.ok = form.MainTreeView()->isExpanded(model.index(0, 0)) &&
           model.rowCount(model.index(0, 0)) == kDiscs;
    return f;
}

void CloseInWindow(TProgram &program)
{
    TMainForm &form = program.Window();
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    form.Action(cmd::CloseDbAction)->trigger();
    QApplication::processEvents();
}

class KeepAll : public IConflictPrompt {
public:
    TConflictAnswer AskConflict(const QString &) override { return ConflictKeepAll; }
};

// The steps of a load, each timed alone and directly on the same table.
struct Steps {
    double decode = 0; // reading and decoding the records
    double insert = 0; // creating the nodes and descriptions of decoded records
    double find = 0;   // walking to every record's node when all exist
    double settle = 0; // putting every folder's children in order (on first look, after the open)
};

Steps MeasureSteps(const std::string &path)
{
    Steps s;
    std::vector<TCatalogueRecord> records;
    {
        engine::Table table;
        table.Open(path, engine::OpenMode::Shared);
        TCatalogueReader reader(table);
        records.reserve(table.RecordCount());
        const double start = bench::CpuSeconds();
        for (bool more = table.First(); more; more = table.Next())
            records.push_back(reader.Read());
        s.decode = bench::CpuSeconds() - start;
    }
    TConflictAnswers answers;
    KeepAll prompt;
    TTree tree;
    TCatalogueTree catalogue(tree, answers, prompt);
    const auto insertAll = [&] {
        const double start = bench::CpuSeconds();
        for (const TCatalogueRecord &r : records)
            catalogue.InsertItem(r.Label, r.Path, r.Producer, r.Product, r.Version, r.Size,
                                 r.Description, false);
        return bench::CpuSeconds() - start;
    };
    {
        TTreeUpdate update(tree);
        s.insert = insertAll();
        const double start = bench::CpuSeconds();
        CountNodes(tree.Root()); // the walk settles every sibling list
        s.settle = bench::CpuSeconds() - start;
        s.find = insertAll();
    }
    return s;
}

// What the window does with a loaded tree: the view hears of the whole tree
// at once, the root is expanded and selected and the window painted.
double WindowSeconds(TProgram &program)
{
    TMainForm &form = program.Window();
    TTreeModel &model = program.Session().MainModel();
    const double start = bench::CpuSeconds();
    {
        TTreeUpdate update(program.Session().MainTree());
    }
    form.MainTreeView()->expand(model.index(0, 0));
    form.MainTreeView()->setCurrentIndex(model.index(0, 0));
    QApplication::processEvents();
    return bench::CpuSeconds() - start;
}

} // namespace

int main(int argc, char **argv)
{
    const bench::TWindowBenchEnvironment environment;
    QApplication app(argc, argv);
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.db"));
    std::printf("records: %zu\n",
                bench::WriteCatalogue(path.toStdString(), 20261207, kRecords, kDiscs, "DISC_"));
    // Warm the page cache the same way for both measurements.
    ReadFileSeconds(path.toStdString());
    const double readSeconds = ReadFileSeconds(path.toStdString());

    TProgram program;
    TMainForm &form = program.Window();
    form.Options().ConfirmInterrupt = true;
    form.show();
    QApplication::processEvents();
    const OpenFigures open = OpenInWindow(program, path);
    const double windowSeconds = WindowSeconds(program);
    CloseInWindow(program);
    std::printf("loaded_ok: %d\n", open.ok ? 1 : 0);
    std::printf("nodes: %zu count\n", open.nodes);
    std::printf("open_seconds: %.3f s\n", open.wallSeconds);
    std::printf("open_cpu_seconds: %.3f s\n", open.seconds);
    std::printf("load_bytes_per_node: %.0f bytes\n",
                double(open.residentGrowthKiB) * 1024.0 / double(open.nodes));
    std::printf("read_seconds: %.3f s\n", readSeconds);
    std::printf("open_ratio_vs_read: %.1f\n", open.wallSeconds / readSeconds);

    const Steps steps = MeasureSteps(path.toStdString());
    std::printf("decode_seconds: %.3f s\n", steps.decode);
    std::printf("find_parents_seconds: %.3f s\n", steps.find);
    std::printf("insert_nodes_seconds: %.3f s\n", steps.insert);
    // A folder's children are put in order when it is first looked at, so
    // the open itself settles only the folders the window shows.
    std::printf("settle_order_seconds: %.3f s\n", steps.settle);
    std::printf("window_seconds: %.3f s\n", windowSeconds);

    bool ok = open.ok;
    if (!quick) {
        QFile::remove(path);
        const QString large = dir.filePath(QStringLiteral("large.db"));
        bench::WriteCatalogue(large.toStdString(), 20261208, kLargeRecords, kDiscs, "DISC_");
        ReadFileSeconds(large.toStdString());
        const OpenFigures open3 = OpenInWindow(program, large);
        CloseInWindow(program);
        std::printf("loaded_3m_ok: %d\n", open3.ok ? 1 : 0);
        std::printf("open_seconds_3m: %.3f s\n", open3.wallSeconds);
        std::printf("open_cpu_seconds_3m: %.3f s\n", open3.seconds);
        ok = ok && open3.ok;
    }
    form.close();
    return ok ? 0 : 1;
}
