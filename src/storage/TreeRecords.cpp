#include "storage/TreeRecords.h"

#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "tree/TFoundRecord.h"
#include "tree/TItemDescription.h"
#include "tree/TTreeNode.h"

#include <array>
#include <string>

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

// Walks a tree in pre-order and gives its records. The label and path
// bytes are kept as the walk goes down and up, so a record costs no string
// allocation.
class TRecordWalk {
public:
    TRecordWalk(TRecordSource source, IRecordTarget &target, IWriteProgress &progress)
        : source_(source), target_(target), progress_(progress)
    {
    }

    bool Run(const TTreeNode *root)
    {
        struct Frame {
            const TTreeNode *node;
            int next;
            size_t pathLength;
        };
        std::vector<Frame> stack;
        if (!Visit(root, 0))
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
            // The level of the child: the root's frame is the first.
            const int level = int(stack.size());
            Enter(child, level);
            if (!Visit(child, level))
                return false;
            stack.push_back({child, 0, pathLength});
        }
        return true;
    }

private:
    // Sets label and path for a node one level below the previous frame.
    void Enter(const TTreeNode *node, int level)
    {
        if (level == 1) {
            SetCp1251(label_, node->Text());
            path_.clear();
        } else {
            if (level > 2)
                path_.push_back('\\');
            AppendCp1251(path_, node->Text());
        }
    }

    bool Visit(const TTreeNode *node, int level)
    {
        if (progress_.Stopped())
            return false;
        progress_.Step();
        if (level == 0)
            return true;
        if (source_ == TRecordSource::Results) {
            if (const TFoundRecord *r = node->FoundRecord()) {
                SetCp1251(fields_[CfLabel], r->Label);
                SetCp1251(fields_[CfPath], r->Path);
                Put(r->Producer, r->Product, r->Version, r->Size, r->Description);
            }
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
        if (!d) {
            static const QString none;
            Put(none, none, none, 0, none);
        } else {
            Put(d->Producer, d->Product, d->Version, d->Size, d->Description);
        }
        return true;
    }

    void Put(const QString &producer, const QString &product, const QString &version,
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
        target_.Put(values);
    }

    TRecordSource source_;
    IRecordTarget &target_;
    IWriteProgress &progress_;
    std::string label_;
    std::string path_;
    std::array<std::string, CfCount> fields_;
};

class TNoProgress final : public IWriteProgress {
public:
    bool Stopped() override { return false; }
    void Step() override {}
};

// Encodes each record into the room the query's sink gives.
class TSinkTarget final : public IRecordTarget {
public:
    TSinkTarget(engine::RecordSink &sink, const std::vector<engine::FieldDef> &fields,
                const std::vector<engine::FieldLayout> &layout)
        : sink_(sink), fields_(fields), layout_(layout)
    {
    }
    void Put(std::span<const engine::Value> values) override
    {
        engine::EncodeRecord(fields_, layout_, values, sink_.Next());
    }

private:
    engine::RecordSink &sink_;
    const std::vector<engine::FieldDef> &fields_;
    const std::vector<engine::FieldLayout> &layout_;
};

} // namespace

bool WalkTreeRecords(const TTreeNode *root, TRecordSource source, IRecordTarget &target,
                     IWriteProgress &progress)
{
    return TRecordWalk(source, target, progress).Run(root);
}

TTreeRecordFeed::TTreeRecordFeed(const TTreeNode *root, TRecordSource source)
    : root_(root), source_(source), fields_(CatalogueFieldDefs()),
      layout_(engine::LayoutOf(fields_))
{
}

void TTreeRecordFeed::Run(engine::RecordSink &sink)
{
    if (!root_)
        return;
    TSinkTarget target(sink, fields_, layout_);
    TNoProgress progress;
    WalkTreeRecords(root_, source_, target, progress);
}

} // namespace qbx
