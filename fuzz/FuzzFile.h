#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

// One in-memory file per fuzzing process that each input is written to, so
// the readers of files on disc can be fed from memory. Opened by its
// /proc/self/fd path, it behaves like any file; it vanishes with the process
// and never touches a disc.
namespace qbx::fuzz {

inline QString WriteInput(const std::uint8_t *data, std::size_t size)
{
    static const int fd = ::memfd_create("qbx_fuzz_input", 0);
    if (fd < 0 || ::pwrite(fd, data, size, 0) != ssize_t(size) || ::ftruncate(fd, off_t(size)) != 0)
        throw std::runtime_error("cannot write the fuzz input file");
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

} // namespace qbx::fuzz
