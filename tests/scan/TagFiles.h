#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>
#include <string_view>

// Builders of MP3 files and SETUP.TXT files, byte by byte, in a temporary
// folder. Texts are given as QString and written in 1251 unless said.
namespace qbx::test {

std::string Cp1251(const QString &text);
std::string Cp866(const QString &text);

// A frame: identifier, 32-bit big-endian size, two flag bytes, data.
std::string Id3Frame(std::string_view id, std::string_view data);
// A text frame with encoding byte 0.
std::string Id3TextFrame(std::string_view id, const QString &text);
// A header "ID3", major, revision, flags 0 and the size bytes as given.
std::string Id3Header(int major, int revision, std::uint32_t size);
// A whole version 2 tag with the frames and the size they need plus padding.
std::string Id3v23Tag(const std::string &frames, int padding = 0);
// The 128-byte version 1 block; fields are cut or padded with NULs.
std::string Id3v1Block(const QString &title, const QString &artist, const QString &year,
                       const QString &comment);
// Some bytes that stand for MPEG audio.
std::string Audio(int size = 4000);

class TempFiles {
public:
    QString Write(const QString &name, std::string_view bytes);
    QString Path(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

} // namespace qbx::test
