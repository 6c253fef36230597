#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace qbx {

// What the description pane shows for one node: the seven catalogue fields
// (size -1 = no size).
struct TDisplayRecord {
    QString Label;
    QString Path;
    QString Producer;
    QString Product;
    QString Version;
    int64_t Size = -1;
    QString Description;

    bool operator==(const TDisplayRecord &) const = default;

    // The seven row texts in field order; row 5 (size) is left to the caller,
    // which formats it in the unit in force.
    std::array<QString, 7> Rows(const QString &sizeText) const
    {
        return {Label, Path, Producer, Product, Version, sizeText, Description};
    }
};

// Merges one more selected node's record into the shown one: every text that
// differs is cleared and a differing size becomes -1.
inline void MergeDisplayRecord(TDisplayRecord &shown, const TDisplayRecord &other)
{
    auto keep = [](QString &a, const QString &b) {
        if (a != b)
            a.clear();
    };
    keep(shown.Label, other.Label);
    keep(shown.Path, other.Path);
    keep(shown.Producer, other.Producer);
    keep(shown.Product, other.Product);
    keep(shown.Version, other.Version);
    keep(shown.Description, other.Description);
    if (shown.Size != other.Size)
        shown.Size = -1;
}

} // namespace qbx
