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
// Middle segments without "_" are found by a word-at-a-time scan for their
// first and last bytes (short segments) or by Boyer-Moore-Horspool (long
// ones), so "%text%" is a plain substring search.
namespace qbx::engine {

class SqlPattern {
public:
    // `map` is applied to the tested text (identity, or the upper-case
    // mapping for UPPER (...)); the pattern's own bytes are taken as they are.
    // `escape` is the escape byte, or -1 when there is none.
    SqlPattern(std::string_view pattern, int escape, const CharMap &map);

    // `readable` (at least text.size()) is how many bytes from text.data()
    // may be read: the scan looks a little past the text when it can.
    bool Matches(std::string_view text, size_t readable = 0) const;
    // Tests the text of an alpha field: the `size` bytes at `field` up to
    // the first NUL. Never reads past the field. "%text%" is found in the
    // same pass that looks for the end of the text.
    bool MatchesField(const uint8_t *field, uint32_t size) const;

private:
    enum class Search { Naive, Words, Horspool, Never };

    struct Segment {
        std::string bytes;
        std::vector<uint8_t> any; // 1 where the pattern had "_"
        bool hasAny = false;
        Search search = Search::Naive;
        uint64_t first[2] = {0, 0};  // Words: the first and last byte's raw forms,
        uint64_t last[2] = {0, 0};   // each repeated in all eight bytes
        std::vector<uint32_t> shift; // Horspool: shift by raw text byte
    };

    bool MatchAt(const Segment &seg, const uint8_t *text) const;
    size_t Find(const Segment &seg, const uint8_t *text, size_t lo, size_t hi,
                size_t readable) const;
    size_t FindWords(const Segment &seg, const uint8_t *text, size_t lo, size_t hi,
                     size_t readable) const;
    size_t FindHorspool(const Segment &seg, const uint8_t *text, size_t lo, size_t hi) const;
    bool FieldContains(const Segment &seg, const uint8_t *field, uint32_t size) const;
    void PrepareSearch(Segment &seg) const;

    const uint8_t *map_;
    std::vector<Segment> segments_; // one when the pattern has no "%"
    size_t minLength_ = 0;
    bool contains_ = false; // "%text%" found by the word scan: see MatchesField
};

} // namespace qbx::engine
