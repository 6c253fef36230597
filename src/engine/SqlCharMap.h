#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Byte maps applied to Windows-1251 text before it is compared: the identity
// for case-sensitive tests and the upper-case mapping for UPPER (...).
namespace qbx::engine {

using CharMap = uint8_t[256];

const CharMap &IdentityMap();

// Latin a-z, Cyrillic а-я, ё → Ё and every other 1251 letter whose capital
// is also in the code page (ђ, ѓ, љ, њ, ќ, ћ, џ, ў, ј, ґ, є, ї, і, ѕ).
const CharMap &Cp1251UpperMap();

std::string Cp1251Upper(std::string_view text);

} // namespace qbx::engine
