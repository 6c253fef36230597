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

// Appends the text in 1251 to out, without a temporary string per value.
void AppendCp1251(std::string &out, const QString &text)
{
    for (const QChar ch : text) {
        const int b = codec::Cp1251Byte(ch.unicode());
        out.push_back(b < 0 ? '?' : char(b));
    }
}

void SetCp1251(std::string &out, const QString &text)
{
    out.clear();
    AppendCp1251(out, text);
}

// Walks a tree in pre-order and appends its records. The label and path
// bytes are kept as the walk goes down and up, so a record costs no string
// allocation.
class TRecordWalk {
public:
    TRecordWalk(engine::Table &table, TRecordSource source, IWriteProgress &progress)
        : table_(table), source_(source), progress_(progress)
    {
    }

    // False when stopped. Throws engine::Error when an append fails.
    bool Run(const TTreeNode *root)
    {
        struct Frame {
            const TTreeNode *node;
            int next;
            size_t pathLength;
        };
        std::vector<Frame> stack;
        if (!Visit(root))
            return false;
        stack.push_back({root, 0, 0});
        while (!stack.empty()) {
            Frame &top = stack.back();
            if (top.next >= top.node->ChildCount()) {
                path_.resize(top.pathLength);
                stack.pop_back();
                continue;
            }
            const TTreeNode *child = top.node->Child(top.next++);
            const size_t pathLength = path_.size();
            Enter(child);
            if (!Visit(child))
                return false;
            stack.push_back({child, 0, pathLength});
        }
        return true;
    }

private:
    // Sets label and path for a node one level below the previous frame.
    void Enter(const TTreeNode *node)
    {
        const int level = node->Level();
        if (level == 1) {
            SetCp1251(label_, node->Text());
            path_.clear();
        } else {
            if (level > 2)
                path_.push_back('\\');
            AppendCp1251(path_, node->Text());
        }
    }

    bool Visit(const TTreeNode *node)
    {
        if (progress_.Stopped())
            return false;
        progress_.Step();
        if (node->Level() == 0)
            return true;
        if (source_ == TRecordSource::Results) {
            if (const TFoundRecord *r = node->FoundRecord())
                AppendRecord(r->Label, r->Path, r->Producer, r->Product, r->Version, r->Size,
                             r->Description);
            return true;
        }
        const TDescriptionRef d = node->Description();
        if (!d && node->HasChildren())
            return true; // made again from its descendants' paths when loaded
        std::string &path = fields_[CfPath];
        path = path_;
        if (node->IsFolder())
            path.push_back('\\');
        fields_[CfLabel] = label_;
        const QString none;
        AppendFields(d ? d->Producer : none, d ? d->Product : none, d ? d->Version : none,
                     d ? d->Size : 0, d ? d->Description : none);
        return true;
    }

    void AppendRecord(const QString &label, const QString &path, const QString &producer,
                      const QString &product, const QString &version, int64_t size,
                      const QString &description)
    {
        SetCp1251(fields_[CfLabel], label);
        SetCp1251(fields_[CfPath], path);
        AppendFields(producer, product, version, size, description);
    }

    void AppendFields(const QString &producer, const QString &product, const QString &version,
                      int64_t size, const QString &description)
    {
        SetCp1251(fields_[CfProducer], producer);
        SetCp1251(fields_[CfProduct], product);
        SetCp1251(fields_[CfVersion], version);
        SetCp1251(fields_[CfDescription], description);
        std::array<engine::Value, CfCount> values;
        for (int i = 0; i < CfCount; ++i)
            values[size_t(i)] = engine::Value::Text(fields_[size_t(i)]);
        values[CfByteSize] = engine::Value::Number(ByteSizeToField(size));
        table_.Append(values);
    }

    engine::Table &table_;
    TRecordSource source_;
    IWriteProgress &progress_;
    std::string label_;
    std::string path_;
    std::array<std::string, CfCount> fields_;
};

// Appends the tree's records to the table file at `path`, flushes it and
// reads it back: it must hold every record.
TWriteResult AppendAndCheck(const TTreeNode *root, TRecordSource source, const std::string &path,
                            IWriteProgress &progress, engine::FileSystem &fs)
{
    TWriteResult result;
    engine::Table table;
    table.Open(path, engine::OpenMode::Exclusive, fs);
    TRecordWalk walk(table, source, progress);
    if (!walk.Run(root)) {
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
