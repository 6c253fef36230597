#include "engine/SqlPattern.h"

#include <bit>
#include <cstring>

namespace qbx::engine {

namespace {

constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
constexpr uint64_t kOnes = 0x0101010101010101ull;

// 0x80 in each byte of `w` equal to the byte repeated in `pattern`, else 0.
inline uint64_t EqualBytes(uint64_t w, uint64_t pattern)
{
    const uint64_t x = w ^ pattern;
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

inline uint64_t Load(const uint8_t *p)
{
    uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// Segments up to this length use the word scan; longer ones skip further
// with Horspool.
constexpr size_t kWordScanMax = 8;

} // namespace

SqlPattern::SqlPattern(std::string_view pattern, int escape, const CharMap &map) : map_(map)
{
    segments_.emplace_back();
    bool afterPercent = false; // a run of "%" is one separator
    for (size_t i = 0; i < pattern.size(); ++i) {
        const uint8_t c = static_cast<uint8_t>(pattern[i]);
        if (c == '%' && escape != '%') {
            if (!afterPercent)
                segments_.emplace_back();
            afterPercent = true;
            continue;
        }
        afterPercent = false;
        Segment &seg = segments_.back();
        if (escape >= 0 && c == escape) {
            // A lone escape at the end stands for itself.
            const char literal = i + 1 < pattern.size() ? pattern[++i] : pattern[i];
            seg.bytes.push_back(literal);
            seg.any.push_back(0);
        } else {
            seg.bytes.push_back(static_cast<char>(c));
            seg.any.push_back(c == '_');
            seg.hasAny = seg.hasAny || c == '_';
        }
    }
    for (size_t i = 0; i < segments_.size(); ++i) {
        minLength_ += segments_[i].bytes.size();
        if (i > 0 && i + 1 < segments_.size())
            PrepareSearch(segments_[i]);
    }
    // The end of a field's text is its first NUL. When no byte of the text
    // searched for can match a NUL, a match that starts before the end lies
    // wholly inside the text, so the end and the match can be looked for at
    // once.
    contains_ = segments_.size() == 3 && segments_[0].bytes.empty() && segments_[2].bytes.empty() &&
                segments_[1].search == Search::Words &&
                segments_[1].bytes.find(static_cast<char>(map_[0])) == std::string::npos;
}

void SqlPattern::PrepareSearch(Segment &seg) const
{
    const size_t m = seg.bytes.size();
    if (seg.hasAny)
        return; // Naive
    for (char c : seg.bytes) {
        bool reachable = false;
        for (int b = 0; b < 256 && !reachable; ++b)
            reachable = map_[b] == static_cast<uint8_t>(c);
        if (!reachable) {
            seg.search = Search::Never; // e.g. a lower-case letter against UPPER (...)
            return;
        }
    }
    // The raw bytes that map onto a pattern byte: one, or two for a letter
    // of an upper-cased text.
    const auto forms = [this](uint8_t p, uint64_t out[2]) {
        int n = 0;
        for (int b = 0; b < 256; ++b)
            if (map_[b] == p) {
                if (n == 2)
                    return false;
                out[n++] = kOnes * uint64_t(b);
            }
        if (n == 1)
            out[1] = out[0];
        return n > 0;
    };
    if (std::endian::native == std::endian::little && m <= kWordScanMax &&
        forms(static_cast<uint8_t>(seg.bytes.front()), seg.first) &&
        forms(static_cast<uint8_t>(seg.bytes.back()), seg.last)) {
        seg.search = Search::Words;
        return;
    }
    seg.search = Search::Horspool;
    seg.shift.assign(256, static_cast<uint32_t>(m));
    for (size_t i = 0; i + 1 < m; ++i) {
        const uint8_t p = static_cast<uint8_t>(seg.bytes[i]);
        for (int b = 0; b < 256; ++b)
            if (map_[b] == p)
                seg.shift[b] = static_cast<uint32_t>(m - 1 - i);
    }
}

bool SqlPattern::MatchAt(const Segment &seg, const uint8_t *text) const
{
    const size_t m = seg.bytes.size();
    const uint8_t *pat = reinterpret_cast<const uint8_t *>(seg.bytes.data());
    for (size_t j = 0; j < m; ++j)
        if (map_[text[j]] != pat[j] && !seg.any[j])
            return false;
    return true;
}

size_t SqlPattern::Find(const Segment &seg, const uint8_t *text, size_t lo, size_t hi,
                        size_t readable) const
{
    if (hi - lo < seg.bytes.size())
        return std::string_view::npos;
    switch (seg.search) {
    case Search::Never:
        return std::string_view::npos;
    case Search::Words:
        return FindWords(seg, text, lo, hi, readable);
    case Search::Horspool:
        return FindHorspool(seg, text, lo, hi);
    case Search::Naive:
        break;
    }
    for (size_t p = lo; p + seg.bytes.size() <= hi; ++p)
        if (MatchAt(seg, text + p))
            return p;
    return std::string_view::npos;
}

// Eight start positions at a time: the bytes at each position and at
// position + m - 1 are compared with the first and last pattern byte (in
// both cases when the text is upper-cased); only the positions where both
// agree are checked in full.
size_t SqlPattern::FindWords(const Segment &seg, const uint8_t *text, size_t lo, size_t hi,
                             size_t readable) const
{
    const size_t m = seg.bytes.size();
    const size_t lastStart = hi - m; // the last position a match may start at
    size_t p = lo;
    while (p + (m - 1) + 8 <= readable && p <= lastStart) {
        const uint64_t a = Load(text + p);
        const uint64_t b = Load(text + p + m - 1);
        uint64_t mask = (EqualBytes(a, seg.first[0]) | EqualBytes(a, seg.first[1])) &
                        (EqualBytes(b, seg.last[0]) | EqualBytes(b, seg.last[1]));
        while (mask) {
            const size_t at = p + (std::countr_zero(mask) >> 3);
            if (at > lastStart)
                return std::string_view::npos;
            if (MatchAt(seg, text + at))
                return at;
            mask &= mask - 1;
        }
        p += 8;
    }
    for (; p <= lastStart; ++p)
        if (MatchAt(seg, text + p))
            return p;
    return std::string_view::npos;
}

size_t SqlPattern::FindHorspool(const Segment &seg, const uint8_t *text, size_t lo, size_t hi) const
{
    const size_t m = seg.bytes.size();
    const size_t last = m - 1;
    const uint8_t *pat = reinterpret_cast<const uint8_t *>(seg.bytes.data());
    for (size_t p = lo; p + m <= hi;) {
        const uint8_t c = text[p + last];
        if (map_[c] == pat[last]) {
            size_t j = 0;
            while (j < last && map_[text[p + j]] == pat[j])
                ++j;
            if (j == last)
                return p;
        }
        p += seg.shift[c];
    }
    return std::string_view::npos;
}

bool SqlPattern::MatchesField(const uint8_t *field, uint32_t size) const
{
    if (contains_)
        return FieldContains(segments_[1], field, size);
    const void *nul = std::memchr(field, 0, size);
    const size_t n = nul ? size_t(static_cast<const uint8_t *>(nul) - field) : size;
    return Matches({reinterpret_cast<const char *>(field), n}, size);
}

// The word scan of FindWords over a field, which also stops at the first
// NUL: candidates at or after it are dropped, and no byte is read past the
// field.
bool SqlPattern::FieldContains(const Segment &seg, const uint8_t *field, uint32_t size) const
{
    const size_t m = seg.bytes.size();
    size_t p = 0;
    for (; p + (m - 1) + 8 <= size; p += 8) {
        const uint64_t a = Load(field + p);
        const uint64_t b = Load(field + p + m - 1);
        uint64_t mask = (EqualBytes(a, seg.first[0]) | EqualBytes(a, seg.first[1])) &
                        (EqualBytes(b, seg.last[0]) | EqualBytes(b, seg.last[1]));
        const uint64_t end = EqualBytes(a, 0);
        if (end)
            mask &= (end & (~end + 1)) - 1; // the positions before the first NUL
        for (; mask; mask &= mask - 1)
            if (MatchAt(seg, field + p + (std::countr_zero(mask) >> 3)))
                return true;
        if (end)
            return false;
    }
    for (; p + m <= size && field[p] != 0; ++p)
        if (MatchAt(seg, field + p))
            return true;
    return false;
}

bool SqlPattern::Matches(std::string_view textView, size_t readable) const
{
    const uint8_t *text = reinterpret_cast<const uint8_t *>(textView.data());
    const size_t n = textView.size();
    if (readable < n)
        readable = n;
    if (n < minLength_)
        return false;
    const Segment &first = segments_.front();
    if (segments_.size() == 1)
        return n == first.bytes.size() && MatchAt(first, text);
    if (!MatchAt(first, text))
        return false;
    const Segment &lastSeg = segments_.back();
    size_t lo = first.bytes.size();
    const size_t hi = n - lastSeg.bytes.size();
    if (!MatchAt(lastSeg, text + hi))
        return false;
    for (size_t i = 1; i + 1 < segments_.size(); ++i) {
        const size_t at = Find(segments_[i], text, lo, hi, readable);
        if (at == std::string_view::npos)
            return false;
        lo = at + segments_[i].bytes.size();
    }
    return true;
}

} // namespace qbx::engine
