// The overview of a catalogue of 1,000,000 records: the statistics window
// filled and shown (table and charts), the duplicate groups, the size-map
// layout of one 150,000-item disc and a full paint of that layout. Each
// figure comes with a peer measured in the same run: one plain walk over the
// same tree (every node visited, its size read), and for the paint the same
// cells filled in one colour. Times are wall-clock:
// the windows are measured as the user waits for them.

#include "interaction/ConflictAnswers.h"
#include "interaction/ConflictPrompt.h"
#include "options/SizeUnit.h"
#include "overview/gui/IOverviewHost.h"
#include "overview/gui/TDupesWindow.h"
#include "overview/gui/TSizeMapWidget.h"
#include "overview/gui/TStatsWindow.h"
#include "tree/DuplicateFinder.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"
#include "tree/TTreeNode.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <random>
#include <vector>

namespace qbx {
namespace {

class TKeepAll : public IConflictPrompt {
public:
    TConflictAnswer AskConflict(const QString &) override { return ConflictKeepAll; }
};

const char16_t *const Extensions[] = {u".mp3", u".avi", u".jpg", u".zip", u".doc",
                                      u".exe", u".txt", u".dll", u".png", u".iso"};

// Discs of `perDisc` records each: folders up to four deep, files with
// names that repeat across discs (so that duplicates exist) and sizes
// spread over six orders of magnitude.
// The windows over the generated tree, sizes chosen automatically; nothing
// to go to, save or show help for.
class TBenchOverviewHost : public IOverviewHost {
public:
    explicit TBenchOverviewHost(const TTreeNode *root) : root_(root) {}
    const TTreeNode *OverviewRoot() const override { return root_; }
    const TTreeNode *OverviewSelected() const override { return nullptr; }
    int OverviewSizeUnit() const override { return int(SuAuto); }
    void GoToOverviewItem(const QString &) override {}
    void SaveOverviewCsv(QWidget *, const QString &, const QString &) override {}
    void ShowOverviewHelp(int) override {}

private:
    const TTreeNode *root_;
};

void Generate(TCatalogueTree &catalogue, int discs, int perDisc, std::mt19937_64 &rng)
{
    for (int d = 0; d < discs; ++d) {
        const QString label = QStringLiteral("Disc %1").arg(d + 1);
        std::vector<QString> folders{QString()};
        for (int i = 0; i < perDisc; ++i) {
            const QString &parent = folders[rng() % folders.size()];
            if (rng() % 12 == 0 && parent.count(u'\\') < 4) {
                const QString path = parent + QStringLiteral("folder %1\\").arg(i);
                catalogue.InsertItem(label, path, {}, {}, {}, 0, {}, true);
                folders.push_back(path);
                continue;
            }
            // A name's size follows from the name, so a name met again is a
            // copy: about a third of the files have copies, as on a shelf of
            // backups.
            const uint64_t number = rng() % 400000;
            const uint64_t extension = rng() % 10;
            const QString name =
                QStringLiteral("file %1").arg(number) + QString::fromUtf16(Extensions[extension]);
            const uint64_t hash = (number * 10 + extension) * 0x9E3779B97F4A7C15ull;
            const int64_t size = (int64_t(1) << (hash >> 59) % 30) + int64_t(hash % 1000);
            catalogue.InsertItem(label, parent + name, {}, {}, {}, size, {}, false);
        }
    }
}

double PlainWalk(const TTreeNode *root, int64_t &sum)
{
    QElapsedTimer t;
    t.start();
    std::vector<const TTreeNode *> stack{root};
    while (!stack.empty()) {
        const TTreeNode *n = stack.back();
        stack.pop_back();
        if (const TDescriptionRef d = n->Description())
            sum += d->Size;
        for (int i = 0; i < n->ChildCount(); ++i)
            stack.push_back(n->Child(i));
    }
    return double(t.nsecsElapsed()) * 1e-9;
}

// The one-minute load average: the machine is shared, so every figure is
// printed with it.
double LoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readLine().split(' ').value(0).toDouble() : -1;
}

void Report(const char *name, double value, const char *unit, const char *peerName, double peer)
{
    std::printf("%s: %.3f %s (%s %.3f %s, ratio %.1f; load %.2f)\n", name, value, unit, peerName,
                peer, unit, peer > 0 ? value / peer : 0.0, LoadAverage());
}

// The peer of the paint: the same cells filled in one colour, without
// frames, colours by extension or labels.
double PlainFill(const std::vector<TMapCell> &cells, QImage &image)
{
    QPainter p(&image);
    QElapsedTimer t;
    t.start();
    for (const TMapCell &c : cells)
        p.fillRect(QRectF(c.rect.x, c.rect.y, c.rect.w, c.rect.h), Qt::gray);
    return double(t.nsecsElapsed()) * 1e-6;
}

} // namespace
} // namespace qbx

