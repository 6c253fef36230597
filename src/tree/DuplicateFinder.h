#pragma once

#include <cstdint>
#include <vector>

namespace qbx {

class TTreeNode;

// Files of one size whose names are the same item name for the catalogue
// (equal ignoring case).
struct TDuplicateGroup {
    int64_t size = 0;
    std::vector<const TTreeNode *> files; // in tree order
    uint32_t first = 0;                   // the first file's place in tree order
    // The bytes all copies but one take (at most INT64_MAX).
    int64_t Wasted() const;
};

// Finds the groups of duplicate files in a catalogue tree: files of at
// least minSize bytes (never of size 0, which means "not known"), with the
// same name ignoring case and the same size. acrossDiscs keeps only groups
// that lie on two discs or more. Groups come by wasted bytes, the most
// first, then by size, then in tree order.
class TDuplicateFinder {
public:
    TDuplicateFinder(const TTreeNode *root, int64_t minSize, bool acrossDiscs);
    const std::vector<TDuplicateGroup> &Groups() const { return groups_; }

private:
    std::vector<TDuplicateGroup> groups_;
};

} // namespace qbx
