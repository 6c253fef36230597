#pragma once

#include "platform/TextRules.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace qbx {

// The optional description a catalogue node owns.
struct TItemDescription {
    static constexpr qsizetype ProducerCapacity = 64;
    static constexpr qsizetype ProductCapacity = 64;
    static constexpr qsizetype VersionCapacity = 16;
    static constexpr qsizetype DescriptionCapacity = 64;

    QString Producer;
    QString Product;
    QString Version;
    int64_t Size = 0; // bytes; 0 = unknown or none
    QString Description;

    // A description with every text cut to its capacity.
    static TItemDescription Make(const QString &producer, const QString &product,
                                 const QString &version, int64_t size, const QString &description)
    {
        return {text::Cut(producer, ProducerCapacity), text::Cut(product, ProductCapacity),
                text::Cut(version, VersionCapacity), size,
                text::Cut(description, DescriptionCapacity)};
    }

    // True when the values say nothing: four empty texts and size 0. Such an
    // item carries no description at all.
    bool IsBlank() const
    {
        return Producer.isEmpty() && Product.isEmpty() && Version.isEmpty() && Size == 0 &&
               Description.isEmpty();
    }

    bool operator==(const TItemDescription &) const = default;
};

// A node's description as read: it points at the node's own object, or holds
// a copy of a description the node keeps as a bare size. Keep the reference
// itself (not a pointer or reference taken from it) while using the values.
class TDescriptionRef {
public:
    TDescriptionRef() = default;
    explicit TDescriptionRef(const TItemDescription *full) : full_(full), has_(full != nullptr) {}
    explicit TDescriptionRef(int64_t size) : has_(true) { sizeOnly_.Size = size; }

    explicit operator bool() const { return has_; }
    const TItemDescription *operator->() const { return full_ ? full_ : &sizeOnly_; }
    // Within one expression only, when taken from a temporary reference.
    const TItemDescription &operator*() const { return *operator->(); }
    // Compares as a pointer would: equal to null without a description.
    bool operator==(std::nullptr_t) const { return !has_; }

private:
    const TItemDescription *full_ = nullptr;
    TItemDescription sizeOnly_;
    bool has_ = false;
};

} // namespace qbx
