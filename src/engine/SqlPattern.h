#pragma once

#include "engine/SqlCharMap.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A compiled LIKE pattern: "%" matches any run of bytes, "_" any one byte,
// and the escape character makes the byte after it literal. The pattern is
// split at its "%" runs into segments; the first segment must match at the
// start, the last at the end and each middle one is found leftmost in what
// remains, which is exact for this pattern language and never backtracks.
// Segments without "_" are searched with Boyer-Moore-Horspool, so "%text%"
// is a plain substring search.
namespace qbx::engine {

class SqlPattern {
public:
    // `map` is applied to the tested text (identity, or the upper-case
    // mapping for UPPER (...)); the pattern's own bytes are taken as they are.
    // `escape` is the escape byte, or -1 when there is none.
    SqlPattern(std::string_view pattern, int escape, const CharMap &map);

    bool Matches(std::string_view text) const;

private:
    struct Segment {
        std::string bytes;
        std::vector<bool> any; // true where the pattern had "_"
        bool hasAny = false;
        std::vector<uint32_t> shift; // Horspool shifts by raw text byte (middle segments)
    };

    bool MatchAt(const Segment &seg, const uint8_t *text) const;
    size_t Find(const Segment &seg, const uint8_t *text, size_t lo, size_t hi) const;
    void PrepareShift(Segment &seg) const;

    const uint8_t *map_;
    std::vector<Segment> segments_; // one when the pattern has no "%"
    size_t minLength_ = 0;
};

} // namespace qbx::engine
