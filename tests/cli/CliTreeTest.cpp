#include "CliFixture.h"

#include "engine/Table.h"

namespace qbx::test {
namespace {

TEST_F(CliTest, TreePrintsTheTextTreeOfSavingByLevels)
{
    const QString cat = Write("cat.db", {{"B", "", "", "", "", 0, ""},
                                         {"A", "Дир\\", "", "", "", 0, ""},
                                         {"A", "Дир\\файл.txt", "", "", "", 5, ""},
                                         {"A", "top.bin", "", "", "", 7, ""}});
    const CliRun all = Run({"tree", cat});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, "\\\n\tA\n\t\tДир\n\t\t\tфайл.txt\n\t\ttop.bin\n\tB\n");

    const CliRun one = Run({"tree", cat, "--disc", "a"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, "A\n\tДир\n\t\tфайл.txt\n\ttop.bin\n");

    const CliRun missing = Run({"tree", cat, "--disc", "C"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("C"));
}

TEST_F(CliTest, ACatalogueAnotherProgramReadsIsReportedBusyInWords)
{
    // A reader shares the table; the reading needs it alone.
    const QString cat = Write("cat.db", SampleRecords());
    engine::Table reader;
    reader.Open(cat.toStdString(), engine::OpenMode::Shared);
    for (const char *command : {"tree", "stats", "dupes"}) {
        const CliRun r = Run({command, cat});
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_EQ(r.err, "qubrix-cli: " + cat + ": файл занят другой программой\n") << command;
    }
}

} // namespace
} // namespace qbx::test
