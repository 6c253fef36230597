#include "platform/Codec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace qbx::codec {
namespace {

// Characters of the bytes 0x80..0xFF. 0x98 has no character in 1251; it is
// kept as U+0098 so that every byte survives a round trip.
constexpr std::array<char16_t, 128> kCp1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr std::array<char16_t, 128> kCp866 = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B,
    0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433,
    0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B,
    0x044C, 0x044D, 0x044E, 0x044F, 0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,
};

using Pair = std::pair<char16_t, unsigned char>;

// Reverse map of the upper half of 1251, sorted by character.
std::array<Pair, 128> MakeReverse()
{
    std::array<Pair, 128> r{};
    for (int i = 0; i < 128; ++i)
        r[size_t(i)] = {kCp1251[size_t(i)], static_cast<unsigned char>(0x80 + i)};
    std::sort(r.begin(), r.end());
    return r;
}

const std::array<Pair, 128> &Reverse()
{
    static const std::array<Pair, 128> r = MakeReverse();
    return r;
}

using ByteChars = std::array<char16_t, 256>;

// Characters of all 256 bytes: decoding is one lookup per byte, no branch.
constexpr ByteChars AllBytes(const std::array<char16_t, 128> &high)
{
    ByteChars all{};
    for (size_t i = 0; i < 128; ++i) {
        all[i] = char16_t(i);
        all[128 + i] = high[i];
    }
    return all;
}

constexpr ByteChars kCp1251All = AllBytes(kCp1251);
constexpr ByteChars kCp866All = AllBytes(kCp866);

void DecodeTo(std::string_view bytes, const ByteChars &chars, QChar *d)
{
    char16_t *out = reinterpret_cast<char16_t *>(d);
    for (const char ch : bytes)
        *out++ = chars[static_cast<unsigned char>(ch)];
}

QString Decode(std::string_view bytes, const ByteChars &chars)
{
    // Sized exactly: decoded texts are often kept, a million of them in a
    // loaded catalogue.
    QString out(qsizetype(bytes.size()), Qt::Uninitialized);
    DecodeTo(bytes, chars, out.data());
    return out;
}

} // namespace

QString FromCp1251(std::string_view bytes)
{
    return Decode(bytes, kCp1251All);
}

void FromCp1251(std::string_view bytes, QString &out)
{
    out.resize(qsizetype(bytes.size()));
    DecodeTo(bytes, kCp1251All, out.data());
}

void FromCp1251(std::string_view bytes, char16_t *out)
{
    DecodeTo(bytes, kCp1251All, reinterpret_cast<QChar *>(out));
}

void AppendCp1251AsUtf8(std::string_view bytes, QByteArray &out)
{
    // UTF-8 of each byte's character (all of them below U+10000): at most
    // three bytes.
    struct Utf8 {
        char bytes[3];
        uint8_t size;
    };
    static const std::array<Utf8, 256> table = [] {
        std::array<Utf8, 256> t{};
        for (size_t b = 0; b < 256; ++b) {
            const char16_t c = kCp1251All[b];
            Utf8 &u = t[b];
            if (c < 0x80) {
                u = {{char(c)}, 1};
            } else if (c < 0x800) {
                u = {{char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))}, 2};
            } else {
                u = {{char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)),
                      char(0x80 | (c & 0x3F))},
                     3};
            }
        }
        return t;
    }();
    const qsizetype start = out.size();
    out.resize(start + qsizetype(bytes.size()) * 3);
    char *d = out.data() + start;
    for (const char ch : bytes) {
        const Utf8 &u = table[static_cast<unsigned char>(ch)];
        std::memcpy(d, u.bytes, 3);
        d += u.size;
    }
    out.truncate(qsizetype(d - out.constData()));
}

QString FromCp866(std::string_view bytes)
{
    return Decode(bytes, kCp866All);
}

int Cp1251ByteOfOther(char16_t c)
{
    const auto &r = Reverse();
    const auto it = std::lower_bound(r.begin(), r.end(), Pair{c, 0});
    if (it != r.end() && it->first == c)
        return it->second;
    return -1;
}

bool CanEncodeCp1251(const QString &text)
{
    for (const QChar ch : text)
        if (Cp1251Byte(ch.unicode()) < 0)
            return false;
    return true;
}

std::string ToCp1251(const QString &text, bool *ok)
{
    std::string out;
    out.resize(size_t(text.size()));
    bool all = true;
    size_t i = 0;
    for (const QChar ch : text) {
        const int b = Cp1251Byte(ch.unicode());
        if (b < 0)
            all = false;
        out[i++] = static_cast<char>(b < 0 ? '?' : b);
    }
    if (ok)
        *ok = all;
    return out;
}

QByteArray ToCp1251Bytes(const QString &text, bool *ok)
{
    const std::string s = ToCp1251(text, ok);
    return QByteArray(s.data(), qsizetype(s.size()));
}

std::optional<QString> ToCatalogueText(const QString &text)
{
    if (CanEncodeCp1251(text))
        return text;
    // Composing first keeps letters that 1251 holds whole when they arrive
    // as a base letter and a mark (a file system storing decomposed names).
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar ch = composed.at(i);
        if (Cp1251Byte(ch.unicode()) >= 0) {
            out.append(ch);
            continue;
        }
        if (ch.isMark())
            continue;
        if (ch.isSurrogate())
            return std::nullopt;
        for (const QChar part : QString(ch).normalized(QString::NormalizationForm_D)) {
            if (part.isMark())
                continue;
            if (Cp1251Byte(part.unicode()) < 0)
                return std::nullopt;
            out.append(part);
        }
    }
    return out;
}

std::optional<QString> FromUtf8Strict(std::string_view bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::string OemToAnsi(std::string_view bytes)
{
    return ToCp1251(FromCp866(bytes));
}

} // namespace qbx::codec
