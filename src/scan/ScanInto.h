#pragma once

namespace qbx {

class TFolderScan;
class TTree;
class TTreeNode;
struct TScanSettings;

// One scan of settings.FolderPath below target, as the program's and the
// command line's scans both run it: the walk's working state starts afresh,
// the tree is filled in one bulk update, and a file without an extension
// that received contents becomes a folder. The outcome is the scan's
// (Failed, Skipped, FirstAddedNode).
void ScanInto(TFolderScan &scan, TTree &tree, TTreeNode *target,
              const TScanSettings &settings);

} // namespace qbx
