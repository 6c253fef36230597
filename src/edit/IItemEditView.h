#pragma once

#include <QString>

#include <vector>

namespace qbx {

class TTreeNode;

// What the item operations change on the catalogue tree's view
// (MainTreeView) besides the tree itself. The window implements it; tests
// use a fake.
class IItemEditView {
public:
    virtual ~IItemEditView() = default;
    // Makes the tree editable and opens the in-place edit box on the node's label.
    virtual void StartLabelEdit(const TTreeNode *node) = 0;
    // The in-place edit box is open.
    virtual bool LabelEditorOpen() const = 0;
    // Closes the edit box, discarding the edited text.
    virtual void CloseLabelEditor() = 0;
    // In-place label editing switched off (true) or on.
    virtual void SetTreeReadOnly(bool readOnly) = 0;
    // The shortcuts of deleting items and of pasting, copying and cutting
    // descriptions are given (true) or taken away, so that while a label is
    // edited those keys reach the edit box.
    virtual void SetEditShortcuts(bool given) = 0;
    virtual bool IsExpanded(const TTreeNode *node) const = 0;
    // Expands the node one level.
    virtual void Expand(const TTreeNode *node) = 0;
    // Expands each node one level; a view lays its rows out once for all.
    virtual void ExpandNodes(const std::vector<const TTreeNode *> &nodes)
    {
        for (const TTreeNode *n : nodes)
            Expand(n);
    }
    // Status panel 0.
    virtual void SetStatusText(const QString &text) = 0;
    // Asks for MessageHook to run once the events now pending have been
    // handled (a deferred rename, the editor asked for from the results).
    virtual void PostMessageHook() = 0;
    // The editor asked for from the search results: "Всё содержимое" is
    // shown first, then the description editor is run there.
    virtual void ShowEntireView() = 0;
    virtual void EditDescription() = 0;
};

} // namespace qbx
