#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace qbx {

class TTreeNode;

// Counts of one disc, or of the whole catalogue.
struct TDiscStats {
    QString label;
    int64_t folders = 0;
    int64_t files = 0;
    int64_t bytes = 0; // as the program's size calculation gives it
};

// A file node and its own size.
struct TFileSize {
    const TTreeNode *node = nullptr;
    int64_t size = 0;
};

// The files of one extension (lower case, with its dot; "" for names
// without one).
struct TExtensionStats {
    QString extension;
    int64_t files = 0;
    int64_t bytes = 0;
};

// What a catalogue tree holds, in one walk: folders, files and bytes per
// disc and in total, the largest files and the extensions that take the
// most bytes.
class TCatalogueStats {
public:
    static constexpr size_t LargestShown = 10;
    static constexpr size_t ExtensionsShown = 15;

    // largestShown: how many of the largest files to keep.
    explicit TCatalogueStats(const TTreeNode *root, size_t largestShown = LargestShown);

    // In the tree's order.
    const std::vector<TDiscStats> &Discs() const { return discs_; }
    // The sum of every disc; its label is empty.
    const TDiscStats &Total() const { return total_; }
    // At most largestShown, the largest first; equal sizes in tree order.
    const std::vector<TFileSize> &Largest() const { return largest_; }
    // At most ExtensionsShown, the most bytes first (then more files, then
    // by name).
    const std::vector<TExtensionStats> &Extensions() const { return extensions_; }
    // The files and bytes of every extension not in Extensions(); its
    // extension is empty.
    const TExtensionStats &OtherExtensions() const { return others_; }

private:
    void AddLargest(const TTreeNode *file, int64_t size);

    std::vector<TDiscStats> discs_;
    TDiscStats total_;
    std::vector<TFileSize> largest_;
    std::vector<TExtensionStats> extensions_;
    TExtensionStats others_;
    size_t largestShown_;
};

// The extension of a file name: from its last "." on, lower-cased; "" when
// the name has no "." after its first character.
QString FileExtension(const QString &name);

} // namespace qbx
