#pragma once

namespace qbx {

// Reports a broken promise between parts of the program (a hook nobody
// connected, a command id outside the command table) and stops the program.
// Such a fault is a wiring mistake, not a user's error: going on would either
// do nothing where the user expects something or read out of bounds.
[[noreturn]] void FailCheck(const char *what, const char *file, int line);

} // namespace qbx

// Unlike Q_ASSERT, the check stays in release builds, so that tests (built
// with optimisation) fail loudly too.
#define QBX_CHECK(condition, what)                                                                 \
    ((condition) ? static_cast<void>(0) : ::qbx::FailCheck(what, __FILE__, __LINE__))
