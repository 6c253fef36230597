// qubrix-cli as whole processes on the generated catalogue of 1,000,000
// records: a global search for a three-letter text (tsv to /dev/null)
// against "grep -i" for the same text in the catalogue's text tree file,
// run in turn so that both meet the same load; then stats and dupes.
// Each figure is the median of several runs.
#include "WindowBench.h"

#include "options/TOptions.h"
#include "session/ConflictPrompt.h"
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
#include <vector>

using namespace qbx;

namespace {

constexpr size_t kRecords = 1000000;
constexpr int kRuns = 5;

// Wall seconds of one process with its output thrown away; -1 on failure
// (exit status 1, "nothing found", counts as a run).
double RunSeconds(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() > 1)
        return -1;
    return double(t.nsecsElapsed()) / 1e9;
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
    TOptions options(QStringLiteral("bench"), {});
    TKeepAll prompt;
    TTree tree;
    TCatalogueTree loaded(tree, options, prompt);
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
    const QString text = QStringLiteral("txt");
    const QStringList search{"search", catalogue, text, "--format", "tsv"};
    const QStringList grep{"-i", text, textTree};
    // Warm the page cache for both files.
    RunSeconds(cli, search);
    RunSeconds(QStringLiteral("grep"), grep);
    std::vector<double> ours, peer, ratios;
    for (int i = 0; i < kRuns; ++i) {
        ours.push_back(RunSeconds(cli, search));
        peer.push_back(RunSeconds(QStringLiteral("grep"), grep));
        if (ours.back() < 0 || peer.back() < 0)
            return std::fprintf(stderr, "search or grep failed\n"), 1;
        ratios.push_back(ours.back() / peer.back());
    }
    std::printf("cli_search_seconds: %.3f s\n", Median(ours));
    std::printf("grep_seconds: %.3f s\n", Median(peer));
    std::printf("cli_search_ratio_vs_grep: %.2f\n", Median(ratios));

    for (const char *command : {"stats", "dupes"}) {
        std::vector<double> runs;
        for (int i = 0; i < kRuns; ++i) {
            runs.push_back(RunSeconds(cli, {command, catalogue, "--format", "tsv"}));
            if (runs.back() < 0)
                return std::fprintf(stderr, "%s failed\n", command), 1;
        }
        std::printf("cli_%s_seconds: %.3f s\n", command, Median(runs));
    }
    std::printf("load_average_after: %.2f\n", LoadAverage());
    return 0;
}
