#include "scan/TagStream.h"

#include "scan/TInOutError.h"

#include <QFile>

#include <algorithm>
#include <limits>

namespace qbx {

TTagStream::TTagStream(const QString &path, const TTagLimits &limits)
    : file_(path), name_(QFile::encodeName(path)), limits_(limits),
      deadline_(std::chrono::steady_clock::now() + limits.maxTime)
{
    // TagLib keeps positions in a long; larger files are not read at all.
    length_ = std::min<int64_t>(file_.Size(), std::numeric_limits<long>::max());
}

TagLib::ByteVector TTagStream::readBlock(unsigned long length)
{
    if (cut_ || length == 0 || position_ >= length_)
        return {};
    if (++reads_ > limits_.maxReads || std::chrono::steady_clock::now() > deadline_) {
        cut_ = true;
        return {};
    }
    int64_t wanted = std::min<int64_t>(int64_t(std::min<unsigned long>(length, INT64_MAX)),
                                       length_ - position_);
    const int64_t left = limits_.maxBytes - bytesRead_;
    if (wanted > left) {
        wanted = left;
        cut_ = true;
    }
    if (wanted <= 0)
        return {};
    TagLib::ByteVector data(static_cast<unsigned int>(wanted), '\0');
    int64_t got = 0;
    try {
        got = file_.ReadUpToAt(data.data(), wanted, position_);
    } catch (const TInOutError &) {
        // A read that fails halfway through the tags is as good as a cut
        // file: the tags are not taken.
        cut_ = true;
        return {};
    }
    if (got < wanted)
        data.resize(static_cast<unsigned int>(got));
    bytesRead_ += got;
    position_ += got;
    return data;
}

void TTagStream::seek(long offset, Position p)
{
    int64_t base = 0;
    if (p == Current)
        base = position_;
    else if (p == End)
        base = length_;
    // As with a system file: a position past the end is allowed (reads there
    // give nothing), one before the start leaves the position as it was.
    const int64_t target = base + int64_t(offset);
    if (target >= 0)
        position_ = target;
}

} // namespace qbx
