#pragma once

#include <cstdint>

namespace qbx::engine {

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
    // Gives every record to the sink, in the order a table would store them.
    virtual void Run(RecordSink &sink) = 0;
};

} // namespace qbx::engine
