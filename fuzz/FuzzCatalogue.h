#pragma once

#include "engine/SqlCondition.h"

#include <cstdint>
#include <vector>

// A catalogue record as SQL conditions see it: the seven fields of the
// current format, 503 bytes in all.
namespace qbx::fuzz {

inline constexpr uint32_t kCatalogueRecordSize = 503;

inline const std::vector<engine::SqlField> &CatalogueSqlFields()
{
    using namespace engine;
    static const std::vector<SqlField> fields = {
        {"Label", {FtAlpha, 0, 32}},         {"Path", {FtAlpha, 32, 255}},
        {"Producer", {FtAlpha, 287, 64}},    {"Product", {FtAlpha, 351, 64}},
        {"Version", {FtAlpha, 415, 16}},     {"ByteSize", {FtNumber, 431, 8}},
        {"Description", {FtAlpha, 439, 64}},
    };
    return fields;
}

} // namespace qbx::fuzz
