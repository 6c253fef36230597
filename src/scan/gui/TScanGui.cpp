#include "scan/gui/TScanGui.h"

#include "options/TEnvironment.h"
#include "scan/gui/TScanForm.h"
#include "interaction/HelpContext.h"
#include "tree/TTreeModel.h"

#include <QTreeView>

#include <vector>

namespace qbx {

// MainTreeView around a scan: the folders expanded before the bulk filling
// (which resets the view) are expanded again afterwards.
class TScanTreeViewGui : public IScanTreeView {
public:
    TScanTreeViewGui(QTreeView &view, TTreeModel &model) : view_(view), model_(model) {}

    void BeginFill() override
    {
        expanded_.clear();
        Collect(model_.Tree().Root());
    }
    void EndFill() override
    {
        for (const TTreeNode *node : expanded_)
            view_.expand(model_.IndexOf(node));
        expanded_.clear();
    }
    void Expand(const TTreeNode *node) override
    {
        const QModelIndex index = model_.IndexOf(node);
        view_.expand(index);
        view_.scrollTo(index, QAbstractItemView::PositionAtTop);
    }

private:
    // Parents come before their children, so each expands inside an expanded
    // parent.
    void Collect(const TTreeNode *node)
    {
        if (!view_.isExpanded(model_.IndexOf(node)))
            return;
        expanded_.push_back(node);
        for (int i = 0; i < node->ChildCount(); ++i)
            if (node->Child(i)->HasChildren())
                Collect(node->Child(i));
    }

    QTreeView &view_;
    TTreeModel &model_;
    std::vector<const TTreeNode *> expanded_;
};

TScanGui::TScanGui(TScanGuiContext c)
{
    scanForm_ = std::make_unique<TScanForm>(c.picker, c.environment.CdRoot, c.owner);
    scanForm_->OnHelp = [&help = c.help](int topic) { help.ShowHelpTopic(topic); };
    view_ = std::make_unique<TScanTreeViewGui>(c.mainTreeView, c.mainModel);
    addTree_ = std::make_unique<TAddTree>(
        TScanContext{c.modes, c.options, c.operation, c.boxes, c.mainModel, c.prompt, *scanForm_,
                     *view_, lister_, [] { return MountedVolumes(); }, c.treeChanged});
}

TScanGui::~TScanGui() = default;

} // namespace qbx
