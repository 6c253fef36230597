#include "scan/ArchiveLister.h"

#include "platform/Codec.h"

#include <QHash>
#include <QStringList>

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace qbx {

namespace {

// The archive file, read through our own callbacks so that a stop request is
// seen while libarchive decompresses a long member it is skipping.
struct TSource {
    int Fd = -1;
    const std::function<bool()> *Stop = nullptr;
    bool Stopped = false;
    char Buffer[8 * 1024];
};

la_ssize_t ReadBlock(struct archive *a, void *data, const void **block)
{
    auto *source = static_cast<TSource *>(data);
    if (*source->Stop && (*source->Stop)()) {
        source->Stopped = true;
        archive_set_error(a, ECANCELED, "stopped");
        return -1;
    }
    ssize_t got;
    do
        got = ::read(source->Fd, source->Buffer, sizeof source->Buffer);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        archive_set_error(a, errno, "read error");
        return -1;
    }
    *block = source->Buffer;
    return got;
}

la_int64_t SeekTo(struct archive *, void *data, la_int64_t offset, int whence)
{
    const off_t at = ::lseek(static_cast<TSource *>(data)->Fd, off_t(offset), whence);
    return at < 0 ? ARCHIVE_FATAL : la_int64_t(at);
}

la_int64_t SkipOver(struct archive *, void *data, la_int64_t request)
{
    auto *source = static_cast<TSource *>(data);
    const off_t from = ::lseek(source->Fd, 0, SEEK_CUR);
    if (from < 0)
        return 0;
    const off_t to = ::lseek(source->Fd, off_t(request), SEEK_CUR);
    return to < 0 ? 0 : la_int64_t(to - from);
}

struct TArchiveFree {
    void operator()(struct archive *a) const { archive_read_free(a); }
};

// Only formats that describe their own members: no raw data, and no mtree,
// whose text names files on this machine that its reader would open.
void SupportFormats(struct archive *a)
{
    archive_read_support_format_7zip(a);
    archive_read_support_format_ar(a);
    archive_read_support_format_cab(a);
    archive_read_support_format_cpio(a);
    archive_read_support_format_iso9660(a);
    archive_read_support_format_lha(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_xar(a);
    archive_read_support_format_zip(a);
    // Compressions handled by linked libraries, none by outside programs.
    archive_read_support_filter_bzip2(a);
    archive_read_support_filter_compress(a);
    archive_read_support_filter_gzip(a);
    archive_read_support_filter_lz4(a);
    archive_read_support_filter_lzip(a);
    archive_read_support_filter_lzma(a);
    archive_read_support_filter_xz(a);
    archive_read_support_filter_zstd(a);
}

// The member's path as text. libarchive gives names it knows the encoding of
// (zip names with the UTF-8 flag, 7z, Joliet) in the locale's encoding and
// other names as stored. Stored bytes that are valid UTF-8 are taken as UTF-8:
// archivers on Linux write UTF-8 names without the flag, and DOS 866 Cyrillic
// almost never forms valid UTF-8. Otherwise a zip name is DOS 866, as old
// Russian archivers wrote it, and any other name Windows-1251.
QString MemberPath(struct archive *a, struct archive_entry *entry)
{
    if (const char *utf8 = archive_entry_pathname_utf8(entry))
        if (auto text = codec::FromUtf8Strict(utf8))
            return *text;
    const char *raw = archive_entry_pathname(entry);
    if (!raw)
        return {};
    if (auto text = codec::FromUtf8Strict(raw))
        return *text;
    if ((archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP)
        return codec::FromCp866(std::string_view(raw));
    return codec::FromCp1251(std::string_view(raw));
}

class TListingBuilder {
public:
    TListingBuilder(TArchiveListing &listing, const TArchiveLimits &limits)
        : listing_(listing), limits_(limits)
    {
    }

    bool Full() const { return int(listing_.Members.size()) >= limits_.MaxMembers; }

    // Adds one entry and the folders its path implies. False when the cap
    // was reached on the way.
    bool Add(const QString &path, bool folder, std::uint64_t size)
    {
        // Windows archivers may separate folders with backslashes.
        QString slashed = path;
        slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QStringList parts = slashed.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QStringList names;
        for (const QString &part : parts) {
            if (part == QLatin1String("."))
                continue;
            const auto name = codec::ToCatalogueText(part);
            if (part == QLatin1String("..") || !name || name->size() > limits_.MaxNameLength) {
                ++listing_.SkippedNames;
                return true;
            }
            names.append(*name);
        }
        if (names.isEmpty())
            return true;
        int parent = -1;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const bool last = i + 1 == names.size();
            const bool isFolder = !last || folder;
            const auto found = index_.constFind(Key(parent, names[i]));
            if (found != index_.cend()) {
                TArchiveMember &member = listing_.Members[size_t(*found)];
                if (member.Folder != isFolder) {
                    ++listing_.SkippedNames; // a file and a folder of one name
                    return true;
                }
                if (last && !folder)
                    member.Size = size; // a later copy of a file replaces it
                parent = *found;
                continue;
            }
            if (Full())
                return false;
            const int index = int(listing_.Members.size());
            listing_.Members.push_back({parent, names[i], isFolder, isFolder ? 0 : size});
            index_.insert(Key(parent, names[i]), index);
            parent = index;
        }
        return true;
    }

private:
    static QString Key(int parent, const QString &name)
    {
        return QString::number(parent) + QLatin1Char('/') + name.toLower();
    }

    TArchiveListing &listing_;
    const TArchiveLimits &limits_;
    QHash<QString, int> index_;
};

} // namespace

TArchiveListing ListArchive(const QString &path, const TArchiveLimits &limits,
                            const std::function<bool()> &stop)
{
    TArchiveListing listing;
    const auto unreadable = [&listing](TArchiveStatus status = TArchiveStatus::Unreadable) {
        listing.Members.clear();
        listing.SkippedNames = 0;
        listing.Status = status;
        return std::move(listing);
    };

    auto source = std::make_unique<TSource>();
    source->Stop = &stop;
    source->Fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (source->Fd < 0)
        return unreadable();
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{source->Fd};
    // Opened non-blocking so that a FIFO named like an archive cannot hang
    // the open; reading a regular file is unaffected.

    std::unique_ptr<struct archive, TArchiveFree> a(archive_read_new());
    if (!a)
        return unreadable();
    SupportFormats(a.get());
    archive_read_set_read_callback(a.get(), ReadBlock);
    archive_read_set_seek_callback(a.get(), SeekTo);
    archive_read_set_skip_callback(a.get(), SkipOver);
    archive_read_set_callback_data(a.get(), source.get());
    if (archive_read_open1(a.get()) != ARCHIVE_OK)
        return unreadable(source->Stopped ? TArchiveStatus::Stopped : TArchiveStatus::Unreadable);

    TListingBuilder builder(listing, limits);
    for (;;) {
        struct archive_entry *entry = nullptr;
        const int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF)
            break;
        if (r < ARCHIVE_WARN || !entry)
            return unreadable(source->Stopped ? TArchiveStatus::Stopped
                                              : TArchiveStatus::Unreadable);
        if (archive_entry_is_encrypted(entry))
            return unreadable();
        const char *raw = archive_entry_pathname(entry);
        if (raw && std::strlen(raw) > size_t(limits.MaxPathBytes)) {
            ++listing.SkippedNames;
        } else {
            const bool folder = archive_entry_filetype(entry) == AE_IFDIR;
            const la_int64_t size =
                archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
            const QString name = MemberPath(a.get(), entry);
            if (name.isEmpty() && raw && *raw)
                ++listing.SkippedNames;
            else if (!builder.Add(name, folder, size > 0 ? std::uint64_t(size) : 0)) {
                listing.Status = TArchiveStatus::Capped;
                return listing;
            }
        }
        // Reading past the member's data also checks it where the format
        // allows, so a damaged archive is found unreadable.
        if (archive_read_data_skip(a.get()) < ARCHIVE_WARN)
            return unreadable(source->Stopped ? TArchiveStatus::Stopped
                                              : TArchiveStatus::Unreadable);
    }
    if (archive_read_has_encrypted_entries(a.get()) > 0)
        return unreadable();
    return listing;
}

} // namespace qbx
