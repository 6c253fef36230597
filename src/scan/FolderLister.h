#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// What a folder listing tells of one entry.
enum class TEntryKind : uint8_t {
    Folder, // a real folder (never a link to one)
    File,   // a regular file, or a link to one
    Other,  // a link to a folder, a broken link, a device, FIFO or socket
};

// One folder's entries in the order the system gave them. Names are the raw
// bytes of the file system, kept in one buffer so a listing costs a few
// allocations rather than one per entry.
class TFolderListing {
public:
    struct Entry {
        uint32_t offset;
        uint32_t length;
        TEntryKind kind;
        int64_t size; // bytes, for files; 0 otherwise
    };

    void Clear()
    {
        names_.clear();
        entries_.clear();
    }
    void Add(std::string_view name, TEntryKind kind, int64_t size)
    {
        entries_.push_back({uint32_t(names_.size()), uint32_t(name.size()), kind, size});
        names_.append(name);
    }

    size_t Count() const { return entries_.size(); }
    const Entry &At(size_t i) const { return entries_[i]; }
    std::string_view Name(size_t i) const
    {
        return std::string_view(names_).substr(entries_[i].offset, entries_[i].length);
    }

private:
    std::string names_;
    std::vector<Entry> entries_;
};

// Lists folders of the file system. The scan reads every folder through it,
// so tests can make any folder fail.
class IFolderLister {
public:
    virtual ~IFolderLister() = default;
    // Fills listing with the entries of the folder (a path in the system's
    // bytes, ending in '/'), without "." and "..". False when the folder
    // cannot be listed or an entry's attributes cannot be read; entries that
    // vanish while the folder is listed are left out.
    virtual bool List(const std::string &folder, TFolderListing &listing) = 0;
};

// The real file system. Links to folders are never followed, so a cycle of
// links cannot make a walk endless; special files are never opened.
class TSystemFolderLister : public IFolderLister {
public:
    bool List(const std::string &folder, TFolderListing &listing) override;

private:
    // The folder's records as the system gives them, a batch at a time;
    // one listing is finished before the next begins, so one buffer serves
    // the whole walk.
    static constexpr size_t kBufferSize = 32768;
    std::unique_ptr<char[]> buffer_;
};

// True when the folder can be opened for listing.
bool CanListFolder(const std::string &folder);

} // namespace qbx
