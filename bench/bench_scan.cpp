// Scanning a folder tree of 200,000 entries into the real main window
// (offscreen) with the default options and the recognisers on. The peer is
// `find DIR -printf '%s\n'` on the same tree in the same run: the system
// calls a walk with sizes cannot avoid.
#include "WindowBench.h"

#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "desktop/Help.h"
#include "interaction/FolderPicker.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "scan/gui/TScanForm.h"
#include "scan/gui/TScanGui.h"
#include "storage/CatalogueWriter.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qbx;

namespace {

constexpr size_t kEntries = 200000;

// Extensions of plain files: none that a recogniser reads, so that the few
// MP3 and SETUP.TXT files are made on purpose, as on a real disc.
const std::array<const char *, 8> kExt = {".txt", ".dat", ".exe", ".jpg",
                                          ".doc", ".zip", ".avi", ".dll"};

// The generator's sink: folders and files of the file system.
class TreeWriter {
public:
    explicit TreeWriter(std::mt19937_64 &rng) : rng_(rng) {}
    size_t entries = 0, folders = 0, recognised = 0;

    bool Full() const { return entries >= kEntries; }
    std::string Folder(const std::string &path, const QString &name)
    {
        const std::string sub = path + "/" + name.toStdString();
        ::mkdir(sub.c_str(), 0755);
        ++entries;
        ++folders;
        return sub;
    }
    void File(const std::string &folder, const QString &name)
    {
        ++entries;
        const unsigned kind = unsigned(rng_() % 1000);
        std::string path, contents;
        if (kind < 3) { // an MP3 with a version 1 tag
            path = folder + "/" + name.toStdString() + ".mp3";
            contents.assign(2000, '\0');
            std::string tag(128, '\0');
            tag.replace(0, 3, "TAG");
            tag.replace(3, 5, "Title");
            tag.replace(33, 6, "Artist");
            contents += tag;
            ++recognised;
        } else if (kind < 4 && ::access((folder + "/SETUP.TXT").c_str(), F_OK) != 0) {
            path = folder + "/SETUP.TXT";
            contents = codec::ToCp1251(
                QStringLiteral("Производитель: Фирма\r\nПродукт: Игра\r\nВерсия: 1.0\r\n"
                               "Описание: Пакет\r\n"));
            ++recognised;
        } else {
            path = folder + "/" + name.toStdString() + kExt[rng_() % kExt.size()];
        }
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return;
        if (!contents.empty() && ::write(fd, contents.data(), contents.size()) < 0)
            std::perror("write");
        else if (contents.empty() && ::ftruncate(fd, off_t(rng_() % 10000000)) != 0)
            std::perror("ftruncate");
        ::close(fd);
    }

private:
    std::mt19937_64 &rng_;
};

// Wall-clock and processor seconds (user and system) of one piece of work.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double ChildrenCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Timing Find(const std::string &root)
{
    const std::string command = "find '" + root + "' -printf '%s\\n' > /dev/null";
    const double cpu = ChildrenCpuSeconds();
    QElapsedTimer t;
    t.start();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "find failed\n");
    return {double(t.nsecsElapsed()) / 1e9, ChildrenCpuSeconds() - cpu};
}

class Picker : public IFolderPicker {
public:
    QString folder;
    bool PickFolder(const QString &, QString &out) override
    {
        out = folder;
        return true;
    }
};

class NoHelp : public IHelp {
public:
    void ShowHelpContents() override {}
    void ShowHelpTopic(int) override {}
};

} // namespace

