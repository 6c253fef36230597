#pragma once

#include <cstdint>

namespace qbx::engine {

class RecordFeed;
class SqlCondition;
class SqlRowStore;

// Runs the feed on the calling thread and matches its records against the
// condition on a second one (or here, when no thread can be had), in
// batches; the records that match (every record without a condition) go to
// `rows` in the feed's order. Gives the number of records the feed gave or
// withheld (RecordFeed::Narrow).
// An exception of either side is thrown here once both have stopped.
// A feed that gives its records out of order has the rows put in the
// table's order afterwards.
uint32_t ScanFeed(RecordFeed &feed, uint32_t recordSize, const SqlCondition *condition,
                  SqlRowStore &rows);

} // namespace qbx::engine
