// What the benchmarks of the main window share: generated catalogue tables,
// the window's surroundings and the process's resident set. Records come in the order a saved
// catalogue holds them (each folder's contents right after it), siblings in no particular order, so
// that inserting them has to find each one's place.
#pragma once

#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"

#include <QString>
#include <QTemporaryDir>

#include <time.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace qbx::bench {

// Words of generated names: half Latin, half Cyrillic.
inline constexpr std::array<const char16_t *, 8> kLatinWords = {
    u"data", u"setup", u"music", u"photo", u"disk", u"video", u"docs", u"readme"};
inline constexpr std::array<const char16_t *, 8> kCyrillicWords = {
    u"отчёт", u"музыка", u"фото", u"архив", u"игры", u"книги", u"видео", u"письмо"};

// A word and a number, the numbered form of the names of a generated tree.
inline QString RandomName(std::mt19937_64 &rng)
{
    const bool latin = rng() % 2 != 0;
    const char16_t *word = (latin ? kLatinWords : kCyrillicWords)[rng() % kLatinWords.size()];
    return QString::fromUtf16(word) + QString::number(rng() % 1000);
}

// How a generated tree branches: a folder opens one time in folderOneIn
// while the depth is below maxDepth and more than minBudget entries remain,
// and gets shareMin + (0..shareSpread) entries of them.
struct TTreeShape {
    int maxDepth = 6;
    size_t minBudget = 40;
    unsigned folderOneIn = 8;
    size_t shareMin = 20;
    size_t shareSpread = 400;
};

// Generates `budget` entries below a folder: sink.Folder(path, name) makes a
// folder and gives its path, sink.File(path, name) makes a file, and
// sink.Full() ends the generation early. Names are unique in their folder.
template <class Sink, class Path>
void GenerateFolder(std::mt19937_64 &rng, const TTreeShape &shape, Sink &sink, const Path &path,
                    int depth, size_t budget)
{
    size_t index = 0;
    while (budget > 0 && !sink.Full()) {
        const QString name = RandomName(rng) + u'_' + QString::number(index++);
        if (depth < shape.maxDepth && budget > shape.minBudget && rng() % shape.folderOneIn == 0) {
            const Path sub = sink.Folder(path, name);
            --budget;
            const size_t share =
                std::min(budget, size_t(rng() % shape.shareSpread + shape.shareMin));
            GenerateFolder(rng, shape, sink, sub, depth + 1, share);
            budget -= share;
        } else {
            sink.File(path, name);
            --budget;
        }
    }
}

class TCatalogueWriter {
public:
    TCatalogueWriter(engine::Table &table, uint64_t seed, size_t records)
        : table_(table), rng_(seed), records_(records)
    {
    }

    // One disc of `budget` records (its own record included) named
    // prefix + number.
    void Disc(const std::string &label, size_t budget)
    {
        label_ = label;
        Put("", 0, false);
        GenerateFolder(rng_, TTreeShape{}, *this, std::string(), 0, budget - 1);
    }

    // A folder three levels down on disc `label` with `count` files in
    // random order.
    void BigFolder(const std::string &label, size_t count)
    {
        label_ = label;
        const std::string photo = codec::ToCp1251(QStringLiteral("Фото"));
        Put(photo + "\\", 0, false);
        Put(photo + "\\Archive\\", 0, false);
        const std::string folder = photo + "\\Archive\\2004\\";
        Put(folder, 0, false);
        std::vector<size_t> numbers(count);
        std::iota(numbers.begin(), numbers.end(), size_t(0));
        std::shuffle(numbers.begin(), numbers.end(), rng_);
        for (const size_t n : numbers)
            Put(folder + "IMG_" + std::to_string(n) + ".jpg", int64_t(rng_() % 5000000) + 1,
                rng_() % 3 == 0);
    }

    // The generator's sink: records in the order a saved catalogue holds them.
    bool Full() const { return written >= records_; }
    std::string Folder(const std::string &path, const QString &name)
    {
        const std::string sub = path + codec::ToCp1251(name) + "\\";
        Put(sub, 0, false);
        return sub;
    }
    void File(const std::string &path, const QString &name)
    {
        Put(path + codec::ToCp1251(name) + kExt[rng_() % kExt.size()], int64_t(rng_() % 100000000),
            rng_() % 3 == 0);
    }

    size_t written = 0;

private:
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

    static constexpr std::array<const char *, 8> kExt = {".txt", ".mp3", ".exe", ".jpg",
                                                         ".doc", ".zip", ".avi", ".dll"};

    engine::Table &table_;
    std::mt19937_64 rng_;
    size_t records_;
    std::string label_;
};

// Creates the table `path` and fills it with `records` records on `discs`
// discs named prefix1, prefix2...; with bigFolder > 0 the middle disc also
// holds one folder of that many files.
inline size_t WriteCatalogue(const std::string &path, uint64_t seed, size_t records, int discs,
                             const std::string &prefix, size_t bigFolder = 0)
{
    engine::Table::Create(path, CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
    engine::Table table;
    table.Open(path, engine::OpenMode::Exclusive);
    TCatalogueWriter writer(table, seed, records);
    const size_t perDisc = (records - bigFolder) / size_t(discs);
    for (int d = 0; d < discs && writer.written < records; ++d) {
        const std::string label = prefix + std::to_string(d + 1);
        writer.Disc(label, perDisc);
        if (bigFolder > 0 && d == discs / 2)
            writer.BigFolder(label, bigFolder);
    }
    return writer.written;
}

// Set up before the application object: the offscreen platform unless
// another one is asked for, and options kept in a folder of their own.
class TWindowBenchEnvironment {
public:
    TWindowBenchEnvironment()
    {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

private:
    QTemporaryDir config_;
};

// Processor time of this process: the benchmark machine is shared, and
// waiting for a processor is not the program's cost.
inline double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The process's resident set.
inline long ResidentKiB()
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

} // namespace qbx::bench
