#pragma once

#include <QString>
#include <QStringView>

namespace qbx {

// Makes the names of a tree's nodes. A name is an ordinary QString, but
// instead of an allocation of its own (a header and the characters, with the
// allocator's rounding) it refers to its characters in a large shared block:
// a tree of millions of short names needs a fraction of the memory and of the
// allocations. Each name holds a reference to its block, so a block lives as
// long as any name in it (or a copy of one) does; Qt copies a name before
// changing it while the block is shared, as with any shared string.
class TNameStore {
public:
    TNameStore() = default;
    TNameStore(const TNameStore &) = delete;
    TNameStore &operator=(const TNameStore &) = delete;

    QString Make(QStringView name);
    // Names made from now on go to a new block; the current one is freed
    // with its last name.
    void Release();

private:
    QString::DataPointer block_; // holds one reference while names are added
    qsizetype used_ = 0;
};

} // namespace qbx
