#include "scan/TagStream.h"

#include "scan/TInOutError.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace qbx {

TTagStream::TTagStream(const QString &path, const TTagLimits &limits)
    : file_(path), limits_(limits),
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
    const int64_t wanted = std::min<int64_t>(int64_t(std::min<unsigned long>(length, INT64_MAX)),
                                             length_ - position_);
    int64_t from = position_ - windowStart_;
    if (from < 0 || from + wanted > windowSize_) {
        // Parsers ask for a few bytes at a time (a header, a size, a frame):
        // a small read fetches the window from there in one system call, a
        // large one exactly what was asked.
        if (wanted > int64_t(window_.size()))
            return ReadDirect(wanted);
        windowStart_ = position_;
        windowSize_ = Read(window_.data(), std::min<int64_t>(int64_t(window_.size()), length_ - position_));
        from = 0;
    }
    const int64_t count = std::min<int64_t>(wanted, windowSize_ - from);
    if (count < wanted)
        cut_ = true; // a limit or a failed read cut it short
    if (count <= 0)
        return {};
    position_ += count;
    return TagLib::ByteVector(window_.data() + from, static_cast<unsigned int>(count));
}

TagLib::ByteVector TTagStream::ReadDirect(int64_t wanted)
{
    TagLib::ByteVector data(static_cast<unsigned int>(std::min<int64_t>(wanted, UINT_MAX)), '\0');
    const int64_t got = Read(data.data(), int64_t(data.size()));
    if (got < wanted)
        cut_ = true;
    data.resize(static_cast<unsigned int>(got));
    position_ += got;
    return data;
}

int64_t TTagStream::Read(char *data, int64_t count)
{
    count = std::min(count, limits_.maxBytes - bytesRead_);
    if (count <= 0)
        return 0;
    try {
        const int64_t got = file_.ReadUpToAt(data, count, position_);
        bytesRead_ += got;
        return got;
    } catch (const TInOutError &) {
        // A read that fails halfway through the tags is as good as a cut
        // file: the tags are not taken.
        cut_ = true;
        return 0;
    }
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
