#pragma once

#include "edit/IItemEditView.h"
#include "edit/TDescriptionCommands.h"
#include "edit/TEditValues.h"
#include "edit/TItemOperations.h"
#include "options/TOptions.h"
#include "panes/PaneFixture.h"
#include "interaction/CommandState.h"
#include "interaction/UnsavedChanges.h"
#include "interaction/ConflictAnswers.h"
#include "storage/CatalogueDocument.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeNodes.h"
#include "tree/NodePaths.h"
#include "tree/ScriptedConflicts.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTreeModel.h"

#include <QStringList>

#include <functional>
#include <set>

#include <gtest/gtest.h>

namespace qbx::test {

// MainTreeView as the item operations see it.
class FakeItemView : public IItemEditView {
public:
    void StartLabelEdit(const TTreeNode *node) override
    {
        editing = node;
        editorOpen = true;
    }
    bool LabelEditorOpen() const override { return editorOpen; }
    void CloseLabelEditor() override { editorOpen = false; }
    void SetTreeReadOnly(bool on) override { readOnly = on; }
    void SetEditShortcuts(bool given) override { shortcutsGiven = given; }
    bool IsExpanded(const TTreeNode *node) const override { return expanded.count(node) > 0; }
    void Expand(const TTreeNode *node) override { expanded.insert(node); }
    void SetStatusText(const QString &text) override { status = text; }
    void PostMessageHook() override { ++hooksPosted; }
    void ShowEntireView() override { ++entireViews; }
    void EditDescription() override { ++descriptionEdits; }

    const TTreeNode *editing = nullptr;
    bool editorOpen = false;
    bool readOnly = true;
    bool shortcutsGiven = true;
    std::set<const TTreeNode *> expanded;
    QString status = QStringLiteral("untouched");
    int hooksPosted = 0;
    int entireViews = 0;
    int descriptionEdits = 0;
};

class FakeClipboard : public IClipboardText {
public:
    bool HasText() const override { return has; }
    QString Text() const override { return text; }
    void SetText(const QString &t) override
    {
        text = t;
        has = true;
    }
    bool has = false;
    QString text;
};

class FakeEditor : public IDescriptionEditor {
public:
    // Gets the values as handed in; changes them as the user would; false cancels.
    std::function<bool(TEditValues &)> script;
    TEditValues shown;
    int shows = 0;
    bool Execute(TEditValues &values) override
    {
        ++shows;
        shown = values;
        return script ? script(values) : false;
    }
};

// A catalogue tree with its model and the item and description commands over it.
class EditFixture : public ::testing::Test {
protected:
    EditFixture()
    {
        window.SetMode(DbEntire);
        options.ConfirmDelete = true;
        options.SizeUnit = 0;
        unsaved.Set(false);
        paneView.pane = &pane;
        items.SelectionChanged = [this] {
            ++refreshes;
            pane.SelectionChanged();
        };
        descriptions.SelectionChanged = items.SelectionChanged;
    }

    TTreeNode *Insert(const QString &label, const QString &path, const QString &producer = {},
                      int64_t size = 0)
    {
        return catalogue.InsertItem(label, path, producer, {}, {}, size, {}, false);
    }
    TTreeNode *Node(const QString &fullPath) const { return NodeAt(tree, fullPath); }
    static QStringList Names(const TTreeNode *n) { return ChildNames(n); }
    // Selects the nodes (the first is the current one) and refills the pane.
    void Select(std::initializer_list<const TTreeNode *> nodes)
    {
        SelectNodes(model, nodes);
        pane.SelectionChanged();
    }
    QString Selected() const
    {
        QStringList s;
        for (const TTreeNode *n : model.SelectedNodes())
            s << (n == tree.Root() ? QStringLiteral("\\") : FullItemPath(n));
        return s.join(u',');
    }
    bool Saveable() const
    {
        return unsaved.Any() && commands.Enabled(cmd::SaveDbAction);
    }

    TOptions options;
    TWindowState window{QStringLiteral("Кварнис")};
    TCatalogueDocument document;
    TConflictAnswers answers;
    TCommandState commands;
    TUnsavedChanges unsaved{commands};
    ScriptedConflicts prompt;
    ScriptedMessageBoxes boxes;
    FakeItemView view;
    FakeClipboard clipboard;
    FakeEditor editor;
    TTree tree;
    TTreeModel model{tree};
    TCatalogueTree catalogue{tree, answers, prompt, &model};
    TItemOperations items{{options, window, document, answers, commands, unsaved, catalogue, model, boxes, view}};
    TTree results;
    TTreeModel searchModel{results};
    FakeDescriptionView paneView;
    TDescriptionPane pane{options, window, commands, unsaved, paneView, model, searchModel};
    TDescriptionCommands descriptions{{window, document, pane, commands, unsaved, catalogue, model, items, editor,
                                       clipboard, boxes}};
    int refreshes = 0;
};

} // namespace qbx::test
