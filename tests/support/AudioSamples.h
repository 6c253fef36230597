#pragma once

#include <QString>

#include <string>
#include <vector>

// Small valid audio files of every format the TagLib reader handles, made
// on the spot: a skeleton of the container written byte by byte (headers and
// a little stand-in audio), then tags written into it with TagLib's own
// writers (the DSF file's ID3 tag is rendered by TagLib and placed by hand).
// Used by the tests, the tag benchmark and the tag fuzz target's seeds.
namespace qbx::test {

enum class TSampleFormat {
    Flac,
    OggVorbis,
    Opus,
    Speex,
    Mp4,
    Asf,
    Ape,
    WavPack,
    Musepack,
    Aiff,
    Wav,
    Dsf,
    TrueAudio,
    Mp3v24, // ID3 version 2.4 with UTF-8 texts
};

struct TSampleTags {
    QString artist;
    QString title;
    unsigned year = 0;
    QString comment;
};

const std::vector<TSampleFormat> &SampleFormats();
// The usual extension of the format, with its dot: ".flac".
QString SampleExtension(TSampleFormat format);
const char *SampleName(TSampleFormat format);

// The untagged skeleton of the format with audioBytes of stand-in audio.
std::string SampleSkeleton(TSampleFormat format, int audioBytes = 2000);

// Writes a tagged file of the format at path; false when TagLib refused.
// Tags left empty (and year 0) are not written.
bool WriteAudioSample(const QString &path, TSampleFormat format, const TSampleTags &tags,
                      int audioBytes = 2000);

} // namespace qbx::test
