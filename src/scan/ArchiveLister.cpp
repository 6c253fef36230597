#include "scan/ArchiveLister.h"

#include "platform/Codec.h"
#include "platform/TextRules.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace qbx {

namespace {

// Archive readers turn every member's time into local time. Without TZ the C
// library checks the time-zone file again at each conversion, which made up
// a quarter of listing a zip. ":/etc/localtime" names the same default zone
// and is read once. Set before main, while the process has one thread.
[[maybe_unused]] const bool kTimeZonePinned = [] {
    if (!std::getenv("TZ"))
        ::setenv("TZ", ":/etc/localtime", 0);
    return true;
}();

// The archive file, read through our own callbacks so that a stop request is
// seen while libarchive decompresses a long member it is skipping. Blocks are
// small for the same reason.
constexpr la_ssize_t kBlockSize = 8 * 1024;
// A file up to this size is read whole once and served from memory: the zip
// reader seeks to every member's header, and each seek would otherwise cost
// a system call and a fresh block.
constexpr off_t kWholeFileLimit = 4 * 1024 * 1024;

struct TSource {
    int Fd = -1;
    const std::function<bool()> *Stop = nullptr;
    bool Stopped = false;
    bool InMemory = false;
    std::vector<char> Whole;
    la_int64_t Position = 0; // in Whole
    char Buffer[kBlockSize];

    la_int64_t Size() const { return la_int64_t(Whole.size()); }

