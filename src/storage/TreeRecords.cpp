#include "storage/TreeRecords.h"

#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "tree/TFoundRecord.h"
#include "tree/TItemDescription.h"
#include "tree/TTreeNode.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace qbx {

namespace {

// The 1251 byte of one UTF-16 unit, '?' where the code page has none.
char Cp1251Char(char16_t c)
{
    const int b = codec::Cp1251Byte(c);
    return b < 0 ? '?' : char(b);
}

// Appends the text in 1251 to out, without a temporary string per value.
void AppendCp1251(std::string &out, const QString &text)
{
    const size_t start = out.size();
    out.resize(start + size_t(text.size()));
    char *p = out.data() + start;
    for (const QChar ch : text)
        *p++ = Cp1251Char(ch.unicode());
}

// A text field of a record written in place: the text in 1251, cut to the
// field, the rest of the field left as it is (zero).
void PutCp1251(uint8_t *field, uint32_t size, const QString &text)
{
    const qsizetype n = std::min<qsizetype>(size, text.size());
    const QChar *chars = text.constData();
    for (qsizetype i = 0; i < n; ++i)
        field[i] = uint8_t(Cp1251Char(chars[i].unicode()));
}

void PutBytes(uint8_t *field, uint32_t size, std::string_view bytes)
{
    std::memcpy(field, bytes.data(), std::min<size_t>(size, bytes.size()));
}

void SetCp1251(std::string &out, const QString &text)
{
    out.clear();
    AppendCp1251(out, text);
}

bool AnyContains(const std::vector<const engine::SqlNeedTerm *> &terms, const char *text,
                 size_t size)
{
    for (const engine::SqlNeedTerm *t : terms)
        if (engine::MappedContains(t->map, text, size, t->literal))
            return true;
    return false;
}

const QString &DescriptionText(const TItemDescription &d, uint32_t field)
{
    switch (field) {
    case CfProducer:
        return d.Producer;
    case CfProduct:
        return d.Product;
    case CfVersion:
        return d.Version;
    default:
        return d.Description;
    }
}

// Walks a tree in pre-order and gives its records. The label and path
// bytes are kept as the walk goes down and up, so a record costs no string
// allocation.
class TRecordWalk {
public:
    TRecordWalk(TRecordSource source, IRecordTarget &target, IWriteProgress &progress)
        : source_(source), target_(&target), progress_(&progress)
    {
    }

    // Writes each record straight into the room the sink gives, as
    // EncodeRecord would write the same values into a table's record:
    // a search reads them at once, so no value is made per field. Such a
    // walk is not stopped half way and counts no steps.
    TRecordWalk(TRecordSource source, engine::RecordSink &sink,
                const std::vector<engine::FieldLayout> &layout)
        : source_(source), sink_(&sink), layout_(&layout)
    {
        for (const engine::FieldLayout &f : layout)
            recordSize_ = std::max(recordSize_, f.offset + f.size);
    }

    // A walk for a sink that saves (a table's records written in place)
    // is stopped and counts steps as the walk with values does.
    void ReportTo(IWriteProgress &progress) { progress_ = &progress; }

    // Walks the children in the order their lists hold now instead of
    // sibling order, which is then restored for the records kept
    // (TTreeRecordFeed::TableOrder) from what the walk notes in `visits`.
    void InHeldOrder(TWalkVisits &visits) { visits_ = &visits; }

    // Withholds the records that fail the need (of catalogue records only).
    // A need on a field these records lack is not applied.
    void Narrow(const engine::SqlNeed &need)
    {
        if (source_ != TRecordSource::Catalogue || !sink_)
            return;
        for (const engine::SqlNeedTerm &t : need.anyOf) {
            switch (t.field) {
            case CfLabel:
                labelTerms_.push_back(&t);
                break;
            case CfPath:
                // Without a backslash the literal lies inside one name of the
                // path or not at all: names are tested one at a time as the
                // walk goes down.
                (t.literal.find('\\') == std::string::npos ? nameTerms_ : pathTerms_).push_back(&t);
                break;
            case CfProducer:
            case CfProduct:
            case CfVersion:
            case CfDescription:
                describedTerms_.push_back(&t);
                break;
            default:
                labelTerms_.clear();
                nameTerms_.clear();
                pathTerms_.clear();
                describedTerms_.clear();
                return;
            }
        }
        narrowed_ = true;
    }

    uint32_t Withheld() const { return withheld_; }

