#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

// The one place where text crosses between the program (QString) and the
// single-byte outside world: catalogue tables, text trees, query files, tags
// and SETUP.TXT use Windows-1251; SETUP.TXT may also be DOS 866.
namespace qbx::codec {

QString FromCp1251(std::string_view bytes);
// The same into out, reusing its buffer when no copy of it is shared (a
// reader that decodes a value of every record into one string).
void FromCp1251(std::string_view bytes, QString &out);
// The same into out, which has room for bytes.size() characters.
void FromCp1251(std::string_view bytes, char16_t *out);
inline QString FromCp1251(const QByteArray &bytes)
{
    return FromCp1251(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// Appends the UTF-8 form of 1251 bytes to `out`: the characters of
// FromCp1251 without a QString in between, for output of many rows.
void AppendCp1251AsUtf8(std::string_view bytes, QByteArray &out);

QString FromCp866(std::string_view bytes);
inline QString FromCp866(const QByteArray &bytes)
{
    return FromCp866(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// 1251 byte of a character that is neither ASCII nor А..я, or -1.
int Cp1251ByteOfOther(char16_t c);

// 1251 byte of one character, or -1 when 1251 has no such character. ASCII
// and А..я, nearly every character of a name, are answered inline without
// the table, as catalogues encode them for every record they write.
inline int Cp1251Byte(char16_t c)
{
    if (c < 0x80)
        return c;
    if (c >= 0x0410 && c <= 0x044F)
        return 0xC0 + (c - 0x0410);
    return Cp1251ByteOfOther(c);
}

// True when every character of the text has a 1251 byte.
bool CanEncodeCp1251(const QString &text);

// Encodes to 1251. A character without a 1251 byte is written as '?' and
// *ok (when given) becomes false, so callers that must not lose text can
// refuse it.
std::string ToCp1251(const QString &text, bool *ok = nullptr);
QByteArray ToCp1251Bytes(const QString &text, bool *ok = nullptr);

// Text entering the catalogue or a search (scanned names, typed names,
// descriptions, search texts), made fit for 1251: a character 1251 lacks is
// decomposed and its combining marks dropped, as a single-byte conversion gave
// accented Latin letters their base letter ("Björk" becomes "Bjork"). Letters
// that 1251 holds whole (Й, Ё) are kept, also when they arrive decomposed.
// Gives nothing when some character still cannot be encoded (Chinese, emoji):
// such text is refused, never turned into '?'.
std::optional<QString> ToCatalogueText(const QString &text);

// UTF-8 bytes (file names from the system) decoded strictly: nothing when the
// bytes are not valid UTF-8.
std::optional<QString> FromUtf8Strict(std::string_view bytes);

// DOS 866 bytes converted to 1251 bytes (characters 1251 lacks become '?').
std::string OemToAnsi(std::string_view bytes);

} // namespace qbx::codec
