#pragma once

#include <taglib/id3v2tag.h>
#include <taglib/tfile.h>

#include <memory>

namespace qbx {

// A DSD stream file (.dsf) for TagLib, which has no reader of its own for
// it: the 28-byte "DSD " chunk at the start points at the ID3 version 2 tag
// that the file carries, and TagLib's ID3 parser reads the tag there.
// Read-only; there are no audio properties.
class TDsfTagFile final : public TagLib::File {
public:
    explicit TDsfTagFile(TagLib::IOStream *stream);
    ~TDsfTagFile() override;

    // Null when the file has no tag.
    TagLib::Tag *tag() const override { return tag_.get(); }
    TagLib::AudioProperties *audioProperties() const override { return nullptr; }
    bool save() override { return false; }

private:
    std::unique_ptr<TagLib::ID3v2::Tag> tag_;
};

} // namespace qbx
