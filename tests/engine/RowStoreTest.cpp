// Rows of a large result beyond the first chunks go to an unnamed file in the
// private directory, and read back the same; without a usable folder they
// stay in memory.

#include "EngineTestSupport.h"

#include "engine/SqlRowStore.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace qbx;
using engine::SqlRowStore;

namespace {

void FillAndCheck(SqlRowStore &store, uint32_t rows, uint32_t recordSize)
{
    std::vector<uint8_t> record(recordSize);
    for (uint32_t i = 0; i < rows; ++i) {
        for (uint32_t b = 0; b < recordSize; ++b)
            record[b] = uint8_t(i * 7 + b);
        store.Add(record.data());
    }
    ASSERT_EQ(store.Count(), rows);
    for (uint32_t i = 0; i < rows; i += 997)
        for (uint32_t b = 0; b < recordSize; ++b)
            ASSERT_EQ(store.Row(i)[b], uint8_t(i * 7 + b)) << i << " " << b;
    EXPECT_EQ(store.Row(rows - 1)[0], uint8_t((rows - 1) * 7));
}

TEST(RowStore, LargeResultsSpillIntoAnUnnamedFileOfThePrivateDirectory)
{
    test::TempFolder dir;
    const uint32_t rows = 3 * SqlRowStore::kRowsPerChunk + 5;
    SqlRowStore store(503, dir.Path(), 1);
    FillAndCheck(store, rows, 503);
    EXPECT_TRUE(store.Spilled());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path())); // nothing left to clean up

    SqlRowStore moved = std::move(store); // the result is moved as a whole
    EXPECT_EQ(moved.Row(rows - 1)[0], uint8_t((rows - 1) * 7));

    SqlRowStore small(503, dir.Path(), 8);
    FillAndCheck(small, 100, 503);
    EXPECT_FALSE(small.Spilled());
}

TEST(RowStore, WithoutAUsableFolderRowsStayInMemory)
{
    test::TempFolder dir;
    SqlRowStore store(100, dir.File("missing"), 1);
    FillAndCheck(store, 2 * SqlRowStore::kRowsPerChunk + 1, 100);
    EXPECT_FALSE(store.Spilled());
}

} // namespace