int main(int argc, char **argv)
{
    using namespace qbx;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TConflictAnswers answers;
    TKeepAll prompt;
    std::mt19937_64 rng(32);

    TTree big;
    TCatalogueTree catalogue(big, answers, prompt);
    {
        const TTreeUpdate bulk(big);
        Generate(catalogue, 10, 100000, rng);
    }
    int64_t sum = 0;
    PlainWalk(big.Root(), sum); // the first walk brings the tree into the caches
    const double walk = PlainWalk(big.Root(), sum);

    // The statistics window, refreshed and shown.
    {
        TBenchOverviewHost host(big.Root());
        TStatsWindow window(host);
        QElapsedTimer t;
        t.start();
        window.Refresh();
        window.show();
        QApplication::processEvents();
        Report("overview_stats_seconds", double(t.nsecsElapsed()) * 1e-9, "s", "plain walk", walk);
    }

    // The duplicates window, searched and shown.
    {
        TBenchOverviewHost host(big.Root());
        TDupesWindow window(host);
        QElapsedTimer t;
        t.start();
        window.Refresh();
        window.show();
        QApplication::processEvents();
        Report("dupes_window_seconds", double(t.nsecsElapsed()) * 1e-9, "s", "plain walk", walk);
        std::printf("  %s\n", qPrintable(window.StatusText()));
        t.restart();
        const TDuplicateFinder finder(big.Root(), 0, false);
        std::printf("  the finder alone: %.3f s, %zu groups\n", double(t.nsecsElapsed()) * 1e-9,
                    finder.Groups().size());
    }

    // One disc of 150,000 items laid out and painted at full-screen size.
    TTree disc;
    TCatalogueTree one(disc, answers, prompt);
    {
        const TTreeUpdate bulk(disc);
        Generate(one, 1, 150000, rng);
    }
    int64_t discSum = 0;
    PlainWalk(disc.Root(), discSum);
    const double discWalk = PlainWalk(disc.Root(), discSum);
    TSizeMapWidget map;
    map.resize(1600, 1000);
    QElapsedTimer t;
    t.start();
    map.SetRoot(disc.Root()->Child(0));
    const size_t cells = map.Cells().size();
    Report("treemap_layout_seconds", double(t.nsecsElapsed()) * 1e-9, "s", "plain walk", discWalk);
    std::printf("  cells: %zu\n", cells);

    QImage image(1600, 1000, QImage::Format_RGB32);
    double best = 1e9;
    double fill = 1e9;
    for (int round = 0; round < 5; ++round) {
        QPainter p(&image);
        t.restart();
        map.PaintMap(p);
        p.end();
        best = std::min(best, double(t.nsecsElapsed()) * 1e-6);
        fill = std::min(fill, PlainFill(map.Cells(), image));
    }
    Report("treemap_paint_ms", best, "ms", "plain fill of the cells", fill);
    return sum == -1 && discSum == -1 ? 1 : 0;
}
