#include "tree/TNameStore.h"

#include <cstring>

namespace qbx {
namespace {

// Characters per block; a name longer than a small part of it gets its own
// allocation so that no block is left mostly empty.
constexpr qsizetype kBlockChars = 32 * 1024;
constexpr qsizetype kLongName = 256;

} // namespace

QString TNameStore::Make(QStringView name)
{
    if (name.isEmpty() || name.size() > kLongName)
        return name.toString();
    // Each name is followed by a terminating zero, as every QString is.
    const qsizetype need = name.size() + 1;
    if (!block_.d_ptr() || used_ + need > kBlockChars) {
        block_ = QString::DataPointer(QTypedArrayData<char16_t>::allocate(kBlockChars), 0);
        used_ = 0;
    }
    char16_t *chars = block_.data() + used_;
    std::memcpy(chars, name.utf16(), size_t(name.size()) * sizeof(char16_t));
    chars[name.size()] = 0;
    used_ += need;
    block_.d_ptr()->ref();
    return QString(QString::DataPointer(block_.d_ptr(), chars, name.size()));
}

void TNameStore::Release()
{
    block_ = QString::DataPointer();
    used_ = 0;
}

} // namespace qbx
