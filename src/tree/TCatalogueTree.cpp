#include "tree/TCatalogueTree.h"

#include "interaction/ConflictAnswers.h"
#include "interaction/ConflictPrompt.h"
#include "tree/CataloguePath.h"
#include "tree/TTreeModel.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qbx {

TCatalogueTree::TCatalogueTree(TTree &tree, TConflictAnswers &answers, IConflictPrompt &prompt,
                               TTreeModel *view)
    : tree_(tree), answers_(answers), prompt_(prompt), view_(view)
{
}

TTreeNode *TCatalogueTree::InsertItem(const QString &label, const QString &path,
                                      const QString &producer, const QString &product,
                                      const QString &version, int64_t size,
                                      const QString &description, bool isFolder)
{
    // The label and the path form one path whose first component is the
    // disc (an empty label makes the path's first component the disc).
    joined_.resize(0);
    joined_.append(label);
    if (!label.isEmpty() && !path.isEmpty())
        joined_.append(u'\\');
    joined_.append(path);

    // Records come grouped by folder: the components this path shares with
    // the previous one lead to the same nodes, which are taken from the
    // previous walk instead of being looked up again.
    qsizetype start = 0;
    size_t reused = 0;
    if (chainVersion_ == tree_.Version())
        reused = SharedComponents(start);
    chain_.resize(reused);
    TTreeNode *current = reused ? chain_.back() : tree_.Root();
    for (size_t k = 1; k + 1 < reused; ++k) // levels 2 and deeper; current comes below
        PassThrough(chain_[k]);

    // The shared components' separators sit where the previous path had them.
    bounds_.assign(previousBounds_.begin(), previousBounds_.begin() + qsizetype(reused));
    const QChar *base = joined_.constData();
    QStringView rest = QStringView(joined_).mid(start);
    int level = int(reused);
    bool created = false;
    do {
        if (level >= 2)
            PassThrough(current);
        // One search finds the component's end; a "\\" that ends the path
        // marks a folder and closes no further component.
        const qsizetype slash = rest.indexOf(u'\\');
        if (slash >= 0)
            bounds_.push_back(qsizetype(rest.data() - base) + slash);
        const bool markedFolder = slash >= 0 && slash == rest.size() - 1;
        const QStringView component = slash >= 0 ? rest.left(slash) : rest;
        const QStringView tail = slash >= 0 ? rest.mid(slash + 1) : QStringView();
        const int image = level == 0                   ? ImageDisc
                          : (isFolder || markedFolder) ? ImageFolder
                                                       : ImageFile;
        const auto [node, isNew] = tree_.FindOrAddChild(current, component, image);
        current = node;
        created = isNew;
        chain_.push_back(node);
        rest = tail;
        ++level;
    } while (!rest.isEmpty());

    TItemDescription incoming =
        TItemDescription::Make(producer, product, version, size, description);
    if (!created)
        ResolveConflict(current, joined_, incoming);
    else if (!incoming.IsBlank())
        tree_.SetDescription(current, incoming);
    previous_.swap(joined_);
    previousBounds_.swap(bounds_);
    chainVersion_ = tree_.Version();
    return current;
}

size_t TCatalogueTree::SharedComponents(qsizetype &start) const
{
    // Every "\\" of the common beginning closes a component both paths
    // share, except a trailing one of the new path: its last component is
    // always looked up, since the record's own node is found or created.
    const char16_t *a = reinterpret_cast<const char16_t *>(joined_.constData());
    const char16_t *b = reinterpret_cast<const char16_t *>(previous_.constData());
    // The new path's last character is left out: a "\\" there is trailing.
    const qsizetype n = std::min(joined_.size() - 1, previous_.size());
    // Find the first difference four characters at a time, then count the
    // previous path's separators before it from their remembered positions.
    qsizetype m = 0;
    for (; m + 4 <= n; m += 4) {
        uint64_t x, y;
        std::memcpy(&x, a + m, sizeof x);
        std::memcpy(&y, b + m, sizeof y);
        if (x != y)
            break;
    }
    while (m < n && a[m] == b[m])
        ++m;
    const auto end = std::lower_bound(previousBounds_.begin(), previousBounds_.end(), m);
    const size_t shared = size_t(end - previousBounds_.begin());
    if (shared > chain_.size())
        return 0;
    start = shared ? previousBounds_[shared - 1] + 1 : 0;
    return shared;
}

void TCatalogueTree::PassThrough(TTreeNode *node)
{
    // A node passed on the way to a deeper item is a folder, unless it is an
    // archive holding its catalogued contents. An expanded folder keeps its
    // image: the folder image follows the view.
    const int image = node->Image();
    if (image != ImageFolder && image != ImageFolderOpen && !IsArchiveName(node->Text()))
        tree_.SetImage(node, ImageFolder);
}

