// Opening a catalogue of 1,000,000 records in the real main window (offscreen)
// and switching to the whole-catalogue view: the table is read into the tree,
// the root expanded and selected. The peer is the physical floor of the same
// run: reading the file once from the page cache.
#include "WindowBench.h"

#include "app/MainWindow.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "storage/TCatalogueGui.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeView>

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace qbx;

namespace {

constexpr size_t kRecords = 1000000;
constexpr int kDiscs = 20;

double ReadFileSeconds(const std::string &path)
{
    QElapsedTimer t;
    t.start();
    std::FILE *f = std::fopen(path.c_str(), "rb");
    std::vector<char> buffer(1 << 20);
    while (f && std::fread(buffer.data(), 1, buffer.size(), f) == buffer.size()) {
    }
    if (f)
        std::fclose(f);
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    const bench::TWindowBenchEnvironment environment;
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("big.db")).toStdString();
    std::printf("records: %zu\n", bench::WriteCatalogue(path, 20261207, kRecords, kDiscs, "DISC_"));
    // Warm the page cache the same way for both measurements.
    ReadFileSeconds(path);
    const double readSeconds = ReadFileSeconds(path);

    TMainForm form;
    form.Options().ConfirmInterrupt = true;
    form.show();
    QApplication::processEvents();
    const long rssBefore = bench::ResidentKiB();

    QElapsedTimer timer;
    timer.start();
    form.Catalogue().Files().OpenFile(QString::fromStdString(path));
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    const double openSeconds = double(timer.nsecsElapsed()) / 1e9;

    TTreeModel &model = form.Catalogue().MainModel();
    const bool ok = form.MainTreeView()->isExpanded(model.index(0, 0)) &&
                    model.rowCount(model.index(0, 0)) == kDiscs;
    std::printf("loaded_ok: %d\n", ok ? 1 : 0);
    std::printf("open_seconds: %.3f s\n", openSeconds);
    std::printf("rss_mb: %.1f MB\n", double(bench::ResidentKiB()) / 1024.0);
    std::printf("rss_growth_mb: %.1f MB\n", double(bench::ResidentKiB() - rssBefore) / 1024.0);
    std::printf("read_seconds: %.3f s\n", readSeconds);
    std::printf("open_ratio_vs_read: %.1f\n", openSeconds / readSeconds);
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    form.close();
    return ok ? 0 : 1;
}
