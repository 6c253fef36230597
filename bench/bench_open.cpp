// Opening a catalogue of 1,000,000 records in the real main window (offscreen)
// and switching to the whole-catalogue view: the table is read into the tree,
// the root expanded and selected. The peer is the physical floor of the same
// run: reading the file once from the page cache.
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

const std::array<const char *, 8> kLatin = {"data", "setup", "music", "photo",
                                            "disk", "video", "docs",  "readme"};
const std::array<const char16_t *, 8> kCyrillic = {u"отчёт", u"музыка", u"фото",  u"архив",
                                                   u"игры",  u"книги",  u"видео", u"письмо"};
const std::array<const char *, 8> kExt = {".txt", ".mp3", ".exe", ".jpg",
                                          ".doc", ".zip", ".avi", ".dll"};

class Writer {
public:
    Writer(engine::Table &table, std::mt19937_64 &rng) : table_(table), rng_(rng) {}

    void Disc(int d)
    {
        label_ = "DISC_" + std::to_string(d + 1);
        Put("", 0, false);
        Folder("", 0, kRecords / kDiscs - 1);
    }
    size_t written = 0;

private:
    std::string Name()
    {
        if (rng_() % 2)
            return kLatin[rng_() % kLatin.size()] + std::to_string(rng_() % 1000);
        return codec::ToCp1251(QString::fromUtf16(kCyrillic[rng_() % kCyrillic.size()])) +
               std::to_string(rng_() % 1000);
    }

    // Writes `budget` records below the folder `path` in saved order.
    void Folder(const std::string &path, int depth, size_t budget)
    {
        size_t index = 0;
        while (budget > 0 && written < kRecords) {
            const std::string name = Name() + "_" + std::to_string(index++);
            if (depth < 6 && budget > 40 && rng_() % 8 == 0) {
                const std::string sub = path + name + "\\";
                Put(sub, 0, false);
                --budget;
                const size_t share = std::min(budget, size_t(rng_() % 400 + 20));
                Folder(sub, depth + 1, share);
                budget -= share;
            } else {
                Put(path + name + kExt[rng_() % kExt.size()], int64_t(rng_() % 100000000),
                    rng_() % 3 == 0);
                --budget;
            }
        }
    }

    void Put(const std::string &path, int64_t size, bool described)
    {
        using V = engine::Value;
        static const std::string producer = codec::ToCp1251(QStringLiteral("Фирма Мелодия"));
        static const std::string product = "Product";
        static const std::string description = codec::ToCp1251(QStringLiteral("описание"));
        const V values[7] = {V::Text(label_),
                             path.empty() ? V::Null() : V::Text(path),
                             described ? V::Text(producer) : V::Null(),
                             described ? V::Text(product) : V::Null(),
                             described ? V::Text("1.0") : V::Null(),
                             V::Number(double(size)),
                             described ? V::Text(description) : V::Null()};
        table_.Append(values);
        ++written;
    }

    engine::Table &table_;
    std::mt19937_64 &rng_;
    std::string label_;
};

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
    {
        engine::Table::Create(path, CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
        engine::Table table;
        table.Open(path, engine::OpenMode::Exclusive);
        std::mt19937_64 rng(20261207);
        Writer writer(table, rng);
        for (int d = 0; d < kDiscs && writer.written < kRecords; ++d)
            writer.Disc(d);
        std::printf("records: %zu\n", writer.written);
    }
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
                    model.rowCount(model.index(0, 0)) == kDiscs;
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
