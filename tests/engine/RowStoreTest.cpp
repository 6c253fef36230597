// Rows of a large result beyond the first chunks go to an unnamed file in the
// private directory, and read back the same; without a usable folder they
// stay in memory.

#include "EngineTestSupport.h"

#include "engine/SqlRowStore.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

#include <gtest/gtest.h>

using namespace qbx;
using engine::SqlRowStore;

namespace {

uint8_t ByteOf(uint32_t row, uint32_t b)
{
    return uint8_t(row * 7 + b) | 1; // never NUL: every byte is kept
}

std::vector<uint8_t> RowOf(const SqlRowStore &store, uint32_t index)
{
    std::vector<uint8_t> row(store.RecordSize(), 0xEE);
    store.CopyRow(index, row.data());
    return row;
}

void FillAndCheck(SqlRowStore &store, uint32_t rows)
{
    const uint32_t recordSize = store.RecordSize();
    std::vector<uint8_t> record(recordSize);
    for (uint32_t i = 0; i < rows; ++i) {
        for (uint32_t b = 0; b < recordSize; ++b)
            record[b] = ByteOf(i, b);
        store.Add(record.data());
    }
    ASSERT_EQ(store.Count(), rows);
    for (uint32_t i = 0; i < rows; i += 997) {
        const std::vector<uint8_t> row = RowOf(store, i);
        for (uint32_t b = 0; b < recordSize; ++b)
            ASSERT_EQ(row[b], ByteOf(i, b)) << i << " " << b;
    }
    EXPECT_EQ(RowOf(store, rows - 1)[0], ByteOf(rows - 1, 0));
}

// Rows of full records that fill `chunks` chunks and a little more.
uint32_t RowsPastChunks(uint32_t recordSize, size_t chunks)
{
    return uint32_t(chunks * SqlRowStore::kChunkBytes / recordSize + 5);
}

TEST(RowStore, LargeResultsSpillIntoAnUnnamedFileOfThePrivateDirectory)
{
    test::TempFolder dir;
    const uint32_t rows = RowsPastChunks(503, 3);
    SqlRowStore store(503, dir.Path(), 1, {{0, 32}, {32, 255}});
    FillAndCheck(store, rows);
    EXPECT_TRUE(store.Spilled());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path())); // nothing left to clean up

    SqlRowStore moved = std::move(store); // the result is moved as a whole
    EXPECT_EQ(RowOf(moved, rows - 1)[0], ByteOf(rows - 1, 0));

    SqlRowStore small(503, dir.Path(), 8);
    FillAndCheck(small, 100);
    EXPECT_FALSE(small.Spilled());
}

TEST(RowStore, WithoutAUsableFolderRowsStayInMemory)
{
    test::TempFolder dir;
    SqlRowStore store(100, dir.File("missing"), 1);
    FillAndCheck(store, RowsPastChunks(100, 2));
    EXPECT_FALSE(store.Spilled());
}

TEST(RowStore, TextFieldsComeBackByteForByteWithoutTheirPaddingKept)
{
    // Fields: text [0,8), raw [8,12), text [12,20), text [20,100); a span
    // past the record and one overlapping another are kept raw.
    test::TempFolder dir;
    SqlRowStore store(100, dir.Path(), 1, {{20, 80}, {0, 8}, {12, 8}, {90, 20}, {96, 8}});
    std::vector<std::vector<uint8_t>> records;
    const auto put = [](std::vector<uint8_t> &r, uint32_t at, std::string_view bytes) {
        std::copy(bytes.begin(), bytes.end(), r.begin() + at);
    };
    std::vector<uint8_t> r(100, 0);
    records.push_back(r);  // all NUL
    put(r, 0, "abcdefgh"); // a text filling its field
    put(r, 8, std::string_view("\0\1\0\2", 4));
    put(r, 12, "x");
    put(r, 20, std::string_view("ab\0\0zz\0q", 8)); // left-overs after the NUL
    records.push_back(r);
    std::fill(r.begin() + 20, r.end(), 0);
    r[99] = 'e'; // only the field's last byte
    records.push_back(r);
    // Full records would take one and a half chunks; without the padding
    // they fit in the one chunk kept in memory.
    const uint32_t triples = uint32_t(SqlRowStore::kChunkBytes * 3 / 2 / 300);
    for (uint32_t i = 0; i < triples; ++i)
        for (const std::vector<uint8_t> &record : records)
            store.Add(record.data());
    EXPECT_FALSE(store.Spilled());
    ASSERT_EQ(store.Count(), triples * 3);
    for (uint32_t i = 0; i < store.Count(); i += 101)
        ASSERT_EQ(RowOf(store, i), records[i % 3]) << i;
}

} // namespace
