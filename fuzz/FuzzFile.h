#pragma once

#include <QDir>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <unistd.h>

// One temporary file per fuzzing process that each input is written to, so
// the readers of files on disc can be fed from memory.
namespace qbx::fuzz {

inline QString WriteInput(const char *suffix, const std::uint8_t *data, std::size_t size)
{
    static const QString path =
        QDir::temp().filePath(QStringLiteral("qbx_fuzz_%1%2").arg(getpid()).arg(suffix));
    static const std::string local = path.toStdString();
    std::FILE *f = std::fopen(local.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot write the fuzz input file");
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    std::fclose(f);
    if (!ok)
        throw std::runtime_error("cannot write the fuzz input file");
    return path;
}

} // namespace qbx::fuzz
