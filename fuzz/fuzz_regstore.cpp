// Reads arbitrary bytes as a registry store file. Whatever it makes of them
// must be written back as a store that reads back to the same keys and values.
#include "platform/Registry.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto root = qbx::Registry::ParseStore(bytes);
    const QByteArray text = qbx::Registry::SerializeStore(*root);
    bool headerOk = false;
    const auto again = qbx::Registry::ParseStore(text, &headerOk);
    if (!headerOk || qbx::Registry::SerializeStore(*again) != text)
        __builtin_trap();
    return 0;
}
