// Opening a catalogue table once, with the reason when it cannot be opened.

#include "storage/CatalogueTable.h"
#include "engine/Error.h"
#include "storage/CatalogueFields.h"
#include "storage/CatalogueFormat.h"
#include "storage/CatalogueReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

using namespace qbx;

namespace {

std::string TablePath(const QString &name)
{
    return QFile::encodeName(name).toStdString();
}

// A catalogue table with `records` records, of the old format when
// integerSize.
QString MakeCatalogue(const QTemporaryDir &dir, const QString &name, int records,
                      bool integerSize = false)
{
    const QString file = dir.filePath(name);
    engine::Table::Create(TablePath(file), CatalogueFieldDefs(integerSize));
    engine::Table table;
    table.Open(TablePath(file), engine::OpenMode::Exclusive);
    for (int i = 0; i < records; ++i) {
        const std::string path = "\\file" + std::to_string(i) + ".txt";
        const std::array<engine::Value, 7> values = {
            engine::Value::Text("DISC"), engine::Value::Text(path), engine::Value::Null(),
            engine::Value::Null(),       engine::Value::Null(),     engine::Value::Number(10),
            engine::Value::Null()};
        table.Append(values);
    }
    return file;
}

void Overwrite(const QString &file, qint64 offset, char byte)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(offset));
    ASSERT_EQ(f.write(&byte, 1), 1);
}

} // namespace

TEST(CatalogueTable, OpensCurrentAndOldCataloguesForReading)
{
    QTemporaryDir dir;
    TOpenedCatalogue current =
        OpenCatalogueTable(MakeCatalogue(dir, "cur.db", 3), engine::OpenMode::Exclusive);
    ASSERT_TRUE(current.Ok());
    EXPECT_EQ(current.format, TfCurrent);
    EXPECT_TRUE(current.table.IsOpen());
    EXPECT_EQ(current.table.RecordCount(), 3u);

    const TOpenedCatalogue old =
        OpenCatalogueTable(MakeCatalogue(dir, "old.db", 1, true), engine::OpenMode::Shared);
    ASSERT_TRUE(old.Ok());
    EXPECT_EQ(old.format, TfOld);
}

TEST(CatalogueTable, EachReasonATableCannotBeOpenedIsTold)
{
    QTemporaryDir dir;
    const auto problem = [](const QString &file, engine::OpenMode mode) {
        const TOpenedCatalogue opened = OpenCatalogueTable(file, mode);
        EXPECT_EQ(opened.table.IsOpen(), opened.Ok()) << "a refused table is left closed";
        return opened.problem;
    };
    EXPECT_EQ(problem(dir.filePath("missing.db"), engine::OpenMode::Shared), TOpenProblem::Missing);

    // Held by another opener: alone for reading, or at all for a shared one.
    const QString held = MakeCatalogue(dir, "held.db", 1);
    {
        engine::Table holder;
        holder.Open(TablePath(held), engine::OpenMode::Shared);
        EXPECT_EQ(problem(held, engine::OpenMode::Exclusive), TOpenProblem::Busy);
        EXPECT_EQ(problem(held, engine::OpenMode::Shared), TOpenProblem::None);
    }
    {
        engine::Table holder;
        holder.Open(TablePath(held), engine::OpenMode::Exclusive);
        const TOpenedCatalogue busy = OpenCatalogueTable(held, engine::OpenMode::Shared);
        EXPECT_EQ(busy.problem, TOpenProblem::Busy);
        EXPECT_EQ(TableProblemText(busy.engineCode), "Файл занят другой программой");
    }

    const QString text = dir.filePath("notes.db");
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    EXPECT_EQ(problem(text, engine::OpenMode::Shared), TOpenProblem::Damaged);

    const QString locked = MakeCatalogue(dir, "locked.db", 1);
    Overwrite(locked, 0x5C, 1); // the header's password flag
    EXPECT_EQ(problem(locked, engine::OpenMode::Shared), TOpenProblem::Protected);

    auto defs = CatalogueFieldDefs();
    defs.pop_back();
    const QString foreign = dir.filePath("six.db");
    engine::Table::Create(TablePath(foreign), defs);
    EXPECT_EQ(problem(foreign, engine::OpenMode::Exclusive), TOpenProblem::NotCatalogue);
    // The table is let go: the file can be taken alone again.
    EXPECT_EQ(OpenProblemOf(engine::ErrLocked), TOpenProblem::Busy);
    engine::Table again;
    EXPECT_NO_THROW(again.Open(TablePath(foreign), engine::OpenMode::Exclusive));
}
