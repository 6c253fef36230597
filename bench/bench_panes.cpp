// Refreshes the description pane for a selection of 100,000 described files
// (the whole catalogue selected with Shift) and compares it with what the
// model alone needs to list the selected nodes. Also closes the open folder
// images of a 1,000,000-node tree after a view reset, against a plain walk
// that counts the same nodes.

#include "options/TOptions.h"
#include "interaction/WindowState.h"
#include "interaction/CommandState.h"
#include "interaction/UnsavedChanges.h"
#include "tree/TDescriptionPane.h"
#include "tree/TTreeModel.h"

#include <QCoreApplication>
#include <QItemSelection>
#include <QLocale>

#include <time.h>

#include <cstdio>
#include <memory>
#include <vector>

using namespace qbx;

namespace {

// Processor time: the benchmark machine is shared.
double Now()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

class NullView : public IDescriptionView {
public:
    void SetRowText(int, const QString &) override {}
    QString RowText(int) const override { return {}; }
    int SelectedRow() const override { return -1; }
    void SetMainTreeReadOnly(bool) override {}
    void SetStatusText(const QString &) override {}
    bool ClipboardHasText() const override { return false; }
    bool OperationRunning() const override { return false; }
    bool IsExpanded(TTreeKind, const TTreeNode *) const override { return false; }
    void Expand(TTreeKind, const TTreeNode *, bool) override {}
    void Collapse(TTreeKind, const TTreeNode *, bool) override {}
    void EndLabelEdit() override {}
    void RunDescriptionEditor() override {}
};

// One disc with `folders` folders of `files` described files each.
void Fill(TTree &tree, int folders, int files)
{
    TTreeUpdate update(tree);
    TTreeNode *disc = tree.AddChild(tree.Root(), QStringLiteral("CD1"), ImageDisc);
    for (int f = 0; f < folders; ++f) {
        TTreeNode *folder = tree.AddChild(
            disc, QStringLiteral("Folder%1").arg(f, 4, 10, QLatin1Char('0')), ImageFolderOpen);
        for (int i = 0; i < files; ++i) {
            TTreeNode *n = tree.AddChild(
                folder, QStringLiteral("file%1.txt").arg(i, 6, 10, QLatin1Char('0')), ImageFile);
            tree.SetDescription(n, std::make_unique<TItemDescription>(TItemDescription::Make(
                                       QStringLiteral("Acme"), QStringLiteral("Pack"),
                                       QStringLiteral("1.0"), 1000 + i % 7, QString())));
        }
    }
}

int CountWalk(const TTreeNode *root)
{
    int count = 0;
    std::vector<const TTreeNode *> pending{root};
    while (!pending.empty()) {
        const TTreeNode *n = pending.back();
        pending.pop_back();
        count += n->Image() == ImageFolderOpen;
        for (int i = 0; i < n->ChildCount(); ++i) {
            if (n->Child(i)->HasChildren())
                pending.push_back(n->Child(i));
        }
    }
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCoreApplication app(argc, argv);

    TOptions options;
    qbx::TWindowState window(QStringLiteral("Кварнис"));
    window.SetMode(qbx::DbEntire);
    TCommandState commands;
    TUnsavedChanges unsaved{commands};
    NullView view;

    {
        TTree tree, results;
        TTreeModel model(tree), searchModel(results);
        TDescriptionPane pane(options, window, commands, unsaved, view, model, searchModel);
        Fill(tree, 10, 10000);
        const TTreeNode *disc = tree.Root()->Child(0);
        QItemSelection all;
        for (int f = 0; f < disc->ChildCount(); ++f) {
            const TTreeNode *folder = disc->Child(f);
            all.select(model.IndexOf(folder->Child(0)),
                       model.IndexOf(folder->Child(folder->ChildCount() - 1)));
        }
        model.SelectionModel()->select(all, QItemSelectionModel::ClearAndSelect);

        const int rounds = 5;
        double t = Now();
        size_t listed = 0;
        for (int r = 0; r < rounds; ++r)
            listed += model.SelectedNodes().size();
        const double peer = (Now() - t) / rounds;
        t = Now();
        for (int r = 0; r < rounds; ++r)
            pane.SelectionChanged();
        const double refresh = (Now() - t) / rounds;
        std::printf("selected_nodes: %zu nodes\n", listed / rounds);
        std::printf("pane_refresh_100k: %.2f ms\n", refresh * 1e3);
        std::printf("peer_selected_nodes_100k: %.2f ms\n", peer * 1e3);
        std::printf("ratio_refresh_to_peer: %.2f\n", refresh / peer);
    }
    {
        TTree tree, results;
        TTreeModel model(tree), searchModel(results);
        TDescriptionPane pane(options, window, commands, unsaved, view, model, searchModel);
        Fill(tree, 100, 10000);
        double t = Now();
        const int open = CountWalk(tree.Root());
        const double peer = Now() - t;
        t = Now();
        pane.TreeViewReset(TTreeKind::Main);
        const double reset = Now() - t;
        std::printf("open_folders: %d folders\n", open);
        std::printf("reset_images_1m: %.2f ms\n", reset * 1e3);
        std::printf("peer_walk_1m: %.2f ms\n", peer * 1e3);
        std::printf("ratio_reset_to_walk: %.2f\n", reset / peer);
    }
    return 0;
}
