#include "scan/AudioTags.h"

#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "scan/AsfHeaderCheck.h"
#include "scan/DsfTagFile.h"
#include "scan/MediaNames.h"
#include "scan/TagStream.h"

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/tdebuglistener.h>
#include <taglib/trueaudiofile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>

#include <array>
#include <cstring>
#include <memory>
#include <new>

namespace qbx {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr std::array kExtensions = {
    ".flac"_L1, ".ogg"_L1, ".oga"_L1,  ".opus"_L1, ".spx"_L1, ".m4a"_L1, ".m4b"_L1,
    ".mp4"_L1,  ".aac"_L1, ".wma"_L1,  ".asf"_L1,  ".ape"_L1, ".wv"_L1,  ".mpc"_L1,
    ".mp+"_L1,  ".mpp"_L1, ".aif"_L1,  ".aiff"_L1, ".aifc"_L1, ".wav"_L1, ".dsf"_L1,
    ".tta"_L1,
};

// What the first bytes of a file say it is.
enum class TFormat {
    Unknown,
    Mpeg, // only an ID3 version 2 tag was found at the start
    Flac,
    OggVorbis,
    OggOpus,
    OggSpeex,
    OggFlac,
    Mp4,
    Asf,
    Ape,
    WavPack,
    Musepack,
    Aiff,
    Wav,
    Dsf,
    TrueAudio,
};

// Enough for an Ogg page header with its full segment table and the start
// of the first packet.
constexpr unsigned int kHeadSize = 27 + 255 + 8;
constexpr unsigned int kId3HeaderSize = 10;

// TagLib reports oddities of damaged files on the standard error stream;
// the scan has no use for them.
class TSilentListener final : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String &) override {}
};

void SilenceTagLib()
{
    static TSilentListener listener;
    static const bool once = (TagLib::setDebugListener(&listener), true);
    (void)once;
}

// Whether `head` holds the bytes of `magic` (without its terminating zero)
// at `offset`. Compares in place: TagLib's own startsWith/containsAt would
// first turn each literal into a heap-allocated ByteVector, a dozen times
// per file.
template <size_t N>
bool HasAt(const TagLib::ByteVector &head, unsigned int offset, const char (&magic)[N])
{
    constexpr unsigned int length = N - 1;
    return head.size() >= length && offset <= head.size() - length &&
           std::memcmp(head.data() + offset, magic, length) == 0;
}

// The size of an ID3 version 2 tag at the start of head (header, frames and
// an optional footer), or 0 when there is none.
long Id3v2Size(const TagLib::ByteVector &head)
{
    if (head.size() < kId3HeaderSize || !HasAt(head, 0, "ID3"))
        return 0;
    long size = 0;
    for (unsigned int i = 6; i < kId3HeaderSize; ++i) {
        const auto byte = static_cast<unsigned char>(head[i]);
        if (byte & 0x80)
            return 0; // not a synchsafe size: not a tag
        size = (size << 7) | byte;
    }
    const bool footer = (static_cast<unsigned char>(head[5]) & 0x10) != 0;
    return long(kId3HeaderSize) + size + (footer ? long(kId3HeaderSize) : 0);
}

TFormat OggFormat(const TagLib::ByteVector &head)
{
    if (head.size() < 27)
        return TFormat::Unknown;
    const unsigned int packet = 27 + static_cast<unsigned char>(head[26]);
    if (HasAt(head, packet, "\x01vorbis"))
        return TFormat::OggVorbis;
    if (HasAt(head, packet, "OpusHead"))
        return TFormat::OggOpus;
    if (HasAt(head, packet, "Speex   "))
        return TFormat::OggSpeex;
    if (HasAt(head, packet, "\177FLAC")) // 0x7F, then "FLAC"
        return TFormat::OggFlac;
    return TFormat::Unknown;
}

