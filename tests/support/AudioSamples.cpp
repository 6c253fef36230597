#include "AudioSamples.h"

#include <QFile>

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/trueaudiofile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>
#include <taglib/xiphcomment.h>

#include <array>
#include <cstdint>
#include <utility>

namespace qbx::test {
namespace {

void Le(std::string &s, std::uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s += char((v >> (8 * i)) & 0xFF);
}

void Be(std::string &s, std::uint64_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        s += char((v >> (8 * i)) & 0xFF);
}

std::string Bytes(std::initializer_list<int> list)
{
    std::string s;
    for (const int b : list)
        s += char(b);
    return s;
}

std::string Audio(int size)
{
    std::string s(std::size_t(size), '\0');
    for (int i = 0; i < size; ++i)
        s[std::size_t(i)] = char((i * 37 + 11) & 0xFF);
    return s;
}

// --- Ogg ------------------------------------------------------------------

std::uint32_t OggCrc(const std::string &page)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t r = i << 24;
            for (int j = 0; j < 8; ++j)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    for (const char c : page)
        crc = (crc << 8) ^ table[((crc >> 24) ^ static_cast<unsigned char>(c)) & 0xFF];
    return crc;
}

// One page holding whole packets (each under 255 * 255 bytes).
std::string OggPage(const std::vector<std::string> &packets, int type, std::uint64_t granule,
                    std::uint32_t sequence)
{
    std::string lacing;
    std::string body;
    for (const std::string &p : packets) {
        std::size_t n = p.size();
        while (n >= 255) {
            lacing += char(255);
            n -= 255;
        }
        lacing += char(n);
        body += p;
    }
    std::string page = "OggS";
    page += char(0);
    page += char(type);
    Le(page, granule, 8);
    Le(page, 0x51425821, 4); // serial number
    Le(page, sequence, 4);
    Le(page, 0, 4); // checksum, filled below
    page += char(lacing.size());
    page += lacing + body;
    const std::uint32_t crc = OggCrc(page);
    for (int i = 0; i < 4; ++i)
        page[22 + std::size_t(i)] = char((crc >> (8 * i)) & 0xFF);
    return page;
}

std::string VorbisComments(bool framing)
{
    const std::string vendor = "qbx test";
    std::string s;
    Le(s, vendor.size(), 4);
    s += vendor;
    Le(s, 0, 4);
    if (framing)
        s += char(1);
    return s;
}

// The first page holds the identification header, the second the comment
// (and setup) packets, then the audio in pages of one packet each.
std::string OggStream(const std::string &head, const std::vector<std::string> &second,
                      int audioBytes, std::uint64_t granule)
{
    std::string s = OggPage({head}, 0x02, 0, 0) + OggPage(second, 0, 0, 1);
    const std::string audio = Audio(audioBytes);
    constexpr std::size_t kChunk = 50000;
    std::uint32_t sequence = 2;
    for (std::size_t at = 0; at < audio.size() || sequence == 2; at += kChunk) {
        const bool last = at + kChunk >= audio.size();
        s += OggPage({audio.substr(at, kChunk)}, last ? 0x04 : 0, last ? granule : 0, sequence++);
    }
    return s;
}

std::string OggVorbis(int audioBytes)
{
    std::string id = "\x01vorbis";
    Le(id, 0, 4);
    id += char(2);
    Le(id, 44100, 4);
    Le(id, 0, 4);
    Le(id, 128000, 4);
    Le(id, 0, 4);
    id += char(0xB8);
    id += char(1);
    const std::string comment = "\x03vorbis" + VorbisComments(true);
    const std::string setup = "\x05vorbis" + Audio(24);
    return OggStream(id, {comment, setup}, audioBytes, 44100);
}

std::string Opus(int audioBytes)
{
    std::string head = "OpusHead";
    head += char(1);
    head += char(2);
    Le(head, 312, 2);
    Le(head, 48000, 4);
    Le(head, 0, 2);
    head += char(0);
    return OggStream(head, {"OpusTags" + VorbisComments(false)}, audioBytes, 48000);
}

std::string Speex(int audioBytes)
{
    std::string head = "Speex   ";
    std::string version = "1.2.0";
    version.resize(20, '\0');
    head += version;
    for (const std::uint32_t v : {1u, 80u, 16000u, 1u, 4u, 1u, 0xFFFFFFFFu, 320u, 0u, 1u, 0u, 0u,
                                  0u})
        Le(head, v, 4);
    return OggStream(head, {VorbisComments(false)}, audioBytes, 16000);
}

// --- the others -----------------------------------------------------------

std::string Flac(int audioBytes)
{
    std::string s = "fLaC";
    s += Bytes({0x80, 0x00, 0x00, 0x22}); // last block: STREAMINFO of 34 bytes
    Be(s, 4096, 2);
    Be(s, 4096, 2);
    Be(s, 0, 3);
    Be(s, 0, 3);
    const std::uint64_t samples = 44100;
    Be(s, (std::uint64_t(44100) << 44) | (std::uint64_t(1) << 41) | (std::uint64_t(15) << 36) |
              samples,
       8);
    s += std::string(16, '\0'); // MD5 of the audio
    return s + Bytes({0xFF, 0xF8}) + Audio(audioBytes);
}

std::string Mp4Atom(const char *type, const std::string &payload)
{
    std::string s;
    Be(s, 8 + payload.size(), 4);
    return s + type + payload;
}

std::string Mp4(int audioBytes)
{
    const std::string ftyp = Mp4Atom("ftyp", "M4A " + std::string(4, '\0') + "M4A mp42isom");
    std::string mvhd(4, '\0');
    Be(mvhd, 0, 4);
    Be(mvhd, 0, 4);
    Be(mvhd, 1000, 4);
    Be(mvhd, 1000, 4);
    Be(mvhd, 0x00010000, 4);
    Be(mvhd, 0x0100, 2);
    mvhd += std::string(10, '\0');
    for (const std::uint32_t m : {0x00010000u, 0u, 0u, 0u, 0x00010000u, 0u, 0u, 0u, 0x40000000u})
        Be(mvhd, m, 4);
    mvhd += std::string(24, '\0');
    Be(mvhd, 2, 4);
    return ftyp + Mp4Atom("moov", Mp4Atom("mvhd", mvhd)) + Mp4Atom("mdat", Audio(audioBytes));
}

std::string Guid(std::initializer_list<int> bytes)
{
    return Bytes(bytes);
}

std::string Asf(int audioBytes)
{
    const std::string fileId(16, '\x42');
    std::string fileProps = Guid({0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11, 0x8E, 0xE4, 0x00,
                                  0xC0, 0x0C, 0x20, 0x53, 0x65});
    Le(fileProps, 104, 8);
    fileProps += fileId;
    Le(fileProps, 0, 8);                // file size (filled in by nothing; 0 is allowed)
    Le(fileProps, 0, 8);                // creation date
    Le(fileProps, 1, 8);                // data packets
    Le(fileProps, 10000000, 8);         // play duration
    Le(fileProps, 10000000, 8);         // send duration
    Le(fileProps, 0, 8);                // preroll
    Le(fileProps, 2, 4);                // flags: seekable
    Le(fileProps, audioBytes, 4);       // minimum packet size
    Le(fileProps, audioBytes, 4);       // maximum packet size
    Le(fileProps, 128000, 4);           // maximum bitrate
    std::string stream = Guid({0x91, 0x07, 0xDC, 0xB7, 0xB7, 0xA9, 0xCF, 0x11, 0x8E, 0xE6, 0x00,
                               0xC0, 0x0C, 0x20, 0x53, 0x65});
    Le(stream, 96, 8);
    stream += Guid({0x40, 0x9E, 0x69, 0xF8, 0x4D, 0x5B, 0xCF, 0x11, 0xA8, 0xFD, 0x00, 0x80, 0x5F,
                    0x5C, 0x44, 0x2B}); // audio
    stream += Guid({0x00, 0x57, 0xFB, 0x20, 0x55, 0x5B, 0xCF, 0x11, 0xA8, 0xFD, 0x00, 0x80, 0x5F,
                    0x5C, 0x44, 0x2B}); // no error correction
    Le(stream, 0, 8);  // time offset
    Le(stream, 18, 4); // format data
    Le(stream, 0, 4);  // error correction data
    Le(stream, 1, 2);  // stream number 1
    Le(stream, 0, 4);
    for (const auto &[v, n] : {std::pair{0x0161, 2}, {2, 2}, {44100, 4}, {16000, 4}, {4096, 2},
                               {16, 2}, {0, 2}})
        Le(stream, std::uint64_t(v), n); // WMA version 2, stereo, 44.1 kHz
    std::string extension = Guid({0xB5, 0x03, 0xBF, 0x5F, 0x2E, 0xA9, 0xCF, 0x11, 0x8E, 0xE3, 0x00,
                                  0xC0, 0x0C, 0x20, 0x53, 0x65});
    Le(extension, 46, 8);
    extension += Guid({0x11, 0xD2, 0xD3, 0xAB, 0xBA, 0xA9, 0xCF, 0x11, 0x8E, 0xE6, 0x00, 0xC0,
                       0x0C, 0x20, 0x53, 0x65});
    Le(extension, 6, 2);
    Le(extension, 0, 4);
    std::string header = Guid({0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11, 0xA6, 0xD9, 0x00,
                               0xAA, 0x00, 0x62, 0xCE, 0x6C});
    Le(header, 30 + fileProps.size() + stream.size() + extension.size(), 8);
    Le(header, 3, 4);
    header += Bytes({0x01, 0x02});
    header += fileProps + stream + extension;
    std::string data = Guid({0x36, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11, 0xA6, 0xD9, 0x00, 0xAA,
                             0x00, 0x62, 0xCE, 0x6C});
    Le(data, 50 + std::uint64_t(audioBytes), 8);
    data += fileId;
    Le(data, 1, 8);
    data += Bytes({0x01, 0x01});
    return header + data + Audio(audioBytes);
}

std::string Ape(int audioBytes)
{
    std::string s = "MAC ";
    Le(s, 3990, 2);
    Le(s, 0, 2);
    for (const std::uint64_t v : {52u, 24u, 4u, 0u})
        Le(s, v, 4);
    Le(s, std::uint64_t(audioBytes), 4);
    Le(s, 0, 4);
    Le(s, 0, 4);
    s += std::string(16, '\0');
    Le(s, 2000, 2);  // compression level
    Le(s, 0, 2);     // flags
    Le(s, 73728, 4); // blocks per frame
    Le(s, 44100, 4); // blocks in the final frame
    Le(s, 1, 4);     // frames
    Le(s, 16, 2);
    Le(s, 2, 2);
    Le(s, 44100, 4);
    Le(s, 80, 4); // seek table: the one frame's offset
    return s + Audio(audioBytes);
}

std::string WavPack(int audioBytes)
{
    std::string s = "wvpk";
    Le(s, 24 + std::uint64_t(audioBytes), 4);
    Le(s, 0x410, 2);
    s += Bytes({0, 0});
    Le(s, 44100, 4);
    Le(s, 0, 4);
    Le(s, 44100, 4);
    Le(s, 0x1u | 0x800u | 0x1000u | (9u << 23), 4);
    Le(s, 0, 4);
    return s + Audio(audioBytes);
}

std::string Musepack(int audioBytes)
{
    std::string s = "MP+";
    s += char(0x07);
    Le(s, 10, 4); // frames
    s += std::string(20, '\0');
    return s + Audio(audioBytes);
}

std::string Aiff(int audioBytes)
{
    audioBytes += audioBytes % 2;
    std::string comm = "COMM";
    Be(comm, 18, 4);
    Be(comm, 2, 2);
    Be(comm, std::uint64_t(audioBytes / 4), 4);
    Be(comm, 16, 2);
    comm += Bytes({0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}); // 44100 as an 80-bit float
    std::string ssnd = "SSND";
    Be(ssnd, 8 + std::uint64_t(audioBytes), 4);
    Be(ssnd, 0, 4);
    Be(ssnd, 0, 4);
    ssnd += Audio(audioBytes);
    std::string s = "FORM";
    Be(s, 4 + comm.size() + ssnd.size(), 4);
    return s + "AIFF" + comm + ssnd;
}

std::string Wav(int audioBytes)
{
    audioBytes += audioBytes % 2;
    std::string fmt = "fmt ";
    Le(fmt, 16, 4);
    Le(fmt, 1, 2);
    Le(fmt, 2, 2);
    Le(fmt, 44100, 4);
    Le(fmt, 176400, 4);
    Le(fmt, 4, 2);
    Le(fmt, 16, 2);
    std::string data = "data";
    Le(data, std::uint64_t(audioBytes), 4);
    data += Audio(audioBytes);
    std::string s = "RIFF";
    Le(s, 4 + fmt.size() + data.size(), 4);
    return s + "WAVE" + fmt + data;
}

// The DSF file with its ID3 version 2 tag (tagBytes, may be empty) after the
// audio; the header points at it.
std::string Dsf(int audioBytes, const std::string &tagBytes)
{
    std::string fmt = "fmt ";
    Le(fmt, 52, 8);
    for (const std::uint32_t v : {1u, 0u, 2u, 2u, 2822400u, 1u})
        Le(fmt, v, 4);
    Le(fmt, std::uint64_t(audioBytes) * 4, 8);
    Le(fmt, 4096, 4);
    Le(fmt, 0, 4);
    std::string data = "data";
    Le(data, 12 + std::uint64_t(audioBytes), 8);
    data += Audio(audioBytes);
    const std::uint64_t tagAt = 28 + fmt.size() + data.size();
    std::string s = "DSD ";
    Le(s, 28, 8);
    Le(s, tagAt + tagBytes.size(), 8);
    Le(s, tagBytes.empty() ? 0 : tagAt, 8);
    return s + fmt + data + tagBytes;
}

std::string TrueAudio(int audioBytes)
{
    std::string s = "TTA1";
    Le(s, 1, 2);
    Le(s, 2, 2);
    Le(s, 16, 2);
    Le(s, 44100, 4);
    Le(s, 44100, 4);
    Le(s, 0, 4);
    return s + Audio(audioBytes);
}

std::string Mp3(int audioBytes)
{
    return Bytes({0xFF, 0xFB, 0x90, 0x64}) + Audio(audioBytes);
}

TagLib::String T(const QString &s)
{
    return TagLib::String(s.toStdString(), TagLib::String::UTF8);
}

void SetTags(TagLib::Tag *tag, const TSampleTags &tags)
{
    if (!tags.artist.isEmpty())
        tag->setArtist(T(tags.artist));
    if (!tags.title.isEmpty())
        tag->setTitle(T(tags.title));
    if (tags.year != 0)
        tag->setYear(tags.year);
    if (!tags.comment.isEmpty())
        tag->setComment(T(tags.comment));
}

bool WriteBytes(const QString &path, const std::string &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// Opens the file without audio properties, gives its tag to set, saves.
template <class File, class GetTag>
bool Tag(const QString &path, const TSampleTags &tags, GetTag get)
{
    const QByteArray name = QFile::encodeName(path);
    File file(name.constData(), false);
    if (!file.isValid())
        return false;
    TagLib::Tag *tag = get(file);
    if (!tag)
        return false;
    SetTags(tag, tags);
    return file.save();
}

} // namespace

const std::vector<TSampleFormat> &SampleFormats()
{
    static const std::vector<TSampleFormat> all = {
        TSampleFormat::Flac,     TSampleFormat::OggVorbis, TSampleFormat::Opus,
        TSampleFormat::Speex,    TSampleFormat::Mp4,       TSampleFormat::Asf,
        TSampleFormat::Ape,      TSampleFormat::WavPack,   TSampleFormat::Musepack,
        TSampleFormat::Aiff,     TSampleFormat::Wav,       TSampleFormat::Dsf,
        TSampleFormat::TrueAudio, TSampleFormat::Mp3v24,
    };
    return all;
}

QString SampleExtension(TSampleFormat format)
{
    static const char *const ext[] = {".flac", ".ogg", ".opus", ".spx", ".m4a",
                                      ".wma",  ".ape", ".wv",   ".mpc", ".aiff",
                                      ".wav",  ".dsf", ".tta",  ".mp3"};
    return QString::fromLatin1(ext[int(format)]);
}

const char *SampleName(TSampleFormat format)
{
    static const char *const names[] = {"flac", "vorbis", "opus", "speex",     "mp4",
                                        "asf",  "ape",    "wavpack", "musepack", "aiff",
                                        "wav",  "dsf",    "trueaudio", "mp3v24"};
    return names[int(format)];
}

std::string SampleSkeleton(TSampleFormat format, int audioBytes)
{
    switch (format) {
    case TSampleFormat::Flac:
        return Flac(audioBytes);
    case TSampleFormat::OggVorbis:
        return OggVorbis(audioBytes);
    case TSampleFormat::Opus:
        return Opus(audioBytes);
    case TSampleFormat::Speex:
        return Speex(audioBytes);
    case TSampleFormat::Mp4:
        return Mp4(audioBytes);
    case TSampleFormat::Asf:
        return Asf(audioBytes);
    case TSampleFormat::Ape:
        return Ape(audioBytes);
    case TSampleFormat::WavPack:
        return WavPack(audioBytes);
    case TSampleFormat::Musepack:
        return Musepack(audioBytes);
    case TSampleFormat::Aiff:
        return Aiff(audioBytes);
    case TSampleFormat::Wav:
        return Wav(audioBytes);
    case TSampleFormat::Dsf:
        return Dsf(audioBytes, {});
    case TSampleFormat::TrueAudio:
        return TrueAudio(audioBytes);
    case TSampleFormat::Mp3v24:
        return Mp3(audioBytes);
    }
    return {};
}

bool WriteAudioSample(const QString &path, TSampleFormat format, const TSampleTags &tags,
                      int audioBytes)
{
    if (format == TSampleFormat::Dsf) {
        TagLib::ID3v2::Tag tag;
        SetTags(&tag, tags);
        const TagLib::ByteVector rendered = tag.render();
        return WriteBytes(path, Dsf(audioBytes, std::string(rendered.data(), rendered.size())));
    }
    if (!WriteBytes(path, SampleSkeleton(format, audioBytes)))
        return false;
    using namespace TagLib;
    switch (format) {
    case TSampleFormat::Flac:
        return Tag<FLAC::File>(path, tags, [](FLAC::File &f) { return f.xiphComment(true); });
    case TSampleFormat::OggVorbis:
        return Tag<Ogg::Vorbis::File>(path, tags, [](Ogg::Vorbis::File &f) { return f.tag(); });
    case TSampleFormat::Opus:
        return Tag<Ogg::Opus::File>(path, tags, [](Ogg::Opus::File &f) { return f.tag(); });
    case TSampleFormat::Speex:
        return Tag<Ogg::Speex::File>(path, tags, [](Ogg::Speex::File &f) { return f.tag(); });
    case TSampleFormat::Mp4:
        return Tag<MP4::File>(path, tags, [](MP4::File &f) { return f.tag(); });
    case TSampleFormat::Asf:
        return Tag<ASF::File>(path, tags, [](ASF::File &f) { return f.tag(); });
    case TSampleFormat::Ape:
        return Tag<APE::File>(path, tags, [](APE::File &f) { return f.APETag(true); });
    case TSampleFormat::WavPack:
        return Tag<WavPack::File>(path, tags, [](WavPack::File &f) { return f.APETag(true); });
    case TSampleFormat::Musepack:
        return Tag<MPC::File>(path, tags, [](MPC::File &f) { return f.APETag(true); });
    case TSampleFormat::Aiff:
        return Tag<RIFF::AIFF::File>(path, tags, [](RIFF::AIFF::File &f) { return f.tag(); });
    case TSampleFormat::Wav:
        return Tag<RIFF::WAV::File>(path, tags, [](RIFF::WAV::File &f) { return f.ID3v2Tag(); });
    case TSampleFormat::TrueAudio:
        return Tag<TrueAudio::File>(path, tags,
                                    [](TrueAudio::File &f) { return f.ID3v2Tag(true); });
    case TSampleFormat::Mp3v24: {
        const QByteArray name = QFile::encodeName(path);
        ID3v2::FrameFactory *factory = ID3v2::FrameFactory::instance();
        const String::Type before = factory->defaultTextEncoding();
        factory->setDefaultTextEncoding(String::UTF8);
        MPEG::File file(name.constData(), false);
        SetTags(file.ID3v2Tag(true), tags);
        const bool saved = file.save(MPEG::File::ID3v2, MPEG::File::StripOthers, ID3v2::v4);
        factory->setDefaultTextEncoding(before);
        return saved;
    }
    case TSampleFormat::Dsf:
        break;
    }
    return false;
}

} // namespace qbx::test
