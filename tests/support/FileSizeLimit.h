#pragma once

#include <csignal>

#include <sys/resource.h>

namespace qbx::test {

// Makes the disc "full" for this process while it lives: no file can grow
// beyond `bytes` (writes past it fail with EFBIG instead of raising
// SIGXFSZ). Unlike a read-only folder, this also stops the superuser, so the
// failure paths of saving are tested wherever the tests run.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace qbx::test
