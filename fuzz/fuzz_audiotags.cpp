// Feeds arbitrary files to the TagLib tag reader: it may not crash, hang,
// read outside its buffers, or read more than its limit allows.
//
// Seeds are made, not stored: when QBX_FUZZ_SEEDS names a folder, the target
// first writes into it a tagged and an untagged file of every format the
// reader knows (FLAC, Ogg Vorbis, Opus, Speex, MP4, ASF, APE, WavPack,
// Musepack, AIFF, WAV, DSF, TrueAudio, MP3 with ID3 2.4). Run it as
//   QBX_FUZZ_SEEDS=seeds fuzz_audiotags work seeds
#include "FuzzFile.h"
#include "support/AudioSamples.h"

#include "scan/AudioTags.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {

void WriteSeeds(const QString &folder)
{
    using namespace qbx::test;
    QDir().mkpath(folder);
    const TSampleTags tags{QStringLiteral("Исполнитель"), QStringLiteral("Title"), 1999,
                           QStringLiteral("Comment\r\nline")};
    for (const TSampleFormat format : SampleFormats()) {
        const QString name = QString::fromLatin1(SampleName(format));
        WriteAudioSample(folder + u'/' + name + QStringLiteral("_tagged"), format, tags, 300);
        QFile bare(folder + u'/' + name + QStringLiteral("_bare"));
        const std::string bytes = SampleSkeleton(format, 300);
        if (bare.open(QIODevice::WriteOnly))
            bare.write(bytes.data(), qint64(bytes.size()));
    }
}

qbx::TTagLimits Limits()
{
    qbx::TTagLimits limits;
    // Small enough that inputs reach the limits now and then.
    limits.maxBytes = 64 * 1024;
    limits.maxReads = 512;
    return limits;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (const char *seeds = std::getenv("QBX_FUZZ_SEEDS"))
        WriteSeeds(QString::fromLocal8Bit(seeds));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const qbx::TTagLimits limits = Limits();
    int64_t bytesRead = 0;
    const qbx::TProductInfo info =
        qbx::ReadAudioTags(qbx::fuzz::WriteInput(data, size), limits, &bytesRead);
    if (info.Recognised !=
        !(info.Producer + info.Product + info.Version + info.Description).isEmpty())
        __builtin_trap();
    // A byte may be read twice (a window at the head and one at the tail may
    // overlap), but never more than the limit in all.
    if (bytesRead > limits.maxBytes)
        __builtin_trap();
    return 0;
}
