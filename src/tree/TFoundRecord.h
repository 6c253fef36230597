#pragma once

#include "platform/TextRules.h"
#include "tree/FieldCapacities.h"

#include <QString>

#include <cstdint>

namespace qbx {

// The record a search-result node owns: the seven catalogue fields of the
// row it was made from. Unlike a description it exists even when every value
// is empty.
struct TFoundRecord {
    static constexpr qsizetype LabelCapacity = kLabelCapacity;
    static constexpr qsizetype PathCapacity = kPathCapacity;
    static constexpr qsizetype ProducerCapacity = kProducerCapacity;
    static constexpr qsizetype ProductCapacity = kProductCapacity;
    static constexpr qsizetype VersionCapacity = kVersionCapacity;
    static constexpr qsizetype DescriptionCapacity = kDescriptionCapacity;

    QString Label;
    QString Path;
    QString Producer;
    QString Product;
    QString Version;
    int64_t Size = 0; // the row's ByteSize with its fraction dropped
    QString Description;

    // A record with every text cut to its capacity.
    static TFoundRecord Make(const QString &label, const QString &path, const QString &producer,
                             const QString &product, const QString &version, int64_t size,
                             const QString &description)
    {
        return {text::Cut(label, LabelCapacity),
                text::Cut(path, PathCapacity),
                text::Cut(producer, ProducerCapacity),
                text::Cut(product, ProductCapacity),
                text::Cut(version, VersionCapacity),
                size,
                text::Cut(description, DescriptionCapacity)};
    }

    bool operator==(const TFoundRecord &) const = default;
};

} // namespace qbx
