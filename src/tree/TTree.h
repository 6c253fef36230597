#pragma once

#include "tree/NodeOrder.h"
#include "tree/TNameStore.h"
#include "tree/TTreeNode.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace qbx {

// Told of every change of a tree that a view can see, before and after it
// happens (rows are positions among the siblings).
class ITreeObserver {
public:
    virtual ~ITreeObserver() = default;
    virtual void BeforeReset() = 0;
    virtual void AfterReset() = 0;
    virtual void BeforeInsert(TTreeNode *parent, int row) = 0;
    virtual void AfterInsert() = 0;
    virtual void BeforeRemove(TTreeNode *parent, int row) = 0;
    virtual void AfterRemove() = 0;
    // destRow counts positions before the move, as a view expects it.
    virtual void BeforeMove(TTreeNode *parent, int row, int destRow) = 0;
    virtual void AfterMove() = 0;
    virtual void Changed(TTreeNode *node) = 0;
    // A merge (TTreeMerge) brackets many changes as one change of layout:
    // the nodes that exist stay, so a view keeps its expanded folders and
    // its selection; nothing is told per node in between except removals.
    virtual void BeforeLayoutChange() = 0;
    virtual void AfterLayoutChange() = 0;
    // Inside a merge: node and everything below it are about to be deleted.
    virtual void Removing(TTreeNode *node) = 0;
};

// One tree of nodes (the catalogue tree or the search-result tree) with one
// root. Children are always in sibling order (SiblingOrder) and are found by
// case-folded name through a hash, so neither lookup nor insertion scans or
// re-sorts a large folder.
//
// Filling many nodes: wrap the work in TTreeUpdate (an empty or discarded
// tree: the observer hears one reset) or TTreeMerge (a shown tree that keeps
// its expanded folders and selection: one change of layout) instead of a
// signal per node. Inside either the order of a folder's new children is
// settled once, when it is next looked at. Brackets nest; the outermost one
// decides what the observer hears.
class TTree {
public:
    TTree();
    ~TTree();
    TTree(const TTree &) = delete;
    TTree &operator=(const TTree &) = delete;

    TTreeNode *Root() const { return root_.get(); }

    // Drops every node and every description or record, then makes a new
    // root (text "\\", image 0, no data).
    void ResetTree();

    // Finds the child of parent whose name equals name ignoring case; a
    // found child takes name as its spelling (and moves if that changes its
    // place). Otherwise a new child with that name and image is added.
    // Gives the node and whether it was created.
    std::pair<TTreeNode *, bool> FindOrAddChild(TTreeNode *parent, QStringView name, int image);
    // The same with the name's FoldedHash already made.
    std::pair<TTreeNode *, bool> FindOrAddChild(TTreeNode *parent, QStringView name, int image,
                                                uint32_t hash);
    // Starts fetching the part of parent's index where a name of this
    // FoldedHash would be, so that a FindOrAddChild for it a little later
    // need not wait for memory. Does nothing without an index.
    void PrefetchChild(const TTreeNode *parent, uint32_t hash) const;
    TTreeNode *FindChild(const TTreeNode *parent, QStringView name) const;
    // Adds a child even when a sibling of that name exists.
    TTreeNode *AddChild(TTreeNode *parent, QString name, int image);
    // The same with the name copied into the tree's own name blocks: no
    // allocation of its own for a short name.
    TTreeNode *AddChildCopy(TTreeNode *parent, QStringView name, int image);

    // Makes room for count children of parent in all, so that a bulk fill
    // does not grow the list on the way; with lookups, the index of their
    // names is made at that size too (for FindOrAddChild on every one).
    void ReserveChildren(TTreeNode *parent, size_t count, bool lookups);

    void SetText(TTreeNode *node, const QString &text);
    // The node moves when its kind changes (folders come before files).
    void SetImage(TTreeNode *node, int image);
    // Gives every node that shows the open-folder image the closed one (a
    // view that was reset has no expanded folders). Costs nothing when no
    // folder was opened since the tree was made or last closed this way;
    // otherwise it visits every node without settling any order.
    void CloseFolders();
    void SetDescription(TTreeNode *node, std::unique_ptr<TItemDescription> description);
    void SetDescription(TTreeNode *node, const TItemDescription &description)
    {
        node->data_.Set(description);
    }
    // The node's description for changing in place; null when it has none.
    TItemDescription *MutableDescription(TTreeNode *node)
    {
        return node->data_.MutableDescription();
    }
    void SetFoundRecord(TTreeNode *node, std::unique_ptr<TFoundRecord> record);

