// Feeds arbitrary files to the ID3 reader and arbitrary ranges to the tag
// text clean-up: neither may crash, read outside its buffer or hang.
#include "FuzzFile.h"

#include "scan/Mp3Tags.h"

#include <algorithm>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const qbx::TProductInfo info = qbx::ReadMp3Tags(qbx::fuzz::WriteInput(data, size));
    if (info.Recognised !=
        !(info.Producer + info.Product + info.Version + info.Description).isEmpty())
        __builtin_trap();

    if (size >= 16) {
        qint64 first = 0;
        qint64 count = 0;
        std::memcpy(&first, data, 8);
        std::memcpy(&count, data + 8, 8);
        first %= 4096;
        count %= 4096;
        std::string buffer(reinterpret_cast<const char *>(data) + 16, size - 16);
        buffer.resize(std::min<std::size_t>(std::max<std::size_t>(buffer.size(), 1), 1024), '\0');
        qbx::CleanTagText(buffer, first, count, data[0] & 1);
    }
    return 0;
}
