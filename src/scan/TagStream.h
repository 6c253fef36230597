#pragma once

#include "scan/AudioTags.h"
#include "scan/ReadOnlyFile.h"

#include <QString>

#include <taglib/tiostream.h>

#include <array>
#include <chrono>

namespace qbx {

// The file a TagLib parser reads: read-only and counted. Small reads are
// served from a window of 4 KiB read in one system call, so a small file
// costs one read and a large one a few windows around its tags. Reads
// never pass the end of the file, so a block that claims gigabytes costs
// what the file holds; once a limit is reached every further read gives
// nothing, which the parsers take as a truncated file. Writes are refused.
class TTagStream final : public TagLib::IOStream {
public:
    // Raises TInOutError when the file cannot be opened.
    TTagStream(const QString &path, const TTagLimits &limits);

    // Parsers use the name only in their messages, which nobody sees.
    TagLib::FileName name() const override { return ""; }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector &) override {}
    void insert(const TagLib::ByteVector &, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position p = Beginning) override;
    long tell() const override { return long(position_); }
    long length() override { return long(length_); }
    void truncate(long) override {}

    // Bytes read from the file so far.
    int64_t BytesRead() const { return bytesRead_; }
    // A limit was reached or a read failed: what the parser saw may be cut.
    bool Cut() const { return cut_; }

private:
    // Reads up to count bytes at the position, within the byte limit; gives
    // the count read (0 after a failure, which cuts the stream).
    int64_t Read(char *data, int64_t count);
    // A read larger than the window, straight into its block.
    TagLib::ByteVector ReadDirect(int64_t wanted);

    ReadOnlyFile file_;
    TTagLimits limits_;
    std::chrono::steady_clock::time_point deadline_;
    int64_t length_ = 0;
    int64_t position_ = 0;
    int64_t bytesRead_ = 0;
    // Lives with the stream (on the reader's stack): no allocation per file.
    std::array<char, 4096> window_;
    int64_t windowStart_ = 0;
    int64_t windowSize_ = 0;
    int reads_ = 0;
    bool cut_ = false;
};

} // namespace qbx
