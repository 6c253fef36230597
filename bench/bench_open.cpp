// Opening a catalogue of 1,000,000 records in the real main window (offscreen)
// and switching to the whole-catalogue view: the table is read into the tree,
// the root expanded and selected. The peer is the physical floor of the same
// run: reading the file once from the page cache.
#include "GeneratedCatalogue.h"
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

long RssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

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
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("big.db")).toStdString();
    std::printf("records: %zu\n", bench::WriteGeneratedCatalogue(path));
    // Warm the page cache the same way for both measurements.
    ReadFileSeconds(path);
    const double readSeconds = ReadFileSeconds(path);

    TMainForm form;
    form.Options().ConfirmInterrupt = true;
    form.show();
    QApplication::processEvents();
    const long rssBefore = RssKiB();

    QElapsedTimer timer;
    timer.start();
    form.Catalogue().Files().OpenFile(QString::fromStdString(path));
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    const double openSeconds = double(timer.nsecsElapsed()) / 1e9;

    TTreeModel &model = form.Catalogue().MainModel();
    const bool ok = form.MainTreeView()->isExpanded(model.index(0, 0)) &&
                    model.rowCount(model.index(0, 0)) == bench::kDiscs;
    std::printf("loaded_ok: %d\n", ok ? 1 : 0);
    std::printf("open_seconds: %.3f s\n", openSeconds);
    std::printf("rss_mb: %.1f MB\n", double(RssKiB()) / 1024.0);
    std::printf("rss_growth_mb: %.1f MB\n", double(RssKiB() - rssBefore) / 1024.0);
    std::printf("read_seconds: %.3f s\n", readSeconds);
    std::printf("open_ratio_vs_read: %.1f\n", openSeconds / readSeconds);
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    form.close();
    return ok ? 0 : 1;
}
