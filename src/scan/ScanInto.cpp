#include "scan/ScanInto.h"

#include "options/TOptions.h"
#include "scan/FolderScan.h"
#include "tree/TTree.h"

namespace qbx {

void ScanInto(TFolderScan &scan, TTree &tree, TOptions &options, TTreeNode *target,
              const TScanSettings &settings)
{
    options.MarkFirstAdded = true;
    options.ScanAnswer = 0;
    options.ScanAtTop = true;
    const bool hadChildren = target->HasChildren();
    const TTreeUpdate bulk(tree);
    scan.Run(target, settings);
    if (target->Image() == ImageFile && !target->Text().contains(u'.') && !hadChildren)
        tree.SetImage(target, ImageFolder);
}

} // namespace qbx
