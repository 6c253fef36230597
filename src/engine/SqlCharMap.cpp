#include "engine/SqlCharMap.h"

namespace qbx::engine {

namespace {

struct Maps {
    CharMap identity;
    CharMap upper;

    Maps()
    {
        for (int i = 0; i < 256; ++i)
            identity[i] = upper[i] = static_cast<uint8_t>(i);
        for (int c = 'a'; c <= 'z'; ++c)
            upper[c] = static_cast<uint8_t>(c - 'a' + 'A');
        for (int c = 0xE0; c <= 0xFF; ++c) // а..я → А..Я
            upper[c] = static_cast<uint8_t>(c - 0x20);
        // Letters outside the two contiguous runs: {lower, upper}.
        static const uint8_t pairs[][2] = {
            {0x90, 0x80}, // ђ Ђ
            {0x83, 0x81}, // ѓ Ѓ
            {0x9A, 0x8A}, // љ Љ
            {0x9C, 0x8C}, // њ Њ
            {0x9D, 0x8D}, // ќ Ќ
            {0x9E, 0x8E}, // ћ Ћ
            {0x9F, 0x8F}, // џ Џ
            {0xA2, 0xA1}, // ў Ў
            {0xBC, 0xA3}, // ј Ј
            {0xB4, 0xA5}, // ґ Ґ
            {0xB8, 0xA8}, // ё Ё
            {0xBA, 0xAA}, // є Є
            {0xBF, 0xAF}, // ї Ї
            {0xB3, 0xB2}, // і І
            {0xBE, 0xBD}, // ѕ Ѕ
        };
        for (const auto &p : pairs)
            upper[p[0]] = p[1];
    }
};

const Maps &TheMaps()
{
    static const Maps maps;
    return maps;
}

} // namespace

const CharMap &IdentityMap()
{
    return TheMaps().identity;
}

const CharMap &Cp1251UpperMap()
{
    return TheMaps().upper;
}

std::string Cp1251Upper(std::string_view text)
{
    const CharMap &map = Cp1251UpperMap();
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(map[static_cast<uint8_t>(c)]);
    return out;
}

} // namespace qbx::engine
