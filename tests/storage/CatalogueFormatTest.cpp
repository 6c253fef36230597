// Telling catalogue tables from other tables, creating, upgrading, the
// language driver and the full-table report.

#include "storage/CatalogueFormat.h"
#include "engine/Error.h"
#include "engine/Table.h"
#include "storage/CatalogueFields.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qbx;

namespace {

// Records every status text and command switch.
class RecordingStatus : public IStorageStatus {
public:
    void SetStatusText(const QString &text) override
    {
        text_ = text;
        texts << text;
    }
    QString StatusText() const override { return text_; }
    void ProcessPendingEvents() override { ++eventRuns; }
    void EnableCommands(bool enable) override { enables << enable; }

    QStringList texts;
    QList<bool> enables;
    int eventRuns = 0;

private:
    QString text_;
};

std::string Path(const QString &name)
{
    return QFile::encodeName(name).toStdString();
}

// A table with the catalogue's fields, one of them changed by `change`.
QString MakeTable(const QTemporaryDir &dir, const QString &name,
                  void (*change)(std::vector<engine::FieldDef> &) = nullptr,
                  bool integerSize = false)
{
    auto defs = CatalogueFieldDefs(integerSize);
    if (change)
        change(defs);
    const QString file = dir.filePath(name);
    engine::Table::Create(Path(file), defs);
    return file;
}

TEST(CatalogueFormat, CheckTellsCurrentOldAndForeignTables)
{
    QTemporaryDir dir;
    RecordingStatus status;
    EXPECT_EQ(CheckTableFormat(MakeTable(dir, "cur.db"), status), TfCurrent);
    EXPECT_EQ(status.texts, QStringList({"Проверка формата базы данных", ""}));
    EXPECT_GE(status.eventRuns, 1);
    EXPECT_EQ(CheckTableFormat(MakeTable(dir, "old.db", nullptr, true), status), TfOld);

    const struct {
        const char *name;
        void (*change)(std::vector<engine::FieldDef> &);
    } foreign[] = {
        {"label30.db", [](auto &d) { d[0].size = 30; }},
        {"lower.db", [](auto &d) { d[0].name = "label"; }},
        {"six.db", [](auto &d) { d.pop_back(); }},
        {"textsize.db", [](auto &d) { d[5] = engine::FieldDef::Alpha("ByteSize", 8); }},
        {"numlabel.db", [](auto &d) { d[6] = engine::FieldDef::Number("Description"); }},
    };
    for (const auto &f : foreign)
        EXPECT_EQ(CheckTableFormat(MakeTable(dir, f.name, f.change), status), TfNotCatalogue)
            << f.name;

    EXPECT_EQ(CheckTableFormat(dir.filePath("missing.db"), status), TfNotCatalogue);
    if (!test::FixturesDir().isEmpty()) {
        EXPECT_EQ(CheckTableFormat(test::FixturesDir() + "/paradox/AREACODE.DB", status),
                  TfNotCatalogue);
    }

    // A table another program holds open.
    const QString held = MakeTable(dir, "held.db");
    engine::Table holder;
    holder.Open(Path(held), engine::OpenMode::Exclusive);
    EXPECT_EQ(CheckTableFormat(held, status), TfNotCatalogue);
    EXPECT_EQ(status.StatusText(), "");
}

TEST(CatalogueFormat, CreateMakesAnEmptyCatalogueReplacingAnyFile)
{
    QTemporaryDir dir;
    QString name = dir.filePath("каталог.db");
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not a table");
    old.close();
    QString search = dir.filePath("other.db");
    RecordingStatus status;
    ASSERT_TRUE(CreateCatalogueTable(name, search, status));
    EXPECT_EQ(name, dir.filePath("каталог.db"));
    EXPECT_EQ(status.texts, QStringList({"Создание базы данных", ""}));
    EXPECT_EQ(CheckTableFormat(name, status), TfCurrent);
    engine::Table t;
    t.Open(Path(name));
    EXPECT_EQ(t.RecordCount(), 0u);
    EXPECT_EQ(t.Header().blockKiB, kCatalogueBlockKiB);
    EXPECT_EQ(TableLanguageDriver(name), "ANCYRR");

    QString nowhere = dir.filePath("no/such/folder.db");
    EXPECT_FALSE(CreateCatalogueTable(nowhere, search, status));
    EXPECT_EQ(status.StatusText(), "");
}

TEST(CatalogueFormat, TemporaryCopyFallsBackToAFolderOfItsName)
{
    QTemporaryDir dir;
    QString search = dir.filePath("tmp1.db");
    engine::Table::Create(Path(search), {engine::FieldDef::Alpha("A", 1)});
    QString name = search;
    RecordingStatus status;
    {
        engine::Table holder; // another program keeps the old copy locked
        holder.Open(Path(search), engine::OpenMode::Exclusive);
        ASSERT_TRUE(CreateCatalogueTable(name, search, status));
    }
    EXPECT_EQ(search, dir.filePath("tmp1.db/tmp1.db"));
    EXPECT_EQ(name, search);
    EXPECT_EQ(CheckTableFormat(name, status), TfCurrent);

    // The fall-back only creates one folder level; a missing parent fails.
    QString lost = dir.filePath("gone/tmp2.db");
    QString lostName = lost;
    EXPECT_FALSE(CreateCatalogueTable(lostName, lost, status));
    EXPECT_EQ(lost, dir.filePath("gone/tmp2.db"));
    EXPECT_FALSE(QDir(dir.filePath("gone")).exists());
}

TEST(CatalogueFormat, UpgradeKeepsRecordsAndLowersTheExtension)
{
    QTemporaryDir dir;
    QString file = MakeTable(dir, "OLD.DB", nullptr, true);
    {
        engine::Table t;
        t.Open(Path(file), engine::OpenMode::Exclusive);
        const engine::Value v[] = {engine::Value::Text("CD"),  engine::Value::Text("a\\b"),
                                   engine::Value::Null(),      engine::Value::Null(),
                                   engine::Value::Null(),      engine::Value::Number(2000000000),
                                   engine::Value::Text("\xf2")};
        t.Append(v);
    }
    RecordingStatus status;
    QString error = "stale";
    ASSERT_TRUE(UpgradeCatalogueTable(file, error, status));
    EXPECT_EQ(error, "");
    EXPECT_EQ(file, dir.filePath("OLD.db"));
    EXPECT_FALSE(QFile::exists(dir.filePath("OLD.DB")));
    EXPECT_EQ(status.enables, QList<bool>({false, true}));
    EXPECT_EQ(status.texts, QStringList({"Обновление формата базы данных", ""}));
    EXPECT_EQ(CheckTableFormat(file, status), TfCurrent);
    engine::Table t;
    t.Open(Path(file));
    ASSERT_TRUE(t.First());
    EXPECT_EQ(t.ReadNumber(CfByteSize), 2000000000.0);
    EXPECT_EQ(t.ReadText(CfPath), "a\\b");
    t.Close();

    engine::Table holder;
    holder.Open(Path(file), engine::OpenMode::Exclusive);
    EXPECT_FALSE(UpgradeCatalogueTable(file, error, status));
    // The engine's reason in the program's words, not its English message.
    EXPECT_EQ(error, "Файл занят другой программой.");
    EXPECT_EQ(status.enables.last(), true);
}

TEST(CatalogueFormat, LanguageDriverOfFilesUpperCased)
{
    QTemporaryDir dir;
    EXPECT_EQ(TableLanguageDriver(MakeTable(dir, "ёлка.db")), "ANCYRR");
    EXPECT_EQ(TableLanguageDriver(dir.filePath("none.db")), "");
    if (!test::FixturesDir().isEmpty()) {
        EXPECT_EQ(TableLanguageDriver(test::FixturesDir() + "/paradox/DECIMAL.DB"), "ANSII850");
    }
}

TEST(CatalogueFormat, OnlyTheFullTableErrorIsReported)
{
    RecordingStatus status;
    status.SetStatusText("Сохранение");
    test::ScriptedMessageBoxes boxes;
    ReportTableFull(engine::ErrLocked, "/x/a.db", status, boxes);
    ReportTableFull(engine::ErrGeneral, "/x/a.db", status, boxes);
    EXPECT_TRUE(boxes.shown.isEmpty());
    ReportTableFull(engine::ErrTableFull, "/x/a.db", status, boxes);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text,
              "/x/a.db\rТаблица заполнена до отказа. Сохраните данные в другой файл.");
    EXPECT_EQ(boxes.shown[0].caption, "Сохранение");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Error);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbOk));
}

} // namespace
