// Reading catalogue records as text: repeated values share one text, empty
// fields stay empty, and a record's texts survive reading the next one.
#include "CatalogueFixture.h"

#include "storage/CatalogueReader.h"

namespace qbx::test {
namespace {

TEST_F(CatalogueTest, ReaderSharesRepeatedValuesAndKeepsEarlierTexts)
{
    const QString path =
        Write("cat.db", {{"Диск", "Игры\\setup.exe", "Фирма", "Игра", "1.0", 2048.9, "х"},
                         {"Диск", "Игры\\readme.txt", "", "", "", 0, ""},
                         {"Диск", "Игры\\play.exe", "Фирма", "Игра", "1.1", 7, "х"},
                         {"Другой", "", "Фирма", "", "", 0, ""}});
    engine::Table table;
    table.Open(path.toStdString(), engine::OpenMode::Shared);
    TCatalogueReader reader(table);

    ASSERT_TRUE(table.First());
    const TCatalogueRecord first = reader.Read();
    EXPECT_EQ(first.Path, "Игры\\setup.exe");
    EXPECT_EQ(first.Size, 2048);
    ASSERT_TRUE(table.Next());
    const TCatalogueRecord second = reader.Read();
    EXPECT_EQ(second.Path, "Игры\\readme.txt");
    EXPECT_TRUE(second.Producer.isEmpty());
    EXPECT_TRUE(second.Version.isEmpty());
    EXPECT_EQ(first.Path, "Игры\\setup.exe") << "kept by the caller while the next was read";
    ASSERT_TRUE(table.Next());
    const TCatalogueRecord third = reader.Read();
    EXPECT_EQ(third.Path, "Игры\\play.exe");
    EXPECT_EQ(third.Version, "1.1");
    // Across the empty values of the record between them.
    EXPECT_EQ(third.Producer.constData(), first.Producer.constData());
    EXPECT_EQ(third.Product.constData(), first.Product.constData());
    EXPECT_EQ(third.Label.constData(), first.Label.constData());
    ASSERT_TRUE(table.Next());
    const TCatalogueRecord fourth = reader.Read();
    EXPECT_EQ(fourth.Label, "Другой");
    EXPECT_TRUE(fourth.Path.isEmpty());
    EXPECT_EQ(fourth.Producer, "Фирма");
    EXPECT_FALSE(table.Next());
}

} // namespace
} // namespace qbx::test
