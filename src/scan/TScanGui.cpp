#include "scan/TScanGui.h"

#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "options/TOptions.h"
#include "scan/TScanForm.h"
#include "shell/Help.h"
#include "storage/TCatalogueGui.h"

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
    void Expand(const TTreeNode *node) override { view_.expand(model_.IndexOf(node)); }

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

TScanGui::TScanGui(TMainForm &form, IFolderPicker &picker, IHelp &help) : form_(form)
{
    TCatalogueGui &catalogue = form.Catalogue();
    scanForm_ = std::make_unique<TScanForm>(picker, form.Options().CdRoot, &form);
    scanForm_->OnHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    view_ = std::make_unique<TScanTreeViewGui>(*form.MainTreeView(), catalogue.MainModel());
    addTree_ = std::make_unique<TAddTree>(TScanContext{
        form.Options(), form.Shell(), form.Operation(), form.MessageBoxes(),
        catalogue.MainModel(), catalogue.ConflictPrompt(), *scanForm_, *view_, lister_,
        [] { return MountedVolumes(); },
        [&catalogue] {
            if (catalogue.Catalogue().OnTreeChanged)
                catalogue.Catalogue().OnTreeChanged();
        }});
    form.SetHandler(cmd::AddTreeAction, [this] { addTree_->AddTreeClick(); });
    form.SetHandler(cmd::CalculateSizeAction, [this] { addTree_->CalculateSizeClick(); });
}

TScanGui::~TScanGui()
{
    form_.SetHandler(cmd::AddTreeAction, nullptr);
    form_.SetHandler(cmd::CalculateSizeAction, nullptr);
}

} // namespace qbx