    bool Run(const TTreeNode *root)
    {
        struct Frame {
            const TTreeNode *node;
            int next;
            size_t pathLength;
            uint32_t visit;
            bool passes; // the node's label or a name on its path passes the need
        };
        std::vector<Frame> stack;
        if (visits_) {
            visits_->nodes.assign(1, root);
            visits_->parents.assign(1, 0);
            visits_->ofRecord.clear();
        }
        if (!Visit(root, 0))
            return false;
        stack.push_back({root, 0, 0, 0, false});
        while (!stack.empty()) {
            Frame &top = stack.back();
            if (top.next >= top.node->ChildCount()) {
                path_.resize(top.pathLength);
                stack.pop_back();
                continue;
            }
            const int index = top.next++;
            const TTreeNode *child = visits_ ? top.node->HeldChild(index) : top.node->Child(index);
            uint32_t visit = 0;
            if (visits_) {
                visit = uint32_t(visits_->nodes.size());
                visits_->nodes.push_back(child);
                visits_->parents.push_back(top.visit);
                visit_ = visit;
            }
            const size_t pathLength = path_.size();
            // The level of the child: the root's frame is the first.
            const int level = int(stack.size());
            passes_ = Enter(child, level, top.passes);
            if (!Visit(child, level))
                return false;
            stack.push_back({child, 0, pathLength, visit, passes_});
        }
        return true;
    }

private:
    // Sets label and path for a node one level below the previous frame.
    // Tells whether the label or a name on the path passes the need, given
    // whether the parent's did.
    bool Enter(const TTreeNode *node, int level, bool parentPasses)
    {
        if (level == 1) {
            SetCp1251(label_, node->Text());
            path_.clear();
            return narrowed_ && AnyContains(labelTerms_, label_.data(), label_.size());
        }
        if (level > 2)
            path_.push_back('\\');
        const size_t start = path_.size();
        AppendCp1251(path_, node->Text());
        return parentPasses ||
               (narrowed_ && AnyContains(nameTerms_, path_.data() + start, path_.size() - start));
    }

    // The rest of the need for a node whose label and names fail it: the
    // whole path (for literals with a backslash) and the description's texts.
    bool PassesRest(const TTreeNode *node)
    {
        if (!pathTerms_.empty()) {
            const bool folder = node->IsFolder();
            if (folder)
                path_.push_back('\\');
            const bool found = AnyContains(pathTerms_, path_.data(), path_.size());
            if (folder)
                path_.pop_back();
            if (found)
                return true;
        }
        if (describedTerms_.empty() || !node->HasDescription())
            return false;
        const TDescriptionRef d = node->Description();
        for (const engine::SqlNeedTerm *t : describedTerms_) {
            const QString &text = DescriptionText(*d, t->field);
            if (text.size() < qsizetype(t->literal.size()))
                continue;
            SetCp1251(scratch_, text);
            if (engine::MappedContains(t->map, scratch_.data(), scratch_.size(), t->literal))
                return true;
        }
        return false;
    }

