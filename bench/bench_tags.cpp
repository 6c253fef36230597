// Reads the tags of 10,000 small audio files of mixed formats (FLAC, Ogg
// Vorbis, Opus, Speex, MP4, ASF, APE, WavPack, Musepack, AIFF, WAV, DSF,
// TrueAudio, MP3 with ID3 2.4), made here with valid tags, through the
// TagLib reader (warm cache), and compares the time with plain reads of the
// first 64 KiB of the same files.
//
// The main figures come from files of a little over 64 KiB (tags and a
// second of stand-in audio), so that the peer reads a full 64 KiB as it
// would of any real audio file, and the reader's byte count shows that the
// audio is left alone. The same figures follow for files of 3 to 4 KiB of
// audio (prefixed "tiny_"), where the peer reads each file whole in one
// call. Times are the best of five rounds, by the clock and by the CPU time
// of the process (the machine may be shared).
#include "support/AudioSamples.h"

#include "scan/AudioTags.h"

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
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFiles = 10000;
constexpr int kPlainBytes = 64 * 1024;

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

struct Times {
    double wall = 1e9;
    double cpu = 1e9;
};

double CpuSeconds()
{
    timespec ts{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

template <class Run> void Time(Times &best, Run run)
{
    QElapsedTimer t;
    const double cpu = CpuSeconds();
    t.start();
    run();
    best.wall = std::min(best.wall, double(t.nsecsElapsed()) / 1e9);
    best.cpu = std::min(best.cpu, CpuSeconds() - cpu);
}

int ReadTags(const QStringList &paths)
{
    int recognised = 0;
    for (const QString &p : paths)
        recognised += qbx::ReadAudioTags(p).Recognised ? 1 : 0;
    return recognised;
}

void PlainReads(const std::vector<std::string> &paths)
{
    static char buffer[kPlainBytes];
    for (const std::string &p : paths) {
        const int fd = ::open(p.c_str(), O_RDONLY);
        if (fd < 0 || ::read(fd, buffer, sizeof buffer) < 0)
            std::perror("plain read");
        if (fd >= 0)
            ::close(fd);
    }
}

// Makes the files, measures, prints the figures; false when a file was not
// made or not recognised.
bool Measure(const char *prefix, int audioBytes)
{
    using namespace qbx::test;
    QTemporaryDir dir;
    QStringList paths;
    std::vector<std::string> localPaths;
    const std::vector<TSampleFormat> &formats = SampleFormats();
    long long totalSize = 0;
    for (int i = 0; i < kFiles; ++i) {
        const TSampleFormat format = formats[std::size_t(i) % formats.size()];
        const QString path =
            dir.filePath(QStringLiteral("track%1%2").arg(i).arg(SampleExtension(format)));
        const TSampleTags tags{QStringLiteral("Исполнитель %1").arg(i % 97),
                               QStringLiteral("Песня %1").arg(i), unsigned(1970 + i % 50),
                               QStringLiteral("Comment %1").arg(i)};
        if (!WriteAudioSample(path, format, tags, audioBytes + i % 1000)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(path));
            return false;
        }
        totalSize += QFile(path).size();
        paths << path;
        localPaths.push_back(QFile::encodeName(path).toStdString());
    }

    // Warm the cache, and count the bytes the reader asks for.
    const long long before = BytesReadSoFar();
    int recognised = ReadTags(paths);
    const long long bytesRead = BytesReadSoFar() - before;
    PlainReads(localPaths);

    Times tags;
    Times plain;
    for (int round = 0; round < 5; ++round) {
        Time(tags, [&] { recognised = ReadTags(paths); });
        Time(plain, [&] { PlainReads(localPaths); });
    }

    std::printf("%sfiles: %d files of %zu formats\n", prefix, kFiles, formats.size());
    std::printf("%saverage_file_size: %.0f bytes\n", prefix, double(totalSize) / kFiles);
    std::printf("%srecognised: %d files\n", prefix, recognised);
    std::printf("%stag_files_per_second: %.0f files/s\n", prefix, kFiles / tags.wall);
    std::printf("%stag_bytes_read_per_file: %.1f bytes\n", prefix, double(bytesRead) / kFiles);
    std::printf("%splain_read_files_per_second: %.0f files/s\n", prefix, kFiles / plain.wall);
    std::printf("%stag_ratio_vs_plain_read: %.2f\n", prefix, tags.wall / plain.wall);
    std::printf("%stag_ratio_vs_plain_read_cpu: %.2f\n", prefix, tags.cpu / plain.cpu);
    return recognised == kFiles;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool full = Measure("", kPlainBytes);
    const bool tiny = Measure("tiny_", 3000);
    return full && tiny ? 0 : 1;
}
