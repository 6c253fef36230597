#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

// The engine-written fixture tables live beside the repository (see the
// README). On a developer's machine without them the tests that read them
// are skipped; CI sets QBX_REQUIRE_FIXTURES (.ci/run), and there a missing
// fixture fails the test instead of passing it over unnoticed.
#define QBX_SKIP_WITHOUT_FIXTURES(what)                                                            \
    do {                                                                                           \
        if (std::getenv("QBX_REQUIRE_FIXTURES"))                                                   \
            FAIL() << "fixture missing: " << (what)                                                \
                   << " (QBX_REQUIRE_FIXTURES is set, so the fixtures are required)";              \
        GTEST_SKIP() << "no fixtures";                                                             \
    } while (false)
