// Reads the tags of 10,000 generated MP3 files (warm cache) and compares the
// time with plain read calls of the bytes the reader may need at most: the
// first 1,162 bytes and the last 128 bytes of each file.
#include "platform/Codec.h"
#include "scan/Mp3Tags.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kFiles = 10000;

std::string Frame(const char *id, const std::string &data)
{
    const auto n = std::uint32_t(data.size());
    std::string f(id);
    f += {char(n >> 24), char(n >> 16), char(n >> 8), char(n), '\0', '\0'};
    return f + data;
}

// A tag of 2048 bytes (frames, then padding) with title and artist only, so
// that the reader also looks at the version 1 block.
std::string MakeFile(int i)
{
    const std::string frames =
        Frame("TIT2", '\0' + qbx::codec::ToCp1251(QStringLiteral("Песня %1").arg(i))) +
        Frame("TPE1", '\0' + qbx::codec::ToCp1251(QStringLiteral("Исполнитель %1").arg(i % 97))) +
        Frame("TALB", std::string("\0Album", 6));
    const int tagSize = 2048;
    std::string file = "ID3";
    file += {'\3', '\0', '\0', '\0', '\0', char(tagSize >> 7), char(tagSize & 0x7F)};
    file += frames + std::string(std::size_t(tagSize) - frames.size(), '\0');
    file += std::string(3000 + i % 1000, char(0xAA));
    std::string v1 = "TAG";
    v1 += std::string(90, '\0') + "2003" + "Comment" + std::string(24, '\0');
    return file + v1;
}

long long BytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:")
            return value;
    }
    return -1;
}

double TimeTags(const QStringList &paths, int &recognised)
{
    QElapsedTimer t;
    t.start();
    recognised = 0;
    for (const QString &p : paths)
        recognised += qbx::ReadMp3Tags(p).Recognised ? 1 : 0;
    return double(t.nsecsElapsed()) / 1e9;
}

double TimePlainReads(const std::vector<std::string> &paths)
{
    char head[1162];
    char tail[128];
    QElapsedTimer t;
    t.start();
    for (const std::string &p : paths) {
        const int fd = ::open(p.c_str(), O_RDONLY);
        if (fd < 0 || ::read(fd, head, sizeof head) < 0 || ::lseek(fd, -128, SEEK_END) < 0 ||
            ::read(fd, tail, sizeof tail) < 0)
            std::perror("plain read");
        if (fd >= 0)
            ::close(fd);
    }
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QStringList paths;
    std::vector<std::string> localPaths;
    for (int i = 0; i < kFiles; ++i) {
        const QString path = dir.filePath(QStringLiteral("track%1.mp3").arg(i));
        QFile f(path);
        const std::string bytes = MakeFile(i);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes.data(), qint64(bytes.size())) < 0)
            return 1;
        paths << path;
        localPaths.push_back(QFile::encodeName(path).toStdString());
    }

    // Warm the cache, and count the bytes the reader asks for.
    int recognised = 0;
    const long long before = BytesReadSoFar();
    TimeTags(paths, recognised);
    const long long bytesRead = BytesReadSoFar() - before;
    TimePlainReads(localPaths);

    double tags = 1e9;
    double plain = 1e9;
    for (int round = 0; round < 5; ++round) {
        tags = std::min(tags, TimeTags(paths, recognised));
        plain = std::min(plain, TimePlainReads(localPaths));
    }

    std::printf("files: %d files\n", kFiles);
    std::printf("recognised: %d files\n", recognised);
    std::printf("files_per_second: %.0f files/s\n", kFiles / tags);
    std::printf("bytes_read_per_file: %.1f bytes\n", double(bytesRead) / kFiles);
    std::printf("plain_read_files_per_second: %.0f files/s\n", kFiles / plain);
    std::printf("ratio_vs_plain_read: %.2f\n", tags / plain);
    return recognised == kFiles ? 0 : 1;
}
