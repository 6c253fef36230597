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
