#include "tree/NodeRecord.h"

#include "tree/NodePaths.h"
#include "tree/TTreeNode.h"

namespace qbx {

TDisplayRecord GetNodeRecord(const TTreeNode *node, const TTreeNode *activeRoot, TDbState mode,
                             int presentation)
{
    TDisplayRecord r;
    if (!node || node == activeRoot)
        return r;

    const bool results = mode == DbFound;
    if (!results || presentation == PresentStandard) {
        r.Label = DiscLabel(node);
        r.Path = ItemPath(node);
        if (node->IsFolder())
            r.Path += u'\\';
    } else if (presentation == PresentProducer) {
        r.Producer = node->Text(); // what a group node shows
    }

    if (results) {
        if (const TFoundRecord *f = node->FoundRecord())
            r = {f->Label, f->Path, f->Producer, f->Product, f->Version, f->Size, f->Description};
    } else if (const TDescriptionRef d = node->Description()) {
        r.Producer = d->Producer;
        r.Product = d->Product;
        r.Version = d->Version;
        r.Size = d->Size;
        r.Description = d->Description;
    }
    return r;
}

} // namespace qbx