    // Releases the descriptions and records of node and every node below.
    void FreeDescriptions(TTreeNode *node);
    // Calls visit for node and every node below it, in no particular order
    // and without settling any folder's order.
    static void VisitSubtree(const TTreeNode *node,
                             const std::function<void(const TTreeNode *)> &visit);
    // Deletes node with its subtree; the root cannot be deleted.
    void RemoveNode(TTreeNode *node);
    // Deletes several nodes with their subtrees, none inside another, as one
    // change of layout; each sibling list is compacted once, so removing many
    // siblings of a large folder costs one pass over it.
    void RemoveNodes(const std::vector<TTreeNode *> &nodes);

    // The order siblings are kept in; SiblingLess unless changed (the
    // search results of some presentations are ordered by plain text). A
    // change re-orders the whole tree and resets the views. key, when
    // given, gives the nodes' keys of that order for sorting long lists.
    void SetSiblingOrder(TSiblingOrder less, TSortKey key = nullptr);
    TSiblingOrder SiblingOrder() const { return order_; }

    // Each End closes the innermost open bracket, whichever its kind.
    void BeginUpdate() { Begin(Bracket::Reset); }
    void EndUpdate() { End(); }
    void BeginMerge() { Begin(Bracket::Layout); }
    void EndMerge() { End(); }
    bool InUpdate() const { return updateDepth_ > 0; }

    // Grows with every change of the tree's shape, names or images, so that a
    // caller may keep node pointers between calls while it is unchanged.
    uint64_t Version() const { return version_; }

    // The observer (a model) is told of every visible change.
    void SetObserver(ITreeObserver *observer) { observer_ = observer; }

private:
    enum class Bracket : uint8_t { Reset, Layout };
    void Begin(Bracket kind);
    void End();
    // Inside a merge the observer must hear of removals.
    bool InLayoutChange() const
    {
        return observer_ && updateDepth_ > 0 && bracket_ == Bracket::Layout;
    }
    // A view is watching and must hear of each change at its exact row.
    bool Live() const { return observer_ && updateDepth_ == 0; }
    // hash is the FoldedHash of name.
    TTreeNode *FindHashed(const TTreeNode *parent, QStringView name, uint32_t hash) const;
    TTreeNode *AddHashed(TTreeNode *parent, QString name, uint32_t hash, int image);
    TTreeNode *Insert(TTreeNode *parent, std::unique_ptr<TTreeNode> node);
    void Reposition(TTreeNode *node);
    void Rename(TTreeNode *node, const QString &text);

    TNameStore names_; // the names of found-or-added children
    // Holds the nodes of root_'s tree; declared first, so freed last.
    std::unique_ptr<TNodeArena> arena_;
    std::unique_ptr<TTreeNode> root_;
    // Frees the nodes of the tree a reset replaced, and their arena: a tree
    // of a million nodes takes a while to free, and nothing needs to wait
    // for it.
    std::thread disposal_;
    // A replaced tree: its nodes, and the arena they live in, which is
    // declared first so that it is freed after them.
    struct TRetiredTree {
        std::unique_ptr<TNodeArena> arena;
        std::unique_ptr<TTreeNode> root;
    };
    // Trees replaced inside an update, freed when it ends: freeing them
    // while the new tree is filled would make the two threads contend for
    // the allocator, and the fill would wait.
    std::vector<TRetiredTree> retired_;
    void DisposeRetired();
    ITreeObserver *observer_ = nullptr;
    int updateDepth_ = 0;
    Bracket bracket_ = Bracket::Reset; // the outermost open bracket
    uint64_t version_ = 0;
    TSiblingOrder order_ = &SiblingLess;
    TSortKey key_ = &SiblingKey;
    bool foldersOpened_ = false; // some node may show ImageFolderOpen
};

// Brackets a bulk change of a tree (loading a catalogue, building results).
class TTreeUpdate {
public:
    explicit TTreeUpdate(TTree &tree) : tree_(tree) { tree_.BeginUpdate(); }
    ~TTreeUpdate() { tree_.EndUpdate(); }
    TTreeUpdate(const TTreeUpdate &) = delete;
    TTreeUpdate &operator=(const TTreeUpdate &) = delete;

private:
    TTree &tree_;
};

// Brackets many changes of a shown tree (merging a catalogue into it).
class TTreeMerge {
public:
    explicit TTreeMerge(TTree &tree) : tree_(tree) { tree_.BeginMerge(); }
    ~TTreeMerge() { tree_.EndMerge(); }
    TTreeMerge(const TTreeMerge &) = delete;
    TTreeMerge &operator=(const TTreeMerge &) = delete;

private:
    TTree &tree_;
};

} // namespace qbx
