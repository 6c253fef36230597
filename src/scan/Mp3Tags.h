#pragma once

#include "scan/TProductInfo.h"

#include <QString>

#include <string_view>

namespace qbx {

// Size of the buffer that takes the frames of an ID3 version 2 tag: only the
// first 1024 bytes of a tag are ever examined.
inline constexpr int kTagBufferSize = 1024;

// Reads the ID3 tags of an MP3 file: the frames TPE1, TIT2, TYER and COMM of
// a version 2.3.0 tag, then, for the texts still empty, the 128-byte version 1
// block at the end of the file. Recognised when any text is non-empty. Reads
// at most 10 + 1024 + 128 bytes. Raises TInOutError when the file cannot be
// opened or read.
TProductInfo ReadMp3Tags(const QString &path);

// The bytes first .. first + count - 1 of buffer as 1251 text. Both ends are
// clamped into the buffer (the text is always at least one byte of a non-empty
// buffer). With clean set: a text that begins with NUL loses everything up to
// its last NUL (the encoding byte, and in a comment the language and the short
// description), then the ends are trimmed of codes 0..32 and every CR LF
// becomes one space.
QString CleanTagText(std::string_view buffer, qint64 first, qint64 count, bool clean);

} // namespace qbx
