#pragma once

#include <cstdint>
#include <vector>

namespace qbx::engine {

struct SqlNeed;

// Where a feed puts its records: each call gives room for the next record,
// which the feed fills completely (EncodeRecord) before it asks again.
class RecordSink {
public:
    virtual uint8_t *Next() = 0;

protected:
    ~RecordSink() = default;
};

// Records offered to a query in place of a table file: a program that
// holds its records in another form (a tree being edited) has them searched
// exactly as the same records written to a table would be, without the
// file.
class RecordFeed {
public:
    virtual ~RecordFeed() = default;
    // Gives every record to the sink, in the order a table would store them
    // unless GivesOutOfOrder.
    virtual void Run(RecordSink &sink) = 0;

    // Before each Run: a test every record the query can keep passes, or
    // null. A feed may withhold the records that fail it instead of
    // giving them (the query would refuse them anyway) and counts them.
    virtual void Narrow(const SqlNeed * /*need*/) {}
    // How many records the last Run withheld.
    virtual uint32_t Withheld() const { return 0; }

    // A feed for which finding the table's order costs more than restoring
    // it for the few records a query keeps may give its records in another
    // order. The query then asks where the kept rows belong.
    virtual bool GivesOutOfOrder() const { return false; }
    // `given` holds the position in the feed of each row kept, ascending;
    // the answer lists the indexes into `given` in the table's order.
    virtual std::vector<uint32_t> TableOrder(const std::vector<uint32_t> &given)
    {
        std::vector<uint32_t> order(given.size());
        for (uint32_t i = 0; i < order.size(); ++i)
            order[i] = i;
        return order;
    }
};

} // namespace qbx::engine
