#include "scan/DsfTagFile.h"

namespace qbx {
namespace {

constexpr unsigned int kDsdChunkSize = 28;
constexpr unsigned int kMetadataPointer = 20;
constexpr long long kDsfId3HeaderSize = 10;

} // namespace

TDsfTagFile::TDsfTagFile(TagLib::IOStream *stream) : TagLib::File(stream)
{
    seek(0);
    const TagLib::ByteVector head = readBlock(kDsdChunkSize);
    if (head.size() != kDsdChunkSize || !head.startsWith("DSD ") ||
        head.toLongLong(4, false) != kDsdChunkSize) {
        setValid(false);
        return;
    }
    // Zero: the file has no tag. A pointer into the header or past the end
    // is damage.
    const long long pointer = head.toLongLong(kMetadataPointer, false);
    if (pointer == 0)
        return;
    if (pointer < kDsdChunkSize || pointer > length() - kDsfId3HeaderSize) {
        setValid(false);
        return;
    }
    tag_ = std::make_unique<TagLib::ID3v2::Tag>(this, long(pointer));
}

TDsfTagFile::~TDsfTagFile() = default;

} // namespace qbx