int main(int argc, char **argv)
{
    const bench::TWindowBenchEnvironment environment;
    QApplication app(argc, argv);
    // Writing the tree takes far longer than scanning it. With
    // QBX_BENCH_SCAN_TREE set to a folder, the tree is written there once,
    // its counts beside it, and later runs scan it again as it is.
    const char *keep = std::getenv("QBX_BENCH_SCAN_TREE");
    QTemporaryDir temporary;
    const QString base = keep && *keep ? QFile::decodeName(keep) : temporary.path();
    const std::string root = QFile::encodeName(base + QStringLiteral("/tree")).toStdString();
    const std::string countsPath =
        QFile::encodeName(base + QStringLiteral("/counts")).toStdString();
    std::mt19937_64 rng(20261207);
    TreeWriter writer(rng);
    bool generated = false;
    if (keep && *keep) {
        ::mkdir(keep, 0755);
        if (FILE *counts = std::fopen(countsPath.c_str(), "r")) {
            generated = std::fscanf(counts, "%zu %zu %zu", &writer.entries, &writer.folders,
                                    &writer.recognised) == 3;
            std::fclose(counts);
        }
    }
    if (!generated) {
        ::mkdir(root.c_str(), 0755);
        // About 20,000 folders nested up to 6 deep.
        bench::TTreeShape shape;
        shape.minBudget = 10;
        shape.folderOneIn = 5;
        shape.shareMin = 10;
        shape.shareSpread = 100;
        bench::GenerateFolder(rng, shape, writer, root, 0, kEntries);
        if (keep && *keep) {
            if (FILE *counts = std::fopen(countsPath.c_str(), "w")) {
                std::fprintf(counts, "%zu %zu %zu\n", writer.entries, writer.folders,
                             writer.recognised);
                std::fclose(counts);
            }
        }
    }
    std::printf("entries: %zu\nfolders: %zu\nrecognised_files: %zu\n", writer.entries,
                writer.folders, writer.recognised);

    // Warm the page cache by listing the tree once, then measure the peer:
    // the best of three runs, as the machine may be shared.
    Find(root);
    Timing find{1e9, 1e9};
    for (int round = 0; round < 3; ++round) {
        const Timing t = Find(root);
        find.wall = std::min(find.wall, t.wall);
        find.cpu = std::min(find.cpu, t.cpu);
    }

    Picker picker;
    picker.folder = QFile::decodeName(root.c_str());
    NoHelp help;
    TProgram program({&picker, &help});
    TMainForm &form = program.Window();
    TScanGui &scan = program.Scan();
    form.show();
    QApplication::processEvents();
    // A new catalogue replaces the last round's without asking to save it.
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    TTree &tree = program.Session().MainTree();

    // Each round scans into a new catalogue; the best of three is kept, as
    // for the peer. The first round gives the memory growth.
    Timing scanned{1e9, 1e9};
    bool ok = true;
    size_t nodes = 0;
    double rssGrowthMb = 0;
    for (int round = 0; round < 3; ++round) {
        program.Session().Files().CreateCatalogue();
        program.Session().MainModel().Select(tree.Root());
        QApplication::processEvents();
        const long rssBefore = bench::ResidentKiB();
        QElapsedTimer timer;
        double cpuStart = 0;
        QTimer::singleShot(0, &form, [&] {
            TScanForm &dialog = scan.ScanForm();
            dialog.findChild<QToolButton *>(QStringLiteral("FolderSpeedButton"))->click();
            cpuStart = bench::CpuSeconds();
            timer.start();
            dialog.findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
        });
        form.Action(cmd::AddTreeAction)->trigger();
        QApplication::processEvents();
        scanned.wall = std::min(scanned.wall, double(timer.nsecsElapsed()) / 1e9);
        scanned.cpu = std::min(scanned.cpu, bench::CpuSeconds() - cpuStart);
        // Less the root and the chosen folder.
        nodes = size_t(CountNodes(tree.Root())) - 2;
        ok = ok && nodes == writer.entries && scan.AddTree().Skipped().Empty();
        if (round == 0)
            rssGrowthMb =
                double(bench::ResidentKiB() - rssBefore) / 1024.0 / (double(nodes) / 100000.0);
    }

    std::printf("scanned_ok: %d\n", ok ? 1 : 0);
    std::printf("nodes: %zu\n", nodes);
    std::printf("scan_seconds: %.3f s\n", scanned.wall);
    std::printf("find_seconds: %.3f s\n", find.wall);
    std::printf("scan_ratio_vs_find: %.2f\n", scanned.wall / find.wall);
    // Processor time is what a loaded machine does not inflate.
    std::printf("scan_cpu_seconds: %.3f s\n", scanned.cpu);
    std::printf("find_cpu_seconds: %.3f s\n", find.cpu);
    std::printf("scan_cpu_ratio_vs_find: %.2f\n", scanned.cpu / find.cpu);
    std::printf("rss_growth_mb: %.1f MB per 100000 nodes\n", rssGrowthMb);
    form.close();
    return ok ? 0 : 1;
}
