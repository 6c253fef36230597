// Scanning a folder tree of 200,000 entries into the real main window
// (offscreen) with the default options and the recognisers on. The peer is
// `find DIR -printf '%s\n'` on the same tree in the same run: the system
// calls a walk with sizes cannot avoid.
#include "app/MainWindow.h"
#include "app/ScanAttachGui.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "scan/TScanForm.h"
#include "scan/TScanGui.h"
#include "shell/FolderPicker.h"
#include "shell/Help.h"
#include "storage/TCatalogueGui.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace qbx;

namespace {

constexpr size_t kEntries = 200000;

const std::array<const char *, 8> kLatin = {"data", "setup", "music", "photo",
                                            "disk", "video", "docs",  "readme"};
const std::array<const char *, 8> kCyrillic = {"отчёт", "музыка", "фото",  "архив",
                                               "игры",  "книги",  "видео", "письмо"};
const std::array<const char *, 8> kExt = {".txt", ".dat", ".exe", ".jpg",
                                          ".doc", ".zip", ".avi", ".dll"};

class TreeWriter {
public:
    explicit TreeWriter(std::mt19937_64 &rng) : rng_(rng) {}
    size_t entries = 0, folders = 0, recognised = 0;

    // Writes `budget` entries below the folder (which exists).
    void Folder(const std::string &path, int depth, size_t budget)
    {
        size_t index = 0;
        while (budget > 0 && entries < kEntries) {
            const std::string name = Name() + "_" + std::to_string(index++);
            if (depth < 6 && budget > 20 && rng_() % 9 == 0) {
                const std::string sub = path + "/" + name;
                ::mkdir(sub.c_str(), 0755);
                ++entries;
                ++folders;
                --budget;
                const size_t share = std::min(budget, size_t(rng_() % 150 + 10));
                Folder(sub, depth + 1, share);
                budget -= share;
            } else {
                File(path, name);
                --budget;
            }
        }
    }

private:
    std::string Name()
    {
        return std::string(rng_() % 2 ? kLatin[rng_() % 8] : kCyrillic[rng_() % 8]) +
               std::to_string(rng_() % 1000);
    }

    void File(const std::string &folder, const std::string &name)
    {
        ++entries;
        const unsigned kind = unsigned(rng_() % 1000);
        std::string path, contents;
        if (kind < 3) { // an MP3 with a version 1 tag
            path = folder + "/" + name + ".mp3";
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
            path = folder + "/" + name + kExt[rng_() % kExt.size()];
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

    std::mt19937_64 &rng_;
};

long RssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

double FindSeconds(const std::string &root)
{
    const std::string command = "find '" + root + "' -printf '%s\\n' > /dev/null";
    QElapsedTimer t;
    t.start();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "find failed\n");
    return double(t.nsecsElapsed()) / 1e9;
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

size_t NodesBelow(const TTreeNode *node)
{
    size_t n = size_t(node->ChildCount());
    for (int i = 0; i < node->ChildCount(); ++i)
        n += NodesBelow(node->Child(i));
    return n;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string root = QFile::encodeName(dir.filePath(QStringLiteral("tree"))).toStdString();
    ::mkdir(root.c_str(), 0755);
    std::mt19937_64 rng(20261207);
    TreeWriter writer(rng);
    writer.Folder(root, 0, kEntries);
    std::printf("entries: %zu\nfolders: %zu\nrecognised_files: %zu\n", writer.entries,
                writer.folders, writer.recognised);

    // Warm the page cache by listing the tree once, then measure the peer.
    FindSeconds(root);
    const double findSeconds = FindSeconds(root);

    TMainForm form;
    Picker picker;
    picker.folder = QFile::decodeName(root.c_str());
    NoHelp help;
    const auto scanGui = AttachScanGui(form, picker, help);
    TScanGui &scan = *scanGui;
    form.show();
    QApplication::processEvents();
    form.Catalogue().Files().CreateDbClick();
    TTree &tree = form.Catalogue().MainTree();
    form.Catalogue().MainModel().Select(tree.Root());
    QApplication::processEvents();
    const long rssBefore = RssKiB();

    QElapsedTimer timer;
    QTimer::singleShot(0, &form, [&] {
        TScanForm &dialog = scan.ScanForm();
        dialog.findChild<QToolButton *>(QStringLiteral("FolderSpeedButton"))->click();
        timer.start();
        dialog.findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    form.Action(cmd::AddTreeAction)->trigger();
    QApplication::processEvents();
    const double scanSeconds = double(timer.nsecsElapsed()) / 1e9;

    const size_t nodes = NodesBelow(tree.Root()) - 1; // less the chosen folder
    const bool ok = nodes == writer.entries && scan.AddTree().Skipped().Count() == 0;
    std::printf("scanned_ok: %d\n", ok ? 1 : 0);
    std::printf("nodes: %zu\n", nodes);
    std::printf("scan_seconds: %.3f s\n", scanSeconds);
    std::printf("find_seconds: %.3f s\n", findSeconds);
    std::printf("scan_ratio_vs_find: %.2f\n", scanSeconds / findSeconds);
    std::printf("rss_growth_mb: %.1f MB per 100000 nodes\n",
                double(RssKiB() - rssBefore) / 1024.0 / (double(nodes) / 100000.0));
    form.Options().ConfirmUnsaved = QStringLiteral("0");
    form.close();
    return ok ? 0 : 1;
}