    // Reads a small regular file whole; on any failure the file is read
    // block by block instead.
    void LoadSmallFile()
    {
        struct stat st {};
        if (::fstat(Fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kWholeFileLimit)
            return;
        Whole.resize(size_t(st.st_size));
        size_t got = 0;
        while (got < Whole.size()) {
            const ssize_t n = ::read(Fd, Whole.data() + got, Whole.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += size_t(n);
        }
        InMemory = got == Whole.size() && ::lseek(Fd, 0, SEEK_SET) == 0;
        if (!InMemory)
            Whole.clear();
    }
};

la_ssize_t ReadBlock(struct archive *a, void *data, const void **block)
{
    auto *source = static_cast<TSource *>(data);
    if (*source->Stop && (*source->Stop)()) {
        source->Stopped = true;
        archive_set_error(a, ECANCELED, "stopped");
        return -1;
    }
    if (source->InMemory) {
        const la_int64_t left = std::max<la_int64_t>(0, source->Size() - source->Position);
        const la_ssize_t n = la_ssize_t(std::min<la_int64_t>(left, kBlockSize));
        *block = source->Whole.data() + (n > 0 ? source->Position : 0);
        source->Position += n;
        return n;
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
    auto *source = static_cast<TSource *>(data);
    if (source->InMemory) {
        const la_int64_t base = whence == SEEK_SET   ? 0
                                : whence == SEEK_CUR ? source->Position
                                                     : source->Size();
        if (offset < -base)
            return ARCHIVE_FATAL;
        source->Position = base + offset;
        return source->Position;
    }
    const off_t at = ::lseek(source->Fd, off_t(offset), whence);
    return at < 0 ? ARCHIVE_FATAL : la_int64_t(at);
}

la_int64_t SkipOver(struct archive *, void *data, la_int64_t request)
{
    auto *source = static_cast<TSource *>(data);
    if (source->InMemory) {
        const la_int64_t left = std::max<la_int64_t>(0, source->Size() - source->Position);
        const la_int64_t n = std::clamp<la_int64_t>(request, 0, left);
        source->Position += n;
        return n;
    }
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
    // In a UTF-8 locale both kinds of names come as UTF-8 when they are
    // valid UTF-8, so the costly conversion by way of wide characters that
    // archive_entry_pathname_utf8 makes is needed only for the others.
    static const bool utf8Locale = [] {
        const char *codeset = ::nl_langinfo(CODESET);
        return codeset && std::strcmp(codeset, "UTF-8") == 0;
    }();
    if (utf8Locale)
        if (const char *raw = archive_entry_pathname(entry))
            if (auto text = codec::FromUtf8Strict(raw))
                return *text;
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

// Builds the member tree. Members of one folder mostly come one after
// another, so the folder part of the last path is remembered and only the
// last component of the next path is looked up.
class TListingBuilder {
public:
    TListingBuilder(TArchiveListing &listing, const TArchiveLimits &limits)
        : listing_(listing), limits_(limits)
    {
    }

    bool Full() const { return int(listing_.Members.size()) >= limits_.MaxMembers; }

    // Adds one entry and the folders its path implies. False when the cap
    // was reached on the way.
    bool Add(QString path, bool folder, std::uint64_t size)
    {
        current_ = path;
        // Windows archivers may separate folders with backslashes.
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        qsizetype end = path.size();
        while (end > 0 && path[end - 1] == u'/')
            --end;
        const qsizetype slash = end > 0 ? path.lastIndexOf(u'/', end - 1) : -1;
        const QStringView prefix = QStringView(path).left(slash < 0 ? 0 : slash);
        const QStringView leaf = QStringView(path).mid(slash + 1, end - slash - 1);

        int parent = -1;
        if (cached_ && prefix == cachedPrefix_) {
            parent = cachedParent_;
        } else {
            for (const QStringView part : prefix.tokenize(u'/', Qt::SkipEmptyParts)) {
                const TStep step = Step(parent, part, true, 0);
                if (step != TStep::Added)
                    return step == TStep::Skipped;
            }
            cached_ = true;
            cachedPrefix_ = prefix.toString();
            cachedParent_ = parent;
        }
        const TStep step = Step(parent, leaf, folder, size);
        return step != TStep::Full;
    }

private:
    enum class TStep { Added, Skipped, Full };

    struct TKey {
        int parent;
        QString name;
        bool operator==(const TKey &o) const
        {
            return parent == o.parent && text::EqualFolded(name, o.name);
        }
    };
    struct TKeyHash {
        size_t operator()(const TKey &k) const
        {
            return size_t(text::FoldedHash(k.name)) ^ (size_t(k.parent + 1) * 0x9E3779B97F4A7C15u);
        }
    };

    // Finds or adds the member `part` of folder parent and makes it the
    // parent of what follows. "." is no step at all.
    TStep Step(int &parent, QStringView part, bool folder, std::uint64_t size)
    {
        if (part.isEmpty() || part == u".")
            return TStep::Added;
        const auto name = codec::ToCatalogueText(part.toString());
        if (part == u".." || !name || name->size() > limits_.MaxNameLength) {
            listing_.Skip(current_);
            return TStep::Skipped;
        }
        const auto found = index_.find(TKey{parent, *name});
        if (found != index_.end()) {
            TArchiveMember &member = listing_.Members[size_t(found->second)];
            // A file and a folder of one name, or two names that differ only
            // in letter case (the catalogue holds one of them): the later is
            // left out. The very same name again is a later copy.
            if (member.Folder != folder || member.Name != *name) {
                listing_.Skip(current_);
                return TStep::Skipped;
            }
            if (!folder)
                member.Size = size; // a later copy of a file replaces it
            parent = found->second;
            return TStep::Added;
        }
        if (Full())
            return TStep::Full;
        const int index = int(listing_.Members.size());
        listing_.Members.push_back({parent, *name, folder, folder ? 0 : size});
        index_.emplace(TKey{parent, *name}, index);
        parent = index;
        return TStep::Added;
    }

    TArchiveListing &listing_;
    const TArchiveLimits &limits_;
    std::unordered_map<TKey, int, TKeyHash> index_;
    QString current_; // the member path being added
    bool cached_ = false;
    QString cachedPrefix_;
    int cachedParent_ = -1;
};

} // namespace

TArchiveListing ListArchive(const QString &path, const TArchiveLimits &limits,
                            const std::function<bool()> &stop)
{
    TArchiveListing listing;
    const auto unreadable = [&listing](TArchiveStatus status = TArchiveStatus::Unreadable) {
        listing.Members.clear();
        listing.SkippedNames = 0;
        listing.SkippedPaths.clear();
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
    source->LoadSmallFile();
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
            listing.Skip(QString::fromUtf8(raw, 200) + QStringLiteral("..."));
        } else {
            const bool folder = archive_entry_filetype(entry) == AE_IFDIR;
            const la_int64_t size =
                archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
            const QString name = MemberPath(a.get(), entry);
            // A name that could not be read at all (libarchive gives none when
            // it cannot convert it) is left out, and told.
            if (name.isEmpty() && (!raw || *raw))
                listing.Skip(raw ? QString::fromUtf8(raw) : QString(QChar::ReplacementCharacter));
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
