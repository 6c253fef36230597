#pragma once

// The generated catalogue the benchmarks open and save: 1,000,000 records on
// 20 discs, folders up to six deep, Latin and Cyrillic names, every third
// file described. The same seed gives the same catalogue in every run.

#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"

#include <QString>

#include <array>
#include <cstdio>
#include <random>
#include <string>

namespace qbx::bench {

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

// Writes the catalogue to `path` and gives its record count.
inline size_t WriteGeneratedCatalogue(const std::string &path)
{
    engine::Table::Create(path, CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
    engine::Table table;
    table.Open(path, engine::OpenMode::Exclusive);
    std::mt19937_64 rng(20261207);
    Writer writer(table, rng);
    for (int d = 0; d < kDiscs && writer.written < kRecords; ++d)
        writer.Disc(d);
    return writer.written;
}

} // namespace qbx::bench
