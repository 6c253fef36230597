#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qbx::engine {

// A Paradox language driver as a table file records it: the short ID
// string, the sort byte and the code page.
struct LanguageDriver {
    std::string_view id;
    uint8_t sortByte = 0;
    uint16_t codePage = 0;
};

// The Cyrillic ANSI driver every catalogue table is written with.
inline constexpr std::string_view kCyrillicDriverId = "ancyrr";

// A known driver by its ID, compared case-insensitively; nullptr when unknown.
const LanguageDriver *FindLanguageDriver(std::string_view id);

// Name of the driver of a level 3 table, which records only the sort byte;
// empty when the byte is ambiguous or unknown.
std::string DriverNameOfSortByte(uint8_t sortByte);

} // namespace qbx::engine
