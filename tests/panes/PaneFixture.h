#pragma once

#include "options/TOptions.h"
#include "interaction/CommandState.h"
#include "interaction/UnsavedChanges.h"
#include "interaction/WindowState.h"
#include "support/TreeNodes.h"
#include "tree/ItemCommandRules.h"
#include "tree/TDescriptionPane.h"
#include "tree/TTreeModel.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <set>

// Readable texts in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace qbx::test {

// Records what the pane shows; expanding and collapsing behave like a view
// (the pane hears of every node that changes its state).
class FakeDescriptionView : public IDescriptionView {
public:
    std::array<QString, 7> rows;
    int rowWrites = 0;
    int selectedRow = -1;
    bool readOnly = false;
    QString status = QStringLiteral("untouched");
    bool clipboard = false;
    bool running = false;
    std::set<const TTreeNode *> expanded;
    TDescriptionPane *pane = nullptr;
    int labelEditsEnded = 0;
    int editorsRun = 0;

    void SetRowText(int row, const QString &text) override
    {
        rows[size_t(row)] = text;
        ++rowWrites;
    }
    QString RowText(int row) const override { return rows[size_t(row)]; }
    int SelectedRow() const override { return selectedRow; }
    void SetMainTreeReadOnly(bool on) override { readOnly = on; }
    void SetStatusText(const QString &text) override { status = text; }
    bool ClipboardHasText() const override { return clipboard; }
    bool OperationRunning() const override { return running; }
    bool IsExpanded(TTreeKind, const TTreeNode *node) const override
    {
        return expanded.count(node) > 0;
    }
    void Expand(TTreeKind tree, const TTreeNode *node, bool wholeSubtree) override
    {
        SetExpanded(tree, node, true, wholeSubtree);
    }
    void Collapse(TTreeKind tree, const TTreeNode *node, bool wholeSubtree) override
    {
        SetExpanded(tree, node, false, wholeSubtree);
    }
    void EndLabelEdit() override { ++labelEditsEnded; }
    void RunDescriptionEditor() override { ++editorsRun; }

private:
    void SetExpanded(TTreeKind tree, const TTreeNode *node, bool on, bool wholeSubtree)
    {
        auto *n = const_cast<TTreeNode *>(node);
        if (n->HasChildren() && (expanded.count(n) > 0) != on) {
            on ? (void)expanded.insert(n) : (void)expanded.erase(n);
            on ? pane->TreeViewExpanded(tree, n) : pane->TreeViewCollapsed(tree, n);
        }
        for (int i = 0; wholeSubtree && i < n->ChildCount(); ++i)
            SetExpanded(tree, n->Child(i), on, true);
    }
};

// A catalogue tree and a result tree, both with models, and the pane over them:
//   \ -> CD1 -> Soft -> a.txt, b.txt   (Acme Pack 1.0 / 2.0, 1536 bytes each)
//           -> Empty (folder without children)
//           -> pack.zip -> inner.txt   (an archive stays a file)
//     -> CD2
class PaneFixture : public ::testing::Test {
protected:
    PaneFixture()
    {
        view.pane = &pane;
        window.SetMode(DbEntire);
        options.SizeUnit = 0;
        options.EmptySize = true;
        TTreeNode *root = tree.Root();
        cd1 = tree.AddChild(root, QStringLiteral("CD1"), ImageDisc);
        cd2 = tree.AddChild(root, QStringLiteral("CD2"), ImageDisc);
        soft = tree.AddChild(cd1, QStringLiteral("Soft"), ImageFolder);
        empty = tree.AddChild(cd1, QStringLiteral("Empty"), ImageFolder);
        zip = tree.AddChild(cd1, QStringLiteral("pack.zip"), ImageFile);
        tree.AddChild(zip, QStringLiteral("inner.txt"), ImageFile);
        a = AddFile(soft, "a.txt", "1.0");
        b = AddFile(soft, "b.txt", "2.0");
    }

    TTreeNode *AddFile(TTreeNode *parent, const char *name, const char *version)
    {
        TTreeNode *n = tree.AddChild(parent, QString::fromLatin1(name), ImageFile);
        tree.SetDescription(n, std::make_unique<TItemDescription>(TItemDescription::Make(
                                   "Acme", "Pack", QString::fromLatin1(version), 1536, "x")));
        return n;
    }

    // Makes exactly these nodes selected; the first one is the focused node.
    static void Select(TTreeModel &model, std::initializer_list<const TTreeNode *> nodes)
    {
        SelectNodes(model, nodes);
    }
    void Show(std::initializer_list<const TTreeNode *> nodes)
    {
        Select(window.DbState() == DbFound ? searchModel : mainModel, nodes);
        pane.SelectionChanged();
    }

    // The item commands now enabled, without "Action", in command order.
    QStringList EnabledItemCommands() const
    {
        QStringList out;
        for (const TCommandEnable &c : ItemCommandStates(TSelectionSummary())) {
            if (commands.Enabled(c.Command))
                out << CommandTable()[c.Command].name.chopped(6);
        }
        return out;
    }

    TOptions options;
    TWindowState window{QStringLiteral("Кварнис")};
    TCommandState commands;
    TUnsavedChanges unsaved{commands};
    TTree tree;
    TTree results;
    TTreeModel mainModel{tree};
    TTreeModel searchModel{results};
    FakeDescriptionView view;
    TDescriptionPane pane{options, window, commands, unsaved, view, mainModel, searchModel};
    TTreeNode *cd1, *cd2, *soft, *empty, *zip, *a, *b;
};

} // namespace qbx::test