void TCatalogueTree::ResolveConflict(TTreeNode *node, const QString &fullPath,
                                     const TItemDescription &incoming)
{
    TConflictAnswer &answer = answers_.ConflictAnswer;
    // Even codes (and anything unknown) mean no answer for all yet.
    if (answer > ConflictOverwriteAll || answer % 2 == 0) {
        const TConflictAnswer given = prompt_.AskConflict(fullPath);
        answer = given >= ConflictCancel && given <= ConflictOverwriteAll ? given : ConflictCancel;
    }
    const bool complement = answer == ConflictComplement || answer == ConflictComplementAll;
    const bool overwrite = answer == ConflictOverwrite || answer == ConflictOverwriteAll;
    if (!complement && !overwrite)
        return;
    TItemDescription *d = tree_.MutableDescription(node);
    if (!d) {
        if (!incoming.IsBlank())
            tree_.SetDescription(node, incoming);
        return;
    }
    if (overwrite) {
        *d = incoming;
        return;
    }
    auto fill = [](QString &field, const QString &value) {
        if (field.isEmpty())
            field = value;
    };
    fill(d->Producer, incoming.Producer);
    fill(d->Product, incoming.Product);
    fill(d->Version, incoming.Version);
    fill(d->Description, incoming.Description);
    if (d->Size == 0)
        d->Size = incoming.Size;
}

void TCatalogueTree::CopySubtree(const TTreeNode *node, const QString &label, const QString &path)
{
    if (answers_.ConflictAnswer == ConflictCancel)
        return;
    // The children as they are now: a copy placed inside the original
    // (a folder copied into itself) must not copy itself again.
    std::vector<const TTreeNode *> children;
    children.reserve(size_t(node->ChildCount()));
    for (int i = 0; i < node->ChildCount(); ++i)
        children.push_back(node->Child(i));
    static const TItemDescription kNone;
    const TDescriptionRef own = node->Description();
    const TItemDescription &d = own ? *own : kNone;
    const int image = node->Image();
    InsertItem(label, path, d.Producer, d.Product, d.Version, d.Size, d.Description,
               image >= ImageDisc && image <= ImageFolderOpen);
    if (answers_.ConflictAnswer == ConflictCancel)
        return;
    for (const TTreeNode *child : children) {
        QString childPath;
        if (path.isEmpty())
            childPath = child->Text();
        else if (path.endsWith(u'\\'))
            childPath = path + child->Text();
        else
            childPath = path + u'\\' + child->Text();
        CopySubtree(child, label, childPath);
    }
}

TTreeNode *TCatalogueTree::DeleteNode(TTreeNode *node)
{
    TTreeNode *parent = node->Parent();
    if (!parent)
        return nullptr; // the root stays
    EditState = EditNone;
    const int row = node->Row();
    const int count = parent->ChildCount();
    TTreeNode *fallback = row + 1 < count ? parent->Child(row + 1)
                          : row > 0       ? parent->Child(row - 1)
                                          : parent;
    bool heldSelection = false;
    if (view_) {
        auto inside = [node](const TTreeNode *n) {
            for (; n; n = n->Parent())
                if (n == node)
                    return true;
            return false;
        };
        heldSelection = inside(view_->CurrentNode());
        for (const TTreeNode *n : view_->SelectedNodes())
            heldSelection = heldSelection || inside(n);
    }
    RemoveSubtrees({node});
    if (heldSelection)
        view_->Select(fallback);
    if (OnTreeChanged)
        OnTreeChanged();
    return fallback;
}

void TCatalogueTree::DeleteNodes(const std::vector<TTreeNode *> &nodes)
{
    EditState = EditNone;
    RemoveSubtrees(nodes);
    // Inside a caller's bracket the view still holds the deleted nodes: the
    // caller refreshes once the bracket is closed.
    if (OnTreeChanged && !tree_.InUpdate())
        OnTreeChanged();
}

void TCatalogueTree::RemoveSubtrees(const std::vector<TTreeNode *> &nodes)
{
    TTreeMerge merge(tree_);
    std::vector<TTreeNode *> parents;
    for (TTreeNode *node : nodes) {
        tree_.FreeDescriptions(node);
        if (node->Parent())
            parents.push_back(node->Parent());
    }
    tree_.RemoveNodes(nodes); // the root stays
    for (TTreeNode *parent : parents)
        if (parent->Image() == ImageFolderOpen && !parent->HasChildren())
            tree_.SetImage(parent, ImageFolder);
}

bool TCatalogueTree::MoveSubtree(TTreeNode *node, const QString &label, const QString &path)
{
    // One change of the view, not a row insertion per copied node.
    TTreeMerge merge(tree_);
    CopySubtree(node, label, path);
    if (answers_.ConflictAnswer == ConflictCancel)
        return false;
    DeleteNodes({node});
    return true;
}

} // namespace qbx
