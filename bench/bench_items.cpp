// Item commands on a large catalogue in the real main window (offscreen), the
// way the user gives them: "Развернуть все" and "Свернуть все" on a disc of
// about 150,000 items and on a folder of 50,000 files, "Удалить" of 10,000
// selected siblings and of 5,000 picked one by one, dragging the folder onto another disc and
// deleting it there, a rename of an expanded disc (the rename the in-place editor carries out) and
// "Рассчитать размер" on a disc. The peer, measured in the same run, is loading the whole catalogue
// into the window.
#include "WindowBench.h"

#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TItemEditGui.h"
#include "edit/ItemNames.h"
#include "options/TOptions.h"
#include "storage/CatalogueWriter.h"

#include <QAction>
#include <QApplication>
#include <QItemSelection>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>
#include <functional>

using namespace qbx;

namespace {

constexpr size_t kRecords = 500000;
constexpr size_t kBigFolder = 50000;
constexpr size_t kSelected = 10000;
constexpr int kDiscs = 3;

double Time(const std::function<void()> &step)
{
    const double start = bench::CpuSeconds();
    step();
    QApplication::processEvents();
    return bench::CpuSeconds() - start;
}

} // namespace

int main(int argc, char **argv)
{
    const bench::TWindowBenchEnvironment environment;
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is measured
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("items.db"));
    std::printf("records: %zu\n", bench::WriteCatalogue(path.toStdString(), 7, kRecords, kDiscs,
                                                        "DISC_", kBigFolder));

    TProgram program;
    TMainForm &form = program.Window();
    TOptions &options = form.Options();
    options.ConfirmDelete = false;
    options.ConfirmInterrupt = true;
    form.show();
    QApplication::processEvents();
    TTreeModel &model = program.Session().MainModel();
    const TTree &tree = program.Session().MainTree();
    auto trigger = [&](cmd::Id id) { return [&form, id] { form.Action(id)->trigger(); }; };

    const double open = Time([&] {
        program.Session().Files().OpenFile(path);
        form.Action(cmd::EntireViewAction)->trigger();
    });
    const TTreeNode *disc = tree.Root()->Child(0);
    std::printf("nodes: %zu count\n", size_t(CountNodes(tree.Root())));
    std::printf("disc_nodes: %zu count\n", size_t(CountNodes(disc)));
    std::printf("open_seconds: %.3f s\n", open);

    model.Select(disc);
    const double expandDisc = Time(trigger(cmd::ExpandNodesAction));
    const double collapseDisc = Time(trigger(cmd::CollapseNodesAction));
    std::printf("expand_all_disc_seconds: %.3f s\n", expandDisc);
    std::printf("collapse_all_disc_seconds: %.3f s\n", collapseDisc);

    const QString bigPath = QStringLiteral("DISC_2\\Фото\\Archive\\2004");
    TTreeNode *big = NodeByFullPath(tree, bigPath);
    if (!big || big->ChildCount() != int(kBigFolder)) {
        std::printf("no big folder\n");
        return 1;
    }
    model.Select(big);
    const double expandBig = Time(trigger(cmd::ExpandNodesAction));
    std::printf("expand_all_folder_seconds: %.3f s\n", expandBig);

    // 10,000 siblings selected as a range with Shift.
    QItemSelection range(model.IndexOf(big->Child(1000)),
                         model.IndexOf(big->Child(int(1000 + kSelected - 1))));
    model.SelectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
    model.SelectionModel()->setCurrentIndex(model.IndexOf(big->Child(int(1000 + kSelected - 1))),
                                            QItemSelectionModel::NoUpdate);
    const double deleteSiblings = Time(trigger(cmd::DeleteItemAction));
    std::printf("delete_siblings_seconds: %.3f s\n", deleteSiblings);
    const bool siblingsGone = big->ChildCount() == int(kBigFolder - kSelected);

    // 5,000 siblings picked one by one with Ctrl: as many selection ranges.
    QItemSelection scattered;
    for (int i = 0; i < 25000; i += 5)
        scattered.select(model.IndexOf(big->Child(i)), model.IndexOf(big->Child(i)));
    model.SelectionModel()->select(scattered, QItemSelectionModel::ClearAndSelect);
    const double deleteScattered = Time(trigger(cmd::DeleteItemAction));
    std::printf("delete_scattered_seconds: %.3f s\n", deleteScattered);
    const bool scatteredGone = big->ChildCount() == int(kBigFolder - kSelected - 5000);

    // The folder dragged onto another disc (it lands there at its top level).
    TItemOperations &items = program.Edit().Items();
    big = NodeByFullPath(tree, bigPath);
    model.Select(big);
    const double drag = Time([&] { items.MainTreeViewDragDrop(big, tree.Root()->Child(2)); });
    std::printf("drag_folder_seconds: %.3f s\n", drag);
    const QString movedPath = QStringLiteral("DISC_3\\2004");
    const bool dragged =
        NodeByFullPath(tree, movedPath) != nullptr && NodeByFullPath(tree, bigPath) == nullptr;

    big = NodeByFullPath(tree, movedPath);
    model.Select(big);
    const double deleteFolder = Time(trigger(cmd::DeleteItemAction));
    std::printf("delete_folder_seconds: %.3f s\n", deleteFolder);
    const bool folderGone = NodeByFullPath(tree, movedPath) == nullptr;

    model.Select(disc);
    const double calculate = Time(trigger(cmd::CalculateSizeAction));
    std::printf("calculate_size_seconds: %.3f s\n", calculate);

    // A rename as the in-place editor ends it: checked, then carried out by
    // the hook; the disc is expanded throughout and stays so.
    TTreeNode *first = tree.Root()->Child(0);
    model.Select(first);
    form.Action(cmd::ExpandNodesAction)->trigger();
    const double rename = Time([&] {
        items.MainTreeViewEdited(first, QStringLiteral("RENAMED"));
        items.MessageHook();
    });
    std::printf("rename_disc_seconds: %.3f s\n", rename);
    const TTreeNode *renamedNode = NodeByFullPath(tree, QStringLiteral("RENAMED"));
    const TTreeNode *renamedChild =
        renamedNode && renamedNode->HasChildren() ? renamedNode->Child(0) : nullptr;
    const bool renamed = renamedChild && renamedChild->HasChildren() &&
                         form.MainTreeView()->isExpanded(model.IndexOf(renamedChild));

    const bool ok = siblingsGone && scatteredGone && dragged && folderGone && renamed;
    std::printf("items_ok: %d\n", ok ? 1 : 0);
    std::printf("delete_siblings_ratio_vs_open: %.2f\n", deleteSiblings / open);
    std::printf("rename_disc_ratio_vs_open: %.2f\n", rename / open);
    options.ConfirmUnsaved = QStringLiteral("0");
    form.Action(cmd::CloseDbAction)->trigger();
    form.close();
    return ok ? 0 : 1;
}
