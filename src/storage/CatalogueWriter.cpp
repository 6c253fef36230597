#include "storage/CatalogueWriter.h"

#include "engine/Error.h"
#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "storage/FileReplacement.h"
#include "tree/TFoundRecord.h"
#include "tree/TItemDescription.h"
#include "tree/TTreeNode.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <vector>

namespace qbx {

namespace {

// Appends each record to a table.
class TTableTarget final : public IRecordTarget {
public:
    explicit TTableTarget(engine::Table &table) : table_(table) {}
    void Put(std::span<const engine::Value> values) override { table_.Append(values); }

private:
    engine::Table &table_;
};

// Gives a walk the room of the table's next record to write it in place.
class TTableSink final : public engine::RecordSink {
public:
    explicit TTableSink(engine::Table &table) : table_(table) {}
    uint8_t *Next() override { return table_.BulkRecord(); }

private:
    engine::Table &table_;
};

// Whether the walk can write the table's records itself: the fields are
// the catalogue's kinds (an older catalogue's integer size is not).
bool TakesRecordsInPlace(const std::vector<engine::FieldDef> &fields)
{
    const std::vector<engine::FieldDef> catalogue = CatalogueFieldDefs();
    if (fields.size() != catalogue.size())
        return false;
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].type != catalogue[i].type)
            return false;
    return true;
}

// Appends the tree's records to the table file at `path`, flushes it and
// reads it back: it must hold every record.
TWriteResult AppendAndCheck(const TTreeNode *root, TRecordSource source, const std::string &path,
                            IWriteProgress &progress, engine::FileSystem &fs)
{
    TWriteResult result;
    engine::Table table;
    table.Open(path, engine::OpenMode::Exclusive, fs);
    // The table is written beside the file it replaces: records go to it a
    // whole block at a time, the walk writing each in its place.
    table.StartBulkAppend();
    bool walked = false;
    if (TakesRecordsInPlace(table.Fields())) {
        TTableSink sink(table);
        walked = WalkTreeRecords(root, source, sink, table.Layout(), progress);
    } else {
        TTableTarget target(table);
        walked = WalkTreeRecords(root, source, target, progress);
    }
    if (!walked) {
        result.outcome = TWriteResult::Stopped;
        return result;
    }
    const uint32_t written = table.RecordCount();
    table.Flush();
    table.Close();
    // Read back what the disk now holds: a short or damaged file is found
    // here, before it replaces anything.
    table.Open(path, engine::OpenMode::Shared, fs);
    if (table.RecordCount() != written)
        throw engine::Error(engine::ErrIo, "The saved table holds fewer records than written.");
    result.records = written;
    // A tree with nodes that gave no record at all is taken for a failed
    // save, as a table that came out empty.
    result.outcome =
        written == 0 && root->HasChildren() ? TWriteResult::Failed : TWriteResult::Written;
    return result;
}

TWriteResult Failure(const engine::Error &e)
{
    TWriteResult result;
    result.outcome = TWriteResult::Failed;
    result.engineCode = e.code();
    result.engineMessage = QString::fromStdString(e.what());
    return result;
}

void CreateCatalogueIn(engine::File &file, const std::string &finalName)
{
    engine::CreateOptions options;
    options.blockKiB = kCatalogueBlockKiB;
    engine::Table::CreateIn(file, CatalogueFieldDefs(), options, finalName);
}

} // namespace

int CountNodes(const TTreeNode *root)
{
    if (!root)
        return 0;
    int count = 0;
    std::vector<const TTreeNode *> stack{root};
    while (!stack.empty()) {
        const TTreeNode *node = stack.back();
        stack.pop_back();
        ++count;
        for (int i = 0; i < node->ChildCount(); ++i)
            stack.push_back(node->Child(i));
    }
    return count;
}

TWriteResult WriteCatalogueFile(const TTreeNode *root, TRecordSource source, const QString &target,
                                IWriteProgress &progress, engine::FileSystem &fs)
{
    const std::string path = EngineFileName(target);
    try {
        TFileReplacement replacement(fs, path);
        // The table is made in the new file itself, which stays the same file
        // (held) until it takes the target's name.
        CreateCatalogueIn(*replacement.NewFile(), engine::FileNameOf(replacement.Target()));
        replacement.CloseNewFile();
        TWriteResult result = AppendAndCheck(root, source, replacement.NewPath(), progress, fs);
        if (result.Ok())
            replacement.Commit();
        return result;
    } catch (const engine::Error &e) {
        return Failure(e);
    }
}

TWriteResult AppendToCatalogueFile(const TTreeNode *root, TRecordSource source,
                                   const QString &target, IWriteProgress &progress,
                                   engine::FileSystem &fs)
{
    const std::string path = EngineFileName(target);
    try {
        TFileReplacement replacement(fs, path);
        if (!replacement.OldFile())
            throw engine::Error(engine::ErrFileNotFound, "Table does not exist. File: " + path);
        replacement.CopyFrom(*replacement.OldFile());
        replacement.CloseNewFile();
        TWriteResult result = AppendAndCheck(root, source, replacement.NewPath(), progress, fs);
        if (result.Ok())
            replacement.Commit();
        return result;
    } catch (const engine::Error &e) {
        return Failure(e);
    }
}

TWriteResult CopyCatalogueFile(const QString &source, const QString &target, engine::FileSystem &fs)
{
    TWriteResult result;
    const QFileInfo from(source), to(target);
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath()) {
        result.outcome = TWriteResult::Written;
        return result;
    }
    const std::string path = EngineFileName(target);
    try {
        TFileReplacement replacement(fs, path);
        const std::unique_ptr<engine::File> in =
            fs.Open(EngineFileName(source), false, engine::FileLock::Shared);
        replacement.CopyFrom(*in);
        replacement.NewFile()->Flush();
        replacement.Commit();
        result.outcome = TWriteResult::Written;
        return result;
    } catch (const engine::Error &e) {
        return Failure(e);
    }
}

} // namespace qbx
