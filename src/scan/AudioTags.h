#pragma once

#include "scan/TProductInfo.h"

#include <QString>

#include <chrono>
#include <cstdint>

namespace qbx {

// How much one file's tags may cost. A tag block may claim any size; the
// reader never reads more than the file holds, and these limits end the work
// on a file whose blocks send the parser through megabytes of data or
// thousands of small reads.
struct TTagLimits {
    int64_t maxBytes = 16 * 1024 * 1024;
    int maxReads = 8192;
    std::chrono::milliseconds maxTime{2000};
};

// True when the name's extension (any letter case) is one of the audio
// formats whose tags ReadAudioTags reads: FLAC, Ogg Vorbis, Opus, Speex,
// MP4/M4A/AAC, WMA/ASF, APE, WavPack, Musepack, AIFF, WAV, DSF, TrueAudio.
// MP3 files are read by ReadMp3Tags first.
bool IsTaggedAudioName(const QString &name);

// Reads the tags of an audio file with TagLib: artist, title, year and
// comment give producer, product, version and description. The file's
// contents, not its name, choose the parser; a file of no known format is
// not recognised. Only tags are read, never audio. Each text is made fit for
// the catalogue (accents dropped, line breaks become spaces); a text that
// still cannot be stored is left empty. Recognised when any text is
// non-empty. A damaged file, or one that reaches a limit, is not
// recognised. Raises TInOutError when the file cannot be opened.
TProductInfo ReadAudioTags(const QString &path);

// The same with given limits; bytesRead (when given) receives the bytes the
// reader took from the file.
TProductInfo ReadAudioTags(const QString &path, const TTagLimits &limits,
                           int64_t *bytesRead = nullptr);

} // namespace qbx
