#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// Text rules shared by the whole program: case mapping, the order of file
// names and the case-folded keys used for lookups. The catalogue holds only
// what Windows-1251 can encode, so the case mapping covers exactly the letter
// pairs of that code page (Latin, Cyrillic with Ё and the other Cyrillic
// letters of 1251); every other character maps to itself. The table engine's
// UPPER uses the same mapping on 1251 bytes.
namespace qbx::text {

namespace detail {
// Every cased letter of 1251 lies below this code point.
inline constexpr char16_t kCaseTableEnd = 0x0500;
extern const std::array<char16_t, kCaseTableEnd> kUpperTable;
extern const std::array<char16_t, kCaseTableEnd> kLowerTable;
} // namespace detail

inline char16_t UpperChar(char16_t c)
{
    return c < detail::kCaseTableEnd ? detail::kUpperTable[c] : c;
}

inline char16_t LowerChar(char16_t c)
{
    return c < detail::kCaseTableEnd ? detail::kLowerTable[c] : c;
}

QString Upper(QStringView s);
QString Lower(QStringView s);

// Order of file names: case-insensitive, by the Russian collation after
// lower-casing both. The collation is pinned to the Russian locale (not the
// system's), so the order is the same on every machine. Gives -1, 0 or 1; 0
// only when the collation finds no difference at all.
int CompareFileNames(QStringView a, QStringView b);

// Case-folded key for lookups: two names are the same item when their
// upper-cased forms are equal. The hash is that of the upper-cased form.
uint32_t FoldedHash(QStringView s);
bool EqualFolded(QStringView a, QStringView b);

// Removes characters up to and including the space from both ends (control
// characters count as blanks, as in the stored tables).
QString Trim(QStringView s);

// The text cut to at most capacity characters (fields of fixed capacity).
QString Cut(const QString &s, qsizetype capacity);

// A name as it may be listed to the user: every control character (line
// breaks and tabs too), format character (such as the right-to-left
// override, which reorders what follows it) and line or paragraph separator
// becomes U+FFFD, so that a crafted name can neither hide itself nor make a
// list say something else.
QString Visible(QStringView s);
// The same test for one character.
bool HiddenCharacter(char32_t c);

namespace detail {
// The collator's own answer, without the fast path; tests check that both
// agree.
int CompareByCollator(QStringView a, QStringView b);
} // namespace detail

} // namespace qbx::text
