#include "search/SelectByPath.h"

#include "tree/CataloguePath.h"
#include "tree/TTreeModel.h"

namespace qbx {

namespace {

// The child named exactly so: the hashed lookup ignores case, so a sibling
// that differs from the found one only in case is looked for among all.
const TTreeNode *ExactChild(const TTree &tree, const TTreeNode *parent, QStringView name)
{
    const TTreeNode *found = tree.FindChild(parent, name);
    if (!found || found->Text() == name)
        return found;
    for (int i = 0; i < parent->ChildCount(); ++i)
        if (parent->Child(i)->Text() == name)
            return parent->Child(i);
    return nullptr;
}

} // namespace

const TTreeNode *SelectByPath(TTreeModel &model, const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    const TTree &tree = model.Tree();
    const TTreeNode *node = tree.Root();
    QStringView rest = path;
    while (!rest.isEmpty()) {
        const auto [name, after] = SplitFirst(rest);
        node = ExactChild(tree, node, name);
        if (!node)
            return nullptr;
        rest = after;
    }
    model.Select(node);
    return node;
}

} // namespace qbx