TFormat FormatOf(const TagLib::ByteVector &head)
{
    if (HasAt(head, 0, "fLaC"))
        return TFormat::Flac;
    if (HasAt(head, 0, "OggS"))
        return OggFormat(head);
    if (HasAt(head, 4, "ftyp") || HasAt(head, 4, "moov"))
        return TFormat::Mp4;
    if (HasAt(head, 0, "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C"))
        return TFormat::Asf;
    if (HasAt(head, 0, "MAC "))
        return TFormat::Ape;
    if (HasAt(head, 0, "wvpk"))
        return TFormat::WavPack;
    if (HasAt(head, 0, "MPCK") || HasAt(head, 0, "MP+"))
        return TFormat::Musepack;
    if (HasAt(head, 0, "FORM") && (HasAt(head, 8, "AIFF") || HasAt(head, 8, "AIFC")))
        return TFormat::Aiff;
    if (HasAt(head, 0, "RIFF") && HasAt(head, 8, "WAVE"))
        return TFormat::Wav;
    if (HasAt(head, 0, "DSD "))
        return TFormat::Dsf;
    if (HasAt(head, 0, "TTA1"))
        return TFormat::TrueAudio;
    return TFormat::Unknown;
}

// Looks past an ID3 version 2 tag at the start, which FLAC, APE, Musepack
// and TrueAudio files may carry too; a tag followed by no known format is
// taken as an MPEG file's.
TFormat Detect(TTagStream &stream)
{
    stream.seek(0);
    const TagLib::ByteVector head = stream.readBlock(kHeadSize);
    const long id3 = Id3v2Size(head);
    if (id3 == 0)
        return FormatOf(head);
    // A file that ends inside its ID3 tag was cut short: the parsers would
    // take the frames that are there, the last one's text cut off.
    if (id3 > stream.length())
        return TFormat::Unknown;
    stream.seek(id3);
    const TFormat after = FormatOf(stream.readBlock(kHeadSize));
    return after == TFormat::Unknown ? TFormat::Mpeg : after;
}

TFormat DetectFromStart(TTagStream &stream)
{
    TFormat format = Detect(stream);
    if (format == TFormat::Asf && !AsfHeaderHoldsTogether(stream))
        format = TFormat::Unknown;
    // Some parsers (RIFF) take the position they start at as the file's.
    stream.seek(0);
    return format;
}

// The parser for the format, told to read tags only: no audio properties.
std::unique_ptr<TagLib::File> Open(TFormat format, TTagStream &stream)
{
    TagLib::IOStream *s = &stream;
    TagLib::ID3v2::FrameFactory *frames = TagLib::ID3v2::FrameFactory::instance();
    switch (format) {
    case TFormat::Unknown:
        return nullptr;
    case TFormat::Mpeg:
        return std::make_unique<TagLib::MPEG::File>(s, frames, false);
    case TFormat::Flac:
        return std::make_unique<TagLib::FLAC::File>(s, frames, false);
    case TFormat::OggVorbis:
        return std::make_unique<TagLib::Ogg::Vorbis::File>(s, false);
    case TFormat::OggOpus:
        return std::make_unique<TagLib::Ogg::Opus::File>(s, false);
    case TFormat::OggSpeex:
        return std::make_unique<TagLib::Ogg::Speex::File>(s, false);
    case TFormat::OggFlac:
        return std::make_unique<TagLib::Ogg::FLAC::File>(s, false);
    case TFormat::Mp4:
        return std::make_unique<TagLib::MP4::File>(s, false);
    case TFormat::Asf:
        return std::make_unique<TagLib::ASF::File>(s, false);
    case TFormat::Ape:
        return std::make_unique<TagLib::APE::File>(s, false);
    case TFormat::WavPack:
        return std::make_unique<TagLib::WavPack::File>(s, false);
    case TFormat::Musepack:
        return std::make_unique<TagLib::MPC::File>(s, false);
    case TFormat::Aiff:
        return std::make_unique<TagLib::RIFF::AIFF::File>(s, false);
    case TFormat::Wav:
        return std::make_unique<TagLib::RIFF::WAV::File>(s, false);
    case TFormat::Dsf:
        return std::make_unique<TDsfTagFile>(s);
    case TFormat::TrueAudio:
        return std::make_unique<TagLib::TrueAudio::File>(s, frames, false);
    }
    return nullptr;
}

