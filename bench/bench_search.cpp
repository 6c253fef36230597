// A global search in the real main window (offscreen) over a catalogue of
// 1,000,000 records that finds about 100,000 rows, from the statement to the
// shown result tree, in each of the four presentations; then the same search
// with unsaved changes, which first writes the temporary copy of the tree.
// The peer is the engine's query alone, run on the same statement.
#include "app/MainWindow.h"
#include "engine/Query.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "search/SearchConditions.h"
#include "search/TSearchGui.h"
#include "storage/CatalogueFields.h"
#include "storage/TCatalogueGui.h"
#include "tree/NodeRecord.h"
#include "tree/TCatalogueTree.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>

using namespace qbx;

namespace {

constexpr int kRecords = 1000000;
constexpr int kDiscs = 20;
constexpr int kFolderFiles = 200;

// Words of the generated file names; "vid" (in "video") marks about one
// file in ten. Folders are named by other words.
const std::array<const char *, 10> kWords = {"data", "setup", "music", "photo", "video",
                                             "docs", "game",  "book",  "note",  "mail"};
const std::array<const char *, 4> kFolderWords = {"disk", "part", "set", "box"};
const std::array<const char *, 6> kExt = {".txt", ".mp3", ".exe", ".jpg", ".avi", ".zip"};

// A catalogue in saved order: discs, two levels of folders, files.
int WriteCatalogue(const std::string &path)
{
    engine::Table::Create(path, CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
    engine::Table table;
    table.Open(path, engine::OpenMode::Exclusive);
    std::mt19937_64 rng(20261207);
    const std::string producer = codec::ToCp1251(QStringLiteral("Фирма Мелодия"));
    int written = 0;
    using V = engine::Value;
    const auto put = [&](const std::string &label, const std::string &p, int64_t size) {
        const bool described = rng() % 3 == 0;
        const V values[7] = {V::Text(label),
                             p.empty() ? V::Null() : V::Text(p),
                             described ? V::Text(producer) : V::Null(),
                             V::Null(),
                             described ? V::Text("1.0") : V::Null(),
                             V::Number(double(size)),
                             V::Null()};
        table.Append(values);
        ++written;
    };
    const auto word = [&] { return std::string(kWords[rng() % kWords.size()]); };
    const auto folderWord = [&] { return std::string(kFolderWords[rng() % kFolderWords.size()]); };
    for (int d = 0; d < kDiscs; ++d) {
        const std::string label = "DISC_" + std::to_string(d + 1);
        put(label, "", 0);
        for (int f = 0; written < kRecords * (d + 1) / kDiscs; ++f) {
            const std::string folder = folderWord() + std::to_string(f) + "\\";
            put(label, folder, 0);
            const std::string sub = folder + folderWord() + "_sub\\";
            put(label, sub, 0);
            for (int i = 0; i < kFolderFiles && written < kRecords * (d + 1) / kDiscs; ++i)
                put(label, sub + word() + std::to_string(i) + kExt[rng() % kExt.size()],
                    int64_t(rng() % 100000000));
        }
    }
    return written;
}

double Seconds(const QElapsedTimer &t)
{
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
    const QString path = dir.filePath(QStringLiteral("big.db"));
    std::printf("records: %d\n", WriteCatalogue(QFile::encodeName(path).toStdString()));

    const QString condition =
        GlobalCondition(PrepareSearchText(QStringLiteral("*vid*"), true), true);

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

    TMainForm form;
    TOptions &options = form.Options();
    options.Confirm100.clear();
    options.ConfirmHalf.clear();
    form.show();
    QApplication::processEvents();
    form.Catalogue().Files().OpenFile(path);

    static const char *const names[] = {"standard", "producer", "list", "leaf"};
    bool ok = true;
    double total = 0;
    for (int p = PresentStandard; p <= PresentLeaves; ++p) {
        form.Commands().SetChecked(qbx::CommandAt(FirstFoundViewSet + p), true);
        timer.restart();
        const int found = form.Search().RunNewSearch(condition);
        QApplication::processEvents();
        const double seconds = Seconds(timer);
        total += seconds;
        if (found != rows || options.DbState != qbx::DbFound ||
            !form.SearchTreeView()->isVisible()) {
            std::printf("failed_%s: found %d, mode %d\n", names[p], found, int(options.DbState));
            ok = false;
        }
        std::printf("search_to_tree_seconds_%s: %.3f s\n", names[p], seconds);
        std::printf("tree_build_seconds_%s: %.3f s\n", names[p], seconds - querySeconds);
    }
    std::printf("query_seconds: %.3f s\n", querySeconds);
    std::printf("build_ratio_vs_query: %.1f\n", total / 4 / querySeconds);

    // Unsaved changes: the catalogue is loaded, changed, and the search
    // writes the temporary copy first.
    form.Commands().SetChecked(cmd::FoundViewStandardAction, true);
    form.Action(cmd::EntireViewAction)->trigger();
    QApplication::processEvents();
    form.Catalogue().Catalogue().InsertItem(QStringLiteral("DISC_1"), QStringLiteral("video.new"),
                                            {}, {}, {}, 1, {}, false);
    form.Catalogue().Catalogue().OnTreeChanged();
    timer.restart();
    const int found = form.Search().RunNewSearch(condition);
    QApplication::processEvents();
    const double copySeconds = Seconds(timer);
    if (found != rows + 1 || options.SearchTable.isEmpty()) {
        std::printf("failed_copy: found %d\n", found);
        ok = false;
    }
    std::printf("search_copy_seconds: %.3f s\n", copySeconds);
    std::printf("search_ok: %d\n", ok ? 1 : 0);

    options.ConfirmUnsaved = QStringLiteral("0");
    form.close();
    return ok ? 0 : 1;
}
