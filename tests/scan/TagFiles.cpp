#include "TagFiles.h"

#include <QFile>
#include <QStringEncoder>

#include <stdexcept>

namespace qbx::test {

// Encoded by Qt's own converters, independent of the program's codec.
static std::string Encode(const char *codePage, const QString &text)
{
    QStringEncoder encoder(codePage);
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        throw std::runtime_error("text cannot be encoded for a test file");
    return bytes.toStdString();
}

std::string Cp1251(const QString &text)
{
    return Encode("windows-1251", text);
}

std::string Cp866(const QString &text)
{
    return Encode("IBM866", text);
}

std::string Id3Frame(std::string_view id, std::string_view data)
{
    const auto n = std::uint32_t(data.size());
    std::string f(id);
    f += char(n >> 24);
    f += char(n >> 16);
    f += char(n >> 8);
    f += char(n);
    f += std::string(2, '\0');
    f += data;
    return f;
}

std::string Id3TextFrame(std::string_view id, const QString &text)
{
    return Id3Frame(id, std::string(1, '\0') + Cp1251(text));
}

std::string Id3Header(int major, int revision, std::uint32_t size)
{
    std::string h = "ID3";
    h += char(major);
    h += char(revision);
    h += '\0';
    h += char(size >> 21 & 0x7F);
    h += char(size >> 14 & 0x7F);
    h += char(size >> 7 & 0x7F);
    h += char(size & 0x7F);
    return h;
}

std::string Id3v23Tag(const std::string &frames, int padding)
{
    return Id3Header(3, 0, std::uint32_t(frames.size()) + std::uint32_t(padding)) + frames +
           std::string(std::size_t(padding), '\0');
}

std::string Id3v1Block(const QString &title, const QString &artist, const QString &year,
                       const QString &comment)
{
    auto field = [](const QString &text, std::size_t length) {
        std::string bytes = Cp1251(text).substr(0, length);
        bytes.resize(length, '\0');
        return bytes;
    };
    return "TAG" + field(title, 30) + field(artist, 30) + field(QString(), 30) + field(year, 4) +
           field(comment, 30) + '\x0C';
}

std::string Audio(int size)
{
    std::string a;
    for (int i = 0; i < size; ++i)
        a += char(i % 251 == 0 ? 0xFF : i * 7);
    return a;
}

QString TempFiles::Write(const QString &name, std::string_view bytes)
{
    const QString path = dir_.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw std::runtime_error("cannot write test file");
    return path;
}

} // namespace qbx::test
