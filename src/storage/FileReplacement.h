#pragma once

#include "engine/FileSystem.h"

#include <QString>

#include <memory>
#include <string>

namespace qbx {

// Replaces a file without ever putting the old one at risk: the new content
// is written to a new file beside the target (".<name>.XXXXXX.tmp", with the
// target's permissions), which the writer flushes to the disk; Commit then
// renames it over the target in one step and flushes the folder. Until
// Commit the target is untouched; a replacement destroyed without Commit
// (a failure, a Stop) removes its new file. While it lasts the target, when
// it exists, is held locked so that no other program writes it meanwhile.
// Every call goes through the given file system, where tests inject faults.
class TFileReplacement {
public:
    // Throws engine::Error: the target is read only, a folder, or in use; the
    // folder takes no new file (no permission, full).
    TFileReplacement(engine::FileSystem &fs, const std::string &target);
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement &) = delete;
    TFileReplacement &operator=(const TFileReplacement &) = delete;

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
    engine::FileSystem &fs_;
    std::string target_;
    std::string newPath_;
    std::unique_ptr<engine::File> oldFile_;
    std::unique_ptr<engine::File> newFile_;
    bool committed_ = false;
};

// Removes what replacements of `target` left behind when the program was
// killed before they ended. Failures are ignored.
void RemoveReplacementLeftovers(engine::FileSystem &fs, const std::string &target);

// Removes from the temporary folder the search copies ("QbxXXXXXX.tmp") and
// their half-written replacements that killed programs of earlier versions
// left behind: those that are a while old and that no running program holds
// (such a program held its copy with a shared lock while it used it).
// Failures are ignored.
void RemoveStaleSearchCopies(engine::FileSystem &fs, const QString &folder);

} // namespace qbx
