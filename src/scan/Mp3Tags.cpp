#include "scan/Mp3Tags.h"

#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "scan/ReadOnlyFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace qbx {
namespace {

constexpr int kHeaderSize = 10;
constexpr int kFrameHeaderSize = 10;
constexpr int kV1Size = 128;

std::uint32_t Byte(const char *p, int i)
{
    return static_cast<unsigned char>(p[i]);
}

// The frames the reader uses. A comment carries, before its text, the
// encoding byte, a three-letter language and a NUL-terminated short
// description; a text frame only the encoding byte.
struct FrameKind {
    const char *id;
    QString TProductInfo::*field;
    int headerNuls;
};

constexpr std::array<FrameKind, 4> kFrames = {{
    {"TPE1", &TProductInfo::Producer, 1},
    {"TIT2", &TProductInfo::Product, 1},
    {"TYER", &TProductInfo::Version, 1},
    {"COMM", &TProductInfo::Description, 2},
}};

// Text of the frame whose data lies at buffer[start, end). Writers may end
// a text with NUL terminators; they are dropped first, or the clean-up (which
// removes everything up to the last NUL) would lose the whole text. NULs that
// belong to the frame's header part stay, so an empty comment stays empty.
// UTF-16 texts (encoding byte 1) are not decoded and give nothing.
QString FrameText(std::string_view buffer, std::size_t start, std::size_t end, int headerNuls)
{
    if (start >= end)
        return {};
    std::string_view data = buffer.substr(start, end - start);
    if (data.front() == '\x01')
        return {};
    auto nuls = std::count(data.begin(), data.end(), '\0');
    while (data.size() > 1 && data.back() == '\0' && nuls > headerNuls) {
        data.remove_suffix(1);
        --nuls;
    }
    return CleanTagText(buffer, qint64(start), qint64(data.size()), true);
}

// Walks the frames of the bytes read. The walk always ends: a frame header
// that does not fit in the bytes read is not taken, and a frame whose data
// would pass them is cut at their end and is the last one looked at.
void ReadFrames(std::string_view buffer, std::size_t bytesRead, TProductInfo &info)
{
    std::size_t p = 0;
    while (p + kFrameHeaderSize <= bytesRead) {
        const char *h = buffer.data() + p;
        const std::uint64_t size =
            (Byte(h, 4) << 24) | (Byte(h, 5) << 16) | (Byte(h, 6) << 8) | Byte(h, 7);
        const std::uint64_t next = p + kFrameHeaderSize + size; // always beyond p
        for (const FrameKind &kind : kFrames) {
            if (std::memcmp(h, kind.id, 4) == 0) {
                const auto end = std::size_t(std::min<std::uint64_t>(next, bytesRead));
                info.*kind.field = FrameText(buffer, p + kFrameHeaderSize, end, kind.headerNuls);
                break;
            }
        }
        if (next > bytesRead)
            break;
        p = std::size_t(next);
    }
}

bool AnyEmpty(const TProductInfo &info)
{
    return info.Producer.isEmpty() || info.Product.isEmpty() || info.Version.isEmpty() ||
           info.Description.isEmpty();
}

void FillFromV1(std::string_view block, TProductInfo &info)
{
    struct Field {
        QString TProductInfo::*field;
        int offset;
        int length;
    };
    static constexpr std::array<Field, 4> kFields = {{
        {&TProductInfo::Product, 3, 30},
        {&TProductInfo::Producer, 33, 30},
        {&TProductInfo::Version, 93, 4},
        {&TProductInfo::Description, 97, 30},
    }};
    for (const Field &f : kFields) {
        if ((info.*f.field).isEmpty())
            info.*f.field = CleanTagText(block, f.offset, f.length, true);
    }
}

} // namespace

QString CleanTagText(std::string_view buffer, qint64 first, qint64 count, bool clean)
{
    if (buffer.empty())
        return {};
    const qint64 last = qint64(buffer.size()) - 1;
    const qint64 lo = std::clamp<qint64>(first, 0, last);
    const qint64 hi = std::clamp<qint64>(first + count - 1, lo, last);
    std::string_view text = buffer.substr(std::size_t(lo), std::size_t(hi - lo + 1));
    if (!clean)
        return codec::FromCp1251(text);
    if (text.front() == '\0')
        text.remove_prefix(text.rfind('\0') + 1);
    return text::Trim(codec::FromCp1251(text)).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

TProductInfo ReadMp3Tags(const QString &path)
{
    TProductInfo info;
    ReadOnlyFile file(path);

    std::array<char, kHeaderSize> header{};
    if (file.ReadUpTo(header.data(), kHeaderSize) == kHeaderSize &&
        std::memcmp(header.data(), "ID3\x03\x00", 5) == 0) {
        // Each size byte is taken whole, as the tag's writers of the time did.
        const std::uint64_t tagSize = (Byte(header.data(), 6) << 21) +
                                      (Byte(header.data(), 7) << 14) +
                                      (Byte(header.data(), 8) << 7) + Byte(header.data(), 9);
        const auto wanted = qint64(std::min<std::uint64_t>(tagSize, kTagBufferSize));
        std::array<char, kTagBufferSize> buffer{};
        if (file.ReadUpTo(buffer.data(), wanted) == wanted)
            ReadFrames(std::string_view(buffer.data(), buffer.size()), std::size_t(wanted), info);
    }

    if (AnyEmpty(info)) {
        const qint64 size = file.Size();
        if (size > kV1Size) {
            std::array<char, kV1Size> block{};
            if (file.ReadUpToAt(block.data(), kV1Size, size - kV1Size) == kV1Size &&
                std::memcmp(block.data(), "TAG", 3) == 0)
                FillFromV1(std::string_view(block.data(), block.size()), info);
        }
    }

    info.Recognised = !info.Producer.isEmpty() || !info.Product.isEmpty() ||
                      !info.Version.isEmpty() || !info.Description.isEmpty();
    return info;
}

} // namespace qbx
