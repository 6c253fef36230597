#pragma once

#include "engine/RecordCodec.h"
#include "engine/RecordFeed.h"
#include "engine/SqlNeed.h"

#include <optional>
#include <span>
#include <vector>

namespace qbx {

class TTreeNode;

// What a walk over a tree asks between two nodes: whether to stop (the long
// operation's OperationStopped) and to count a step (StepOperation).
class IWriteProgress {
public:
    virtual ~IWriteProgress() = default;
    virtual bool Stopped() = 0;
    virtual void Step() = 0;
};

// Which records a tree gives.
enum class TRecordSource {
    // The catalogue tree: every node but the root with a description, and
    // every node without one that has no children; Label is the disc's
    // name, Path the item path, plus "\\" for a folder.
    Catalogue,
    // The search-result tree: the result record of every node that has one,
    // with its seven values as they stand.
    Results,
};

// Receives a tree's records: one value per catalogue field, texts in 1251.
class IRecordTarget {
public:
    virtual void Put(std::span<const engine::Value> values) = 0;

protected:
    ~IRecordTarget() = default;
};

// Gives the records of the tree below root to the target, in pre-order:
// the records a saved catalogue holds, in its order. False when progress
// said stop.
bool WalkTreeRecords(const TTreeNode *root, TRecordSource source, IRecordTarget &target,
                     IWriteProgress &progress);

// The same records written straight into the room the sink gives, each
// record of `layout` (a catalogue table's: texts in alpha fields, the size
// a number) filled as EncodeRecord would fill it from the values above,
// without making the values. False when progress said stop.
bool WalkTreeRecords(const TTreeNode *root, TRecordSource source, engine::RecordSink &sink,
                     const std::vector<engine::FieldLayout> &layout, IWriteProgress &progress);

// What a walk in held order notes to find the sibling order afterwards:
// each node it visited (the root first) with the visit of its parent, and
// the visit that gave each record.
struct TWalkVisits {
    std::vector<const TTreeNode *> nodes;
    std::vector<uint32_t> parents;
    std::vector<uint32_t> ofRecord;
};

// The records of a tree offered to a query as the catalogue table that
// saving the tree would write: a search of unsaved changes reads them from
// the tree itself. The tree must not change while the query runs.
//
// A catalogue just loaded holds its folders in file order, and sorting them
// all would cost the search more than the walk itself. The records are
// therefore given in the order the folders hold now, and only the rows the
// query keeps are put in sibling order afterwards: the query's rows are
// exactly those, in exactly the order, of the saved table.
//
// Given a need, the walk tests a node's texts before it writes the node's
// record: a folder whose name passes passes everything below it, and the
// records that fail are withheld.
class TTreeRecordFeed final : public engine::RecordFeed {
public:
    TTreeRecordFeed(const TTreeNode *root, TRecordSource source);
    void Run(engine::RecordSink &sink) override;
    bool GivesOutOfOrder() const override { return true; }
    std::vector<uint32_t> TableOrder(const std::vector<uint32_t> &given) override;
    void Narrow(const engine::SqlNeed *need) override;
    uint32_t Withheld() const override { return withheld_; }
    // The fields of the records (those of a catalogue table).
    const std::vector<engine::FieldDef> &Fields() const { return fields_; }

private:
    const TTreeNode *root_;
    TRecordSource source_;
    std::vector<engine::FieldDef> fields_;
    std::vector<engine::FieldLayout> layout_;
    TWalkVisits visits_;
    std::optional<engine::SqlNeed> need_;
    uint32_t withheld_ = 0;
};

} // namespace qbx
