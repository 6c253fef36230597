#include "scan/ScanInto.h"

#include "scan/FolderScan.h"
#include "tree/TTree.h"

namespace qbx {

void ScanInto(TFolderScan &scan, TTree &tree, TTreeNode *target,
              const TScanSettings &settings)
{
    const bool hadChildren = target->HasChildren();
    // A tree that shows a catalogue goes on showing it while the scan fills
    // it, with one change of layout at the end; an empty tree is filled under
    // one reset.
    struct Bracket {
        TTree &tree;
        ~Bracket() { tree.EndUpdate(); }
    } bracket{tree};
    if (tree.Root()->HasChildren())
        tree.BeginMerge();
    else
        tree.BeginUpdate();
    scan.Run(target, settings);
    if (target->Image() == ImageFile && !target->Text().contains(u'.') && !hadChildren)
        tree.SetImage(target, ImageFolder);
}

} // namespace qbx
