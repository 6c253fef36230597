#include "scan/AsfHeaderCheck.h"

#include "scan/TagStream.h"

#include <cstdint>

namespace qbx {
namespace {

constexpr int64_t kObjectHeader = 24; // GUID and 64-bit size
constexpr int64_t kTopHeader = 30;    // ... and a count of objects, two reserved bytes

const TagLib::ByteVector &Guid(int which)
{
    static const TagLib::ByteVector guids[] = {
        // header extension, metadata, metadata library, extended content description
        TagLib::ByteVector("\xB5\x03\xBF\x5F\x2E\xA9\xCF\x11\x8E\xE3\x00\xC0\x0C\x20\x53\x65", 16),
        TagLib::ByteVector("\xEA\xCB\xF8\xC5\xAF\x5B\x77\x48\x84\x67\xAA\x8C\x44\xFA\x4C\xCA", 16),
        TagLib::ByteVector("\x94\x1C\x23\x44\x98\x94\xD1\x49\xA1\x41\x1D\x13\x4E\x45\x70\x54", 16),
        TagLib::ByteVector("\x40\xA4\xD0\xD2\x07\xE3\xD2\x11\x97\xF0\x00\xA0\xC9\x5E\xA8\x50", 16),
    };
    return guids[which];
}
enum { HeaderExtension, Metadata, MetadataLibrary, ExtendedContent };

TagLib::ByteVector ReadAt(TTagStream &stream, int64_t at, unsigned long count)
{
    stream.seek(long(at));
    return stream.readBlock(count);
}

// An object with a 16-bit count of entries of at least entrySize bytes
// each after its header.
bool CountFits(TTagStream &stream, int64_t at, int64_t size, int64_t entrySize)
{
    const TagLib::ByteVector count = ReadAt(stream, at + kObjectHeader, 2);
    return count.size() == 2 && size >= kObjectHeader + 2 &&
           int64_t(count.toUShort(false)) * entrySize <= size - kObjectHeader - 2;
}

// Walks the objects in [begin, end); checks the sub-objects of a header
// extension (nested once) and the counts of the attribute lists.
bool ObjectsFit(TTagStream &stream, int64_t begin, int64_t end, bool nested)
{
    for (int64_t at = begin; at < end;) {
        if (end - at < kObjectHeader)
            return false;
        const TagLib::ByteVector head = ReadAt(stream, at, kObjectHeader);
        if (head.size() != kObjectHeader)
            return false;
        const auto size = int64_t(head.toLongLong(16, false));
        if (size < kObjectHeader || size > end - at)
            return false;
        const TagLib::ByteVector guid = head.mid(0, 16);
        if (guid == Guid(HeaderExtension)) {
            // A reserved GUID and word, the size of the data, then objects.
            const TagLib::ByteVector data = ReadAt(stream, at + kObjectHeader + 18, 4);
            if (nested || data.size() != 4 || size < kObjectHeader + 22)
                return false;
            const int64_t dataSize = data.toUInt(false);
            if (dataSize > size - kObjectHeader - 22 ||
                !ObjectsFit(stream, at + kObjectHeader + 22, at + kObjectHeader + 22 + dataSize,
                            true))
                return false;
        } else if (guid == Guid(Metadata) || guid == Guid(MetadataLibrary)) {
            // Each record: two words, a name length, a type, a data length.
            if (!CountFits(stream, at, size, 12))
                return false;
        } else if (guid == Guid(ExtendedContent)) {
            // Each descriptor: a name length, a type, a value length.
            if (!CountFits(stream, at, size, 6))
                return false;
        }
        at += size;
    }
    return true;
}

} // namespace

bool AsfHeaderHoldsTogether(TTagStream &stream)
{
    const TagLib::ByteVector top = ReadAt(stream, 0, kTopHeader);
    if (top.size() != kTopHeader)
        return false;
    const auto size = int64_t(top.toLongLong(16, false));
    if (size < kTopHeader || size > stream.length())
        return false;
    return ObjectsFit(stream, kTopHeader, size, false);
}

} // namespace qbx
