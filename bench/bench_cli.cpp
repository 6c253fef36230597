// qubrix-cli as whole processes on the generated catalogue of 1,000,000
// records: a global search for a three-letter text (tsv to /dev/null)
// against "grep -i" for the same text in the catalogue's text tree file
// (the C locale, as the file is single-byte 1251; its output goes to a file,
// since grep stops at the first match when it writes to /dev/null), run in
// turn so that both meet the same load; then stats and dupes. Each figure is
// the median of several runs, as wall time and as the processor time of the
// process (the machine is shared: waiting for a processor is not the
// program's cost). The floor of any search of the table: reading its bytes.
#include "WindowBench.h"

#include "interaction/ConflictAnswers.h"
#include "interaction/ConflictPrompt.h"
#include "storage/CatalogueReader.h"
#include "storage/TableEngineSetup.h"
#include "storage/TextTreeWriter.h"
#include "tree/TCatalogueTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace qbx;

namespace {

constexpr size_t kRecords = 1000000;
constexpr int kRuns = 5;

struct TTimes {
    double wall = -1; // -1: the process failed
    double cpu = -1;  // user and system seconds of the process
};

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// One process with its output sent to a file; exit status 1 ("nothing
// found") counts as a run.
TTimes Run(const QString &program, const QStringList &args, const QString &output,
           const QStringList &environment = {})
{
    QProcess p;
    p.setStandardOutputFile(output);
    if (!environment.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &pair : environment)
            env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        p.setProcessEnvironment(env);
    }
    const double cpuBefore = ChildrenCpuSeconds();
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() > 1)
        return {};
    return {double(t.nsecsElapsed()) / 1e9, ChildrenCpuSeconds() - cpuBefore};
}

// Reads the whole file in 1 MiB pieces: what any scan of the table costs.
double ReadSeconds(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    QElapsedTimer t;
    t.start();
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (f.read(buffer.data(), buffer.size()) > 0) {
    }
    return double(t.nsecsElapsed()) / 1e9;
}

qint64 LineCount(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : -1;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

class TNoProgress : public IWriteProgress {
public:
    bool Stopped() override { return false; }
    void Step() override {}
};

class TKeepAll : public IConflictPrompt {
public:
    TConflictAnswer AskConflict(const QString &) override { return ConflictKeepAll; }
};

// The catalogue's text tree file, as the program saves it.
bool WriteTextTree(const QString &catalogue, const QString &target)
{
    TConflictAnswers answers;
    TKeepAll prompt;
    TTree tree;
    TCatalogueTree loaded(tree, answers, prompt);
    {
        const TTreeUpdate bulk(tree);
        ReadCatalogueTable(catalogue, loaded, {}, {});
    }
    TNoProgress progress;
    return WriteTextTreeFile(tree.Root(), target, progress).Ok();
}

double LoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readLine().split(' ').value(0).toDouble() : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!EngineAvailable())
        return std::fprintf(stderr, "no table engine\n"), 1;
    // An optional folder keeps the generated files for runs by hand.
    QTemporaryDir temporary;
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path());
    const QString catalogue = dir.filePath(QStringLiteral("big.db"));
    const QString textTree = dir.filePath(QStringLiteral("big.txt"));
    std::printf("records: %zu\n", bench::WriteCatalogue(QFile::encodeName(catalogue).toStdString(),
                                                        20261207, kRecords, 20, "DISC_"));
    if (!WriteTextTree(catalogue, textTree))
        return std::fprintf(stderr, "text tree failed\n"), 1;
    std::printf("load_average_before: %.2f\n", LoadAverage());

    const QString cli = QStringLiteral(QBX_CLI_PATH);
    const QString grep = QStringLiteral("grep");
    const QString found = dir.filePath(QStringLiteral("found.txt"));
    const QString text = QStringLiteral("txt");
    const QStringList search{"search", catalogue, text, "--format", "tsv"};
    const QStringList grepArgs{"-i", text, textTree};
    const QStringList cLocale{"LC_ALL=C"};
    // Warm the page cache for both files; count what each finds.
    Run(cli, search, found);
    std::printf("cli_rows_found: %lld\n", static_cast<long long>(LineCount(found)));
    Run(grep, grepArgs, found, cLocale);
    std::printf("grep_lines_found: %lld\n", static_cast<long long>(LineCount(found)));
    std::vector<double> ours, peer, ratios, oursCpu, peerCpu, cpuRatios;
    for (int i = 0; i < kRuns; ++i) {
        const TTimes a = Run(cli, search, QProcess::nullDevice());
        const TTimes b = Run(grep, grepArgs, found, cLocale);
        if (a.wall < 0 || b.wall < 0)
            return std::fprintf(stderr, "search or grep failed\n"), 1;
        ours.push_back(a.wall);
        peer.push_back(b.wall);
        ratios.push_back(a.wall / b.wall);
        oursCpu.push_back(a.cpu);
        peerCpu.push_back(b.cpu);
        cpuRatios.push_back(a.cpu / std::max(b.cpu, 1e-3));
    }
    std::printf("cli_search_seconds: %.3f s\n", Median(ours));
    std::printf("grep_seconds: %.3f s\n", Median(peer));
    std::printf("cli_search_ratio_vs_grep: %.2f\n", Median(ratios));
    std::printf("cli_search_cpu_seconds: %.3f s\n", Median(oursCpu));
    std::printf("grep_cpu_seconds: %.3f s\n", Median(peerCpu));
    std::printf("cli_search_cpu_ratio_vs_grep: %.2f\n", Median(cpuRatios));
    std::printf("table_read_seconds: %.3f s\n", ReadSeconds(catalogue));
    std::printf("text_tree_read_seconds: %.3f s\n", ReadSeconds(textTree));

    for (const char *command : {"stats", "dupes"}) {
        std::vector<double> wall, cpu;
        for (int i = 0; i < kRuns; ++i) {
            const TTimes t =
                Run(cli, {command, catalogue, "--format", "tsv"}, QProcess::nullDevice());
            if (t.wall < 0)
                return std::fprintf(stderr, "%s failed\n", command), 1;
            wall.push_back(t.wall);
            cpu.push_back(t.cpu);
        }
        std::printf("cli_%s_seconds: %.3f s\n", command, Median(wall));
        std::printf("cli_%s_cpu_seconds: %.3f s\n", command, Median(cpu));
    }
    std::printf("load_average_after: %.2f\n", LoadAverage());
    return 0;
}
