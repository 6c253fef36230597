#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qbx::engine {

// One way a record may pass a need: the text of the field at `field` (its
// index among the query's fields), each byte mapped by `map` (the identity
// or the upper-case mapping), contains `literal`.
struct SqlNeedTerm {
    uint32_t field = 0;
    const uint8_t *map = nullptr;
    std::string literal;
};

// What every record a condition accepts has: at least one of the terms
// holds for it. A feed that holds its records in another form can test this
// on that form before it writes a record and withhold the records that fail,
// which the condition would refuse anyway. A text tested this way may be
// longer than the field that holds it (the field cuts it), never shorter.
struct SqlNeed {
    std::vector<SqlNeedTerm> anyOf;
};

// Whether `text`, each byte mapped by `map`, contains `literal` (not empty).
inline bool MappedContains(const uint8_t *map, const char *text, size_t size,
                           const std::string &literal)
{
    const size_t n = literal.size();
    if (n > size)
        return false;
    const auto *t = reinterpret_cast<const uint8_t *>(text);
    const auto *l = reinterpret_cast<const uint8_t *>(literal.data());
    for (size_t i = 0; i + n <= size; ++i) {
        if (map[t[i]] != l[0])
            continue;
        size_t k = 1;
        while (k < n && map[t[i + k]] == l[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

} // namespace qbx::engine
