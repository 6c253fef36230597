#include "platform/Volumes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStorageInfo>

namespace qbx {

namespace {

// File systems that hold no user files of a disk (kernel views, memory and
// layered container file systems, automounter placeholders).
bool IsPseudoType(const QString &type)
{
    static const QSet<QString> types = {
        QStringLiteral("proc"),        QStringLiteral("sysfs"),
        QStringLiteral("tmpfs"),       QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),      QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),     QStringLiteral("overlay"),
        QStringLiteral("securityfs"),  QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),     QStringLiteral("configfs"),
        QStringLiteral("fusectl"),     QStringLiteral("mqueue"),
        QStringLiteral("hugetlbfs"),   QStringLiteral("pstore"),
        QStringLiteral("bpf"),         QStringLiteral("autofs"),
        QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),
        QStringLiteral("nsfs"),        QStringLiteral("rpc_pipefs"),
        QStringLiteral("ramfs"),       QStringLiteral("selinuxfs"),
        QStringLiteral("aufs"),        QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"), QStringLiteral("nfsd"),
    };
    return types.contains(type);
}

bool IsOpticalDevice(const QString &device)
{
    const QString name = device.section(QLatin1Char('/'), -1);
    return name.startsWith(QLatin1String("sr")) || name.startsWith(QLatin1String("scd")) ||
           name.startsWith(QLatin1String("cdrom")) || name.startsWith(QLatin1String("dvd"));
}

// Mount table fields escape blanks, tabs, line feeds and backslashes as
// three-digit octal numbers ("\040").
QString UnescapeOctal(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = digits.size() == 3;
            for (char d : digits)
                ok = ok && d >= '0' && d <= '7';
            if (ok) {
                out += char(digits.toInt(nullptr, 8) & 0xFF);
                i += 3;
                continue;
            }
        }
        out += c;
    }
    return QString::fromUtf8(out);
}

// udev names label links with "\xNN" escapes for blanks and slashes.
QString UnescapeUdev(const QString &name)
{
    QByteArray bytes = name.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x') {
            bool ok = false;
            const int v = bytes.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += char(v);
                i += 3;
                continue;
            }
        }
        out += bytes[i];
    }
    return QString::fromUtf8(out);
}

QHash<QString, QString> LabelsByDevice()
{
    QHash<QString, QString> labels;
    QDirIterator it(QStringLiteral("/dev/disk/by-label"), QDir::Files | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString device = it.fileInfo().canonicalFilePath();
        if (!device.isEmpty())
            labels.insert(device, UnescapeUdev(it.fileName()));
    }
    return labels;
}

// True when the block device (or the disk a partition belongs to) says it is
// removable, like a USB stick or a card reader.
bool IsRemovableDevice(const QString &canonicalDevice)
{
    const QString name = canonicalDevice.section(QLatin1Char('/'), -1);
    if (name.isEmpty())
        return false;
    const QString sys = QStringLiteral("/sys/class/block/") + name;
    auto flag = [](const QString &file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) && f.read(1) == "1";
    };
    if (flag(sys + QStringLiteral("/removable")))
        return true;
    if (QFile::exists(sys + QStringLiteral("/partition"))) {
        const QString disk = QFileInfo(QFileInfo(sys).canonicalFilePath()).path();
        return flag(disk + QStringLiteral("/removable"));
    }
    return false;
}

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QList<TVolume> ParseMountInfo(const QByteArray &text)
{
    QList<TVolume> volumes;
    QHash<QString, qsizetype> byRoot;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // id parent major:minor root mount-point options [optional...] - type source super
        const qsizetype dash = fields.indexOf("-");
        if (dash < 6 || dash + 2 >= fields.size())
            continue;
        TVolume v;
        v.root = WithSlash(UnescapeOctal(fields[4]));
        if (!v.root.startsWith(QLatin1Char('/')))
            continue;
        v.fsType = UnescapeOctal(fields[dash + 1]);
        v.device = UnescapeOctal(fields[dash + 2]);
        v.pseudo = IsPseudoType(v.fsType);
        v.cdrom = v.fsType == QLatin1String("iso9660") || v.fsType == QLatin1String("udf") ||
                  (v.device.startsWith(QLatin1String("/dev/")) && IsOpticalDevice(v.device));
        v.fixed = !v.pseudo && !v.cdrom && v.device.startsWith(QLatin1String("/dev/")) &&
                  !v.device.startsWith(QLatin1String("/dev/loop"));
        const auto seen = byRoot.constFind(v.root);
        if (seen != byRoot.constEnd()) {
            volumes[*seen] = v; // the later mount hides the earlier one
            continue;
        }
        byRoot.insert(v.root, volumes.size());
        volumes.append(v);
    }
    return volumes;
}

QList<TVolume> MountedVolumes()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TVolume> volumes = ParseMountInfo(file.readAll());
    const QHash<QString, QString> labels = LabelsByDevice();
    QList<TVolume> result;
    result.reserve(volumes.size());
    for (TVolume &v : volumes) {
        if (v.device.startsWith(QLatin1String("/dev/"))) {
            // A single file bound over another (containers do that) is no
            // volume. Only local devices are looked at: a stat on a network
            // mount whose server is gone could hang.
            if (!QFileInfo(v.root).isDir())
                continue;
            const QString device = QFileInfo(v.device).canonicalFilePath();
            v.label = labels.value(device);
            if (v.fixed && IsRemovableDevice(device))
                v.fixed = false;
            if (!v.cdrom && IsOpticalDevice(device)) {
                v.cdrom = true;
                v.fixed = false;
            }
        }
        result.append(v);
    }
    return result;
}

QStringList FixedDrives(const QList<TVolume> &volumes)
{
    QStringList roots;
    for (const TVolume &v : volumes)
        if (v.fixed)
            roots.append(v.root);
    return roots;
}

QString FirstCdRomRoot(const QList<TVolume> &volumes)
{
    for (const TVolume &v : volumes)
        if (v.cdrom)
            return v.root;
    return QString();
}

std::optional<TVolume> VolumeHolding(const QString &path, const QList<TVolume> &volumes)
{
    const QString target = WithSlash(QDir::cleanPath(QDir(path).absolutePath()));
    const TVolume *best = nullptr;
    for (const TVolume &v : volumes)
        if (target.startsWith(v.root) && (!best || v.root.size() > best->root.size()))
            best = &v;
    if (!best)
        return std::nullopt;
    return *best;
}

qint64 FreeSpace(const QString &path)
{
    QStorageInfo info(path);
    if (!info.isValid() || !info.isReady())
        return -1;
    return info.bytesAvailable();
}

} // namespace qbx
