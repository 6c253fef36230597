#include "engine/SqlPattern.h"

namespace qbx::engine {

SqlPattern::SqlPattern(std::string_view pattern, int escape, const CharMap &map) : map_(map)
{
    segments_.emplace_back();
    bool afterPercent = false; // a run of "%" is one separator
    for (size_t i = 0; i < pattern.size(); ++i) {
        const uint8_t c = static_cast<uint8_t>(pattern[i]);
        Segment &seg = segments_.back();
        if (c == '%' && escape != '%') {
            if (!afterPercent)
                segments_.emplace_back();
            afterPercent = true;
            continue;
        }
        afterPercent = false;
        if (escape >= 0 && c == escape) {
            // A lone escape at the end stands for itself.
            const char literal = i + 1 < pattern.size() ? pattern[++i] : pattern[i];
            seg.bytes.push_back(literal);
            seg.any.push_back(false);
        } else {
            seg.bytes.push_back(static_cast<char>(c));
            seg.any.push_back(c == '_');
            seg.hasAny = seg.hasAny || c == '_';
        }
    }
    for (size_t i = 0; i < segments_.size(); ++i) {
        minLength_ += segments_[i].bytes.size();
        if (i > 0 && i + 1 < segments_.size() && !segments_[i].hasAny)
            PrepareShift(segments_[i]);
    }
}

void SqlPattern::PrepareShift(Segment &seg) const
{
    const size_t m = seg.bytes.size();
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
    for (size_t j = 0; j < m; ++j)
        if (!seg.any[j] && map_[text[j]] != static_cast<uint8_t>(seg.bytes[j]))
            return false;
    return true;
}

size_t SqlPattern::Find(const Segment &seg, const uint8_t *text, size_t lo, size_t hi) const
{
    const size_t m = seg.bytes.size();
    if (hi - lo < m)
        return std::string_view::npos;
    if (seg.shift.empty()) {
        for (size_t p = lo; p + m <= hi; ++p)
            if (MatchAt(seg, text + p))
                return p;
        return std::string_view::npos;
    }
    const size_t last = m - 1;
    const uint8_t tail = static_cast<uint8_t>(seg.bytes[last]);
    const uint8_t *pat = reinterpret_cast<const uint8_t *>(seg.bytes.data());
    for (size_t p = lo; p + m <= hi;) {
        const uint8_t c = text[p + last];
        if (map_[c] == tail) {
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

bool SqlPattern::Matches(std::string_view textView) const
{
    const uint8_t *text = reinterpret_cast<const uint8_t *>(textView.data());
    const size_t n = textView.size();
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
        const size_t at = Find(segments_[i], text, lo, hi);
        if (at == std::string_view::npos)
            return false;
        lo = at + segments_[i].bytes.size();
    }
    return true;
}

} // namespace qbx::engine
