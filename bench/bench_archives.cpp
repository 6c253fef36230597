// Lists 1,000 zip files of 100 members each (warm cache) with the archive
// lister and, as the peer, with one "unzip -l" run over the same files.
#include "scan/ArchiveLister.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kArchives = 1000;
constexpr int kMembers = 100;

bool Run(const QString &dir, const QString &program, const QStringList &args)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString content = dir.filePath("content");
    const QString zips = dir.filePath("zips");
    QDir().mkpath(content + "/docs/old");
    QDir().mkpath(zips);
    for (int i = 0; i < kMembers; ++i) {
        QFile f(content + (i % 3 ? "/docs/" : "/docs/old/") + QString("file%1.txt").arg(i));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(QByteArray(100 + i * 37, char('a' + i % 26)));
    }
    // 97 files and 3 folders.
    for (int i = kMembers - 3; i < kMembers; ++i)
        QFile::remove(content + QString("/docs/file%1.txt").arg(i - (i % 3 == 0 ? 1 : 0)));
    if (!Run(content, "zip", {"-qr", zips + "/base.zip", "."}))
        return std::fprintf(stderr, "zip failed\n"), 1;
    for (int i = 0; i < kArchives; ++i)
        QFile::copy(zips + "/base.zip", zips + QString("/a%1.zip").arg(i, 4, 10, QChar('0')));
    QFile::remove(zips + "/base.zip");
    QStringList files;
    for (int i = 0; i < kArchives; ++i)
        files << zips + QString("/a%1.zip").arg(i, 4, 10, QChar('0'));

    double ours = 1e9;
    double peer = 1e9;
    size_t members = 0;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        members = 0;
        for (const QString &f : files)
            members += qbx::ListArchive(f).Members.size();
        ours = std::min(ours, t.nsecsElapsed() / 1e9);
        t.restart();
        if (!Run(zips, "unzip", {"-l", "*.zip"}))
            return std::fprintf(stderr, "unzip failed\n"), 1;
        peer = std::min(peer, t.nsecsElapsed() / 1e9);
    }
    std::printf("archives: %d count\n", kArchives);
    std::printf("members_listed: %zu count\n", members);
    std::printf("archive_listing_seconds: %.3f s\n", ours);
    std::printf("unzip_l_seconds: %.3f s\n", peer);
    std::printf("ratio_vs_unzip_l: %.2f\n", ours / peer);
    return 0;
}
