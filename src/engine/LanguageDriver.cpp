#include "engine/LanguageDriver.h"

#include <array>

namespace qbx::engine {

namespace {

constexpr std::array<LanguageDriver, 9> kDrivers{{
    {"ascii", 0x00, 437},
    {"intl", 0xB7, 437},
    {"intl850", 0x54, 850},
    {"ANSIINTL", 0x62, 1252},
    {"ANSII850", 0x11, 1252},
    {"DBWINUS0", 0x4C, 1252},
    {"ancyrr", 0x8F, 1251},
    {"cyrr", 0xC0, 866},
    {"BGPD1251", 0xE6, 1251},
}};

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = char(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = char(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

const LanguageDriver *FindLanguageDriver(std::string_view id)
{
    for (const LanguageDriver &d : kDrivers)
        if (EqualNoCase(d.id, id))
            return &d;
    return nullptr;
}

std::string DriverNameOfSortByte(uint8_t sortByte)
{
    // 0x8F is shared with a DOS 852 driver, so only bytes with a single
    // owner in the table name a driver.
    if (sortByte == 0x8F)
        return {};
    for (const LanguageDriver &d : kDrivers)
        if (d.sortByte == sortByte)
            return std::string(d.id);
    return {};
}

} // namespace qbx::engine
