#pragma once

#include <QString>

namespace qbx {

// What a scan is asked to do: the folder, where its tree begins and the
// options of the scan dialog.
struct TScanSettings {
    QString FolderPath;       // file-system path, ending in '/'
    bool NoTopNode = false;   // no node for the chosen folder itself
    bool IsDriveRoot = false; // the folder is the mount point of a volume
    QString VolumeLabel;      // the name of a drive root's node
    bool Recursion = true;    // files below the chosen folder become nodes too
    bool AddFiles = true;     // files become nodes, not only folders
    bool AutoSize = true;     // sizes are recorded
    bool TerminalSize = true; // ... only for items without sub-items
    bool AutoDescr = true;    // SETUP.TXT and media files give descriptions
    bool ExtraTags = true;    // ... also the tags of FLAC, Ogg, M4A and other formats
    bool Archives = false;    // archives' members become the archives' children
    // A file that cannot be read is catalogued without recognition and a
    // folder that cannot be listed without contents, both reported, instead
    // of the scan stopping there (the command line's --keep-going).
    bool KeepGoing = false;
};

} // namespace qbx