// A tag's text as the catalogue can hold it: line breaks and other control
// characters become spaces (a description is one line), the ends are
// trimmed, accents go; text the catalogue still cannot hold gives "".
// TagLib keeps a text as UTF-16 code units, one to a wchar_t; they are
// copied straight into the QString (no UTF-8 round trip, one allocation),
// and a surrogate that is not half of a pair becomes U+FFFD.
QString CatalogueText(const TagLib::String &tagText)
{
    const unsigned int size = tagText.size();
    if (size == 0)
        return {};
    const wchar_t *units = tagText.toCWString();
    QString text(qsizetype(size), Qt::Uninitialized);
    QChar *out = text.data();
    qsizetype length = 0;
    for (unsigned int i = 0; i < size; ++i) {
        const auto unit = static_cast<uint32_t>(units[i]);
        char16_t c = unit > 0xFFFF ? u'\uFFFD' : char16_t(unit);
        if (QChar::isHighSurrogate(c) && i + 1 < size &&
            QChar::isLowSurrogate(char32_t(static_cast<uint32_t>(units[i + 1])))) {
            out[length++] = QChar(c);
            out[length++] = QChar(char16_t(units[++i]));
            continue;
        }
        if (QChar::isSurrogate(c))
            c = u'\uFFFD';
        else if (c == u'\r' && i + 1 < size && units[i + 1] == L'\n')
            ++i; // CR LF is one line break: one space
        if (c < 0x20 || c == 0x7F)
            c = u' ';
        out[length++] = QChar(c);
    }
    text.truncate(length);
    return codec::ToCatalogueText(text::Trim(text)).value_or(QString());
}

// The year of an ID3 version 2.4 tag that carries it, against the
// standard, in a version 2.3 "TYER" frame (some taggers write it so).
unsigned StrayYear(TagLib::File &file)
{
    auto *mpeg = dynamic_cast<TagLib::MPEG::File *>(&file);
    if (!mpeg || !mpeg->hasID3v2Tag())
        return 0;
    const TagLib::ID3v2::FrameList &frames = mpeg->ID3v2Tag()->frameListMap()["TYER"];
    if (frames.isEmpty())
        return 0;
    const int year = frames.front()->toString().toInt();
    return year > 0 ? unsigned(year) : 0;
}

TProductInfo InfoOf(TagLib::File &file)
{
    const TagLib::Tag &tag = *file.tag();
    TProductInfo info;
    info.Producer = CatalogueText(tag.artist());
    info.Product = CatalogueText(tag.title());
    const unsigned year = tag.year() != 0 ? tag.year() : StrayYear(file);
    if (year != 0)
        info.Version = QString::number(year);
    info.Description = CatalogueText(tag.comment());
    info.Recognised = !info.Producer.isEmpty() || !info.Product.isEmpty() ||
                      !info.Version.isEmpty() || !info.Description.isEmpty();
    return info;
}

} // namespace

bool IsTaggedAudioName(const QString &name)
{
    return HasAnyExtension(name, kExtensions);
}

TProductInfo ReadAudioTags(const QString &path)
{
    return ReadAudioTags(path, TTagLimits{});
}

TProductInfo ReadAudioTags(const QString &path, const TTagLimits &limits, int64_t *bytesRead)
{
    SilenceTagLib();
    TTagStream stream(path, limits);
    TProductInfo info;
    try {
        const std::unique_ptr<TagLib::File> file = Open(DetectFromStart(stream), stream);
        // Tags of a file that ended early, or whose reading was cut off at a
        // limit, may be half read; they are not taken.
        if (file && file->isValid() && !stream.Cut() && file->tag())
            info = InfoOf(*file);
    } catch (const std::bad_alloc &) {
        info = {};
    }
    if (bytesRead)
        *bytesRead = stream.BytesRead();
    return info;
}

} // namespace qbx