    bool Visit(const TTreeNode *node, int level)
    {
        if (progress_) {
            if (progress_->Stopped())
                return false;
            progress_->Step();
        }
        if (level == 0)
            return true;
        if (sink_)
            return VisitDirect(node);
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

    // Visit for a sink: the same records, written in place.
    bool VisitDirect(const TTreeNode *node)
    {
        const std::vector<engine::FieldLayout> &f = *layout_;
        if (source_ == TRecordSource::Results) {
            const TFoundRecord *r = node->FoundRecord();
            if (!r)
                return true;
            uint8_t *record = StartRecord();
            PutCp1251(record + f[CfLabel].offset, f[CfLabel].size, r->Label);
            PutCp1251(record + f[CfPath].offset, f[CfPath].size, r->Path);
            PutDirect(record, r->Producer, r->Product, r->Version, r->Size, r->Description);
            return true;
        }
        if (!node->HasDescription() && node->HasChildren())
            return true;
        if (narrowed_ && !passes_ && !PassesRest(node)) {
            ++withheld_;
            return true;
        }
        const TDescriptionRef d = node->Description();
        uint8_t *record = StartRecord();
        PutBytes(record + f[CfLabel].offset, f[CfLabel].size, label_);
        const engine::FieldLayout &path = f[CfPath];
        PutBytes(record + path.offset, path.size, path_);
        if (node->IsFolder() && path_.size() < path.size)
            record[path.offset + path_.size()] = '\\';
        if (!d) {
            static const QString none;
            PutDirect(record, none, none, none, 0, none);
        } else {
            PutDirect(record, d->Producer, d->Product, d->Version, d->Size, d->Description);
        }
        return true;
    }

    uint8_t *StartRecord()
    {
        if (visits_)
            visits_->ofRecord.push_back(visit_);
        uint8_t *record = sink_->Next();
        std::memset(record, 0, recordSize_);
        return record;
    }

    void PutDirect(uint8_t *record, const QString &producer, const QString &product,
                   const QString &version, int64_t size, const QString &description)
    {
        const std::vector<engine::FieldLayout> &f = *layout_;
        PutCp1251(record + f[CfProducer].offset, f[CfProducer].size, producer);
        PutCp1251(record + f[CfProduct].offset, f[CfProduct].size, product);
        PutCp1251(record + f[CfVersion].offset, f[CfVersion].size, version);
        PutCp1251(record + f[CfDescription].offset, f[CfDescription].size, description);
        engine::EncodeNumber(record + f[CfByteSize].offset, ByteSizeToField(size));
    }

    void Put(const QString &producer, const QString &product, const QString &version, int64_t size,
             const QString &description)
    {
        SetCp1251(fields_[CfProducer], producer);
        SetCp1251(fields_[CfProduct], product);
        SetCp1251(fields_[CfVersion], version);
        SetCp1251(fields_[CfDescription], description);
        std::array<engine::Value, CfCount> values;
        for (int i = 0; i < CfCount; ++i)
            values[size_t(i)] = engine::Value::Text(fields_[size_t(i)]);
        values[CfByteSize] = engine::Value::Number(ByteSizeToField(size));
        target_->Put(values);
    }

    TRecordSource source_;
    IRecordTarget *target_ = nullptr;
    IWriteProgress *progress_ = nullptr;
    engine::RecordSink *sink_ = nullptr;
    const std::vector<engine::FieldLayout> *layout_ = nullptr;
    uint32_t recordSize_ = 0;
    TWalkVisits *visits_ = nullptr;
    uint32_t visit_ = 0; // of the node being visited
    bool narrowed_ = false;
    std::vector<const engine::SqlNeedTerm *> labelTerms_; // on the disc's name
    std::vector<const engine::SqlNeedTerm *> nameTerms_;  // on each name of the path
    std::vector<const engine::SqlNeedTerm *> pathTerms_;  // on the whole path
    std::vector<const engine::SqlNeedTerm *> describedTerms_;
    bool passes_ = false; // of the node being visited: see Frame
    uint32_t withheld_ = 0;
    std::string scratch_;
    std::string label_;
    std::string path_;
    std::array<std::string, CfCount> fields_;
};

} // namespace

bool WalkTreeRecords(const TTreeNode *root, TRecordSource source, IRecordTarget &target,
                     IWriteProgress &progress)
{
    return TRecordWalk(source, target, progress).Run(root);
}

bool WalkTreeRecords(const TTreeNode *root, TRecordSource source, engine::RecordSink &sink,
                     const std::vector<engine::FieldLayout> &layout, IWriteProgress &progress)
{
    TRecordWalk walk(source, sink, layout);
    walk.ReportTo(progress);
    return walk.Run(root);
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
    TRecordWalk walk(source_, sink, layout_);
    walk.InHeldOrder(visits_);
    if (need_)
        walk.Narrow(*need_);
    withheld_ = 0;
    walk.Run(root_);
    withheld_ = walk.Withheld();
}

void TTreeRecordFeed::Narrow(const engine::SqlNeed *need)
{
    if (need)
        need_ = *need;
    else
        need_.reset();
}

std::vector<uint32_t> TTreeRecordFeed::TableOrder(const std::vector<uint32_t> &given)
{
    // Every node kept or above one kept is marked: kNotKept for those
    // above, or the index of its row.
    constexpr int64_t kUnmarked = -2;
    constexpr int64_t kNotKept = -1;
    const std::vector<const TTreeNode *> &nodes = visits_.nodes;
    const std::vector<uint32_t> &parents = visits_.parents;
    std::vector<int64_t> mark(nodes.size(), kUnmarked);
    if (!nodes.empty())
        mark[0] = kNotKept;
    for (size_t i = 0; i < given.size(); ++i) {
        uint32_t visit = visits_.ofRecord.at(given[i]);
        mark[visit] = int64_t(i);
        for (visit = parents[visit]; mark[visit] == kUnmarked; visit = parents[visit])
            mark[visit] = kNotKept;
    }
    // The marked children of each marked node, in held order, side by side.
    std::vector<uint32_t> start(nodes.size() + 1, 0);
    for (size_t v = 1; v < nodes.size(); ++v)
        if (mark[v] != kUnmarked)
            ++start[parents[v] + 1];
    for (size_t v = 0; v < nodes.size(); ++v)
        start[v + 1] += start[v];
    std::vector<std::pair<const TTreeNode *, uint32_t>> children(start.back());
    {
        std::vector<uint32_t> fill(start.begin(), start.end() - 1);
        for (size_t v = 1; v < nodes.size(); ++v)
            if (mark[v] != kUnmarked)
                children[fill[parents[v]]++] = {nodes[v], uint32_t(v)};
    }
    // Pre-order over the marked nodes, each node's children in sibling order.
    std::vector<uint32_t> order;
    order.reserve(given.size());
    std::vector<uint32_t> pending;
    if (!nodes.empty())
        pending.push_back(0);
    while (!pending.empty()) {
        const uint32_t visit = pending.back();
        pending.pop_back();
        if (mark[visit] >= 0)
            order.push_back(uint32_t(mark[visit]));
        const std::span<std::pair<const TTreeNode *, uint32_t>> below(
            children.data() + start[visit], start[visit + 1] - start[visit]);
        nodes[visit]->OrderSome(below);
        for (auto it = below.rbegin(); it != below.rend(); ++it)
            pending.push_back(it->second);
    }
    return order;
}

} // namespace qbx
