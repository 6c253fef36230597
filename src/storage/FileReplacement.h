#pragma once

#include "engine/FileSystem.h"

#include <QString>

#include <memory>
#include <string>

namespace qbx {

// Replaces a file without ever putting the old one at risk: the new content
// is written to a new file beside the target (".<name>.XXXXXX.tmp", with the
// target's permissions, owner and group as far as the system allows), which
// the writer flushes to the disk; Commit then renames it over the target in
// one step and flushes the folder. A target that is a symbolic link is
// followed: the file it points to is replaced and the link stays. A target
// with several hard links is replaced under this one name only; its other
// names keep the old content. Until Commit the target is untouched; a
// replacement destroyed without Commit (a failure, a Stop) removes its new
// file. While it lasts the target, when it exists, is held locked so that no
// other program writes it meanwhile, and its new file is held so that no
// other program takes it for the leftover of a killed save.
// Every call goes through the given file system, where tests inject faults.
class TFileReplacement {
public:
    // Throws engine::Error: the target is read only, a folder, or in use; the
    // folder takes no new file (no permission, full). Once the target is
    // known to be writable, removes what replacements of it that were killed
    // left behind.
    TFileReplacement(engine::FileSystem &fs, const std::string &target);
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement &) = delete;
    TFileReplacement &operator=(const TFileReplacement &) = delete;

    // The file that is replaced: the given name with symbolic links followed.
    const std::string &Target() const { return target_; }
    const std::string &NewPath() const { return newPath_; }
    // The new file, open for writing; null after CloseNewFile.
    engine::File *NewFile() const { return newFile_.get(); }
    // Closes the new file so that it can be opened by name (as a table).
    void CloseNewFile() { newFile_.reset(); }
    // The target as it is now, open for reading; null when there is none.
    engine::File *OldFile() const { return oldFile_.get(); }

    // Puts the new file in the target's place. Throws engine::Error (the
    // rename is refused); the target is then as it was.
    void Commit();

    // Copies all of `from` into the new file (which must be open).
    void CopyFrom(const engine::File &from);

private:
    // A lock on the new file that the engine's own locks do not meet, held
    // while the new file exists, so another program's clean-up leaves it.
    class Hold {
    public:
        Hold() = default;
        explicit Hold(const std::string &path);
        ~Hold();
        Hold(Hold &&other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
        Hold &operator=(Hold &&other) noexcept;

    private:
        int fd_ = -1;
    };

    engine::FileSystem &fs_;
    std::string target_;
    std::string newPath_;
    std::unique_ptr<engine::File> oldFile_;
    std::unique_ptr<engine::File> newFile_;
    Hold hold_;
    bool committed_ = false;
};

// The file a name stands for once symbolic links are followed (the name
// itself when it is no link, or the end of a chain that points nowhere yet).
std::string FollowLinks(const std::string &path);

// Removes what replacements of `target` left behind when the program was
// killed before they ended: only files that no running program holds.
// Failures are ignored.
void RemoveReplacementLeftovers(engine::FileSystem &fs, const std::string &target);

// Removes from the temporary folder the search copies ("QbxXXXXXX.tmp") and
// their half-written replacements that programs killed before they could
// delete them left behind: those that are a while old and that no running
// program holds (a program holds its copy with a shared lock while it uses
// it). Failures are ignored.
void RemoveStaleSearchCopies(engine::FileSystem &fs, const QString &folder);

} // namespace qbx
