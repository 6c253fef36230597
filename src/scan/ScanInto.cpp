#include "scan/ScanInto.h"

#include "scan/FolderScan.h"
#include "tree/TTree.h"

namespace qbx {

void ScanInto(TFolderScan &scan, TTree &tree, TTreeNode *target,
              const TScanSettings &settings)
{
    const bool hadChildren = target->HasChildren();
    // The tree goes on showing the catalogue while the scan fills it, its
    // root too when the catalogue is empty (a reset would blank the view
    // until the end, as if the catalogue were gone): one change of layout at
    // the end shows what was added.
    TTreeMerge merge(tree);
    scan.Run(target, settings);
    if (target->Image() == ImageFile && !target->Text().contains(u'.') && !hadChildren)
        tree.SetImage(target, ImageFolder);
}

} // namespace qbx
