// A global search in the real main window (offscreen) over the generated
// catalogue of 1,000,000 records for "txt", which finds about 110,000 rows, from the statement to
// the shown result tree, in each of the four presentations; then the same search with unsaved
// changes, which reads the records from the tree itself. The peer is the engine's query alone, run
// on the same statement.
#include "WindowBench.h"

#include "app/gui/MainForm.h"
#include "app/gui/PaneTreeWidget.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TSearchGui.h"
#include "engine/Query.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "search/SearchConditions.h"
#include "storage/CatalogueFields.h"
#include "tree/NodeRecord.h"
#include "tree/TCatalogueTree.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>
#include <string>

using namespace qbx;

namespace {

constexpr size_t kRecords = 1000000;
constexpr int kDiscs = 20;

double Seconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    const bench::TWindowBenchEnvironment environment;
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.db"));
    std::printf("records: %zu\n", bench::WriteCatalogue(QFile::encodeName(path).toStdString(),
                                                        20261207, kRecords, kDiscs, "DISC_"));

    const QString condition =
        GlobalCondition(PrepareSearchText(QStringLiteral("*txt*"), true), true);

    // The floor: the engine's query alone, on a warm page cache.
    engine::Query query;
    const std::string statement = "SELECT * FROM \"" + QFile::encodeName(path).toStdString() +
                                  "\" WHERE " + codec::ToCp1251(condition);
    query.Open(statement);
    QElapsedTimer timer;
    timer.start();
    query.Open(statement);
    const double querySeconds = Seconds(timer);
    const int rows = int(query.RecordCount());
    query.Close();
    std::printf("rows_found: %d\n", rows);

    TProgram program;
    TMainForm &form = program.Window();
    TOptions &options = form.Options();
    options.Confirm100.clear();
    options.ConfirmHalf.clear();
    form.show();
    QApplication::processEvents();
    program.Session().Files().OpenFile(path);

    static const char *const names[] = {"standard", "producer", "list", "leaf"};
    bool ok = true;
    double total = 0;
    double builds[4] = {};
    for (int p = PresentStandard; p <= PresentLeaves; ++p) {
        form.Commands().SetChecked(qbx::CommandAt(FirstFoundViewSet + p), true);
        const auto *pane = dynamic_cast<const TPaneTreeWidget *>(form.SearchTreeView());
        const int measuredBefore = pane ? pane->Measurements() : 0;
        timer.restart();
        const int found = program.Search().RunNewSearch(condition);
        QApplication::processEvents();
        const double seconds = Seconds(timer);
        total += seconds;
        if (found != rows || form.WindowState().DbState() != qbx::DbFound ||
            !form.SearchTreeView()->isVisible()) {
            std::printf("failed_%s: found %d, mode %d\n", names[p], found,
                        int(form.WindowState().DbState()));
            ok = false;
        }
        std::printf("search_to_tree_seconds_%s: %.3f s\n", names[p], seconds);
        // How often the result view measured its rows for the column's width.
        if (pane)
            std::printf("column_measurements_%s: %d\n", names[p],
                        pane->Measurements() - measuredBefore);
        builds[p] = seconds - querySeconds;
        std::printf("tree_build_seconds_%s: %.3f s\n", names[p], builds[p]);
    }
    std::printf("query_seconds: %.3f s\n", querySeconds);
    for (int p = PresentStandard; p <= PresentLeaves; ++p)
        std::printf("build_ratio_vs_query_%s: %.2f\n", names[p], builds[p] / querySeconds);
    std::printf("build_ratio_vs_query: %.1f\n", total / 4 / querySeconds);

    // Unsaved changes: the catalogue is loaded, changed, and the search goes
    // over the records the tree would be saved as.
    form.Commands().SetChecked(cmd::FoundViewStandardAction, true);
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    program.Session().Catalogue().InsertItem(QStringLiteral("DISC_1"), QStringLiteral("new.txt"),
                                             {}, {}, {}, 1, {}, false);
    program.Session().Catalogue().OnTreeChanged();
    timer.restart();
    const int found = program.Search().RunNewSearch(condition);
    QApplication::processEvents();
    const double copySeconds = Seconds(timer);
    if (found != rows + 1) {
        std::printf("failed_copy: found %d\n", found);
        ok = false;
    }
    std::printf("search_copy_seconds: %.3f s\n", copySeconds);
    std::printf("search_copy_ratio_vs_query: %.2f\n", copySeconds / querySeconds);
    std::printf("search_ok: %d\n", ok ? 1 : 0);

    options.ConfirmUnsaved = QStringLiteral("0");
    form.close();
    return ok ? 0 : 1;
}
