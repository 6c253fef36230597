#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

// The one place where text crosses between the program (QString) and the
// single-byte outside world: catalogue tables, text trees, query files, tags
// and SETUP.TXT use Windows-1251; SETUP.TXT may also be DOS 866.
namespace qbx::codec {

QString FromCp1251(std::string_view bytes);
inline QString FromCp1251(const QByteArray &bytes)
{
    return FromCp1251(std::string_view(bytes.constData(), size_t(bytes.size())));
}

QString FromCp866(std::string_view bytes);
inline QString FromCp866(const QByteArray &bytes)
{
    return FromCp866(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// 1251 byte of one character, or -1 when 1251 has no such character.
int Cp1251Byte(char16_t c);

// True when every character of the text has a 1251 byte.
bool CanEncodeCp1251(const QString &text);

// Encodes to 1251. A character without a 1251 byte is written as '?' and
// *ok (when given) becomes false, so callers that must not lose text can
// refuse it.
std::string ToCp1251(const QString &text, bool *ok = nullptr);
QByteArray ToCp1251Bytes(const QString &text, bool *ok = nullptr);

// DOS 866 bytes converted to 1251 bytes (characters 1251 lacks become '?').
std::string OemToAnsi(std::string_view bytes);

} // namespace qbx::codec
