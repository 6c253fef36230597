#pragma once

#include <QString>
#include <QStringList>

namespace qbx {

// path cut to width characters by putting "…" in place of its middle; as it
// is when it fits or width is 0.
QString ShortenPath(const QString &path, int width);

// What a scan left out, told to the user when it ends: entries whose names
// the catalogue cannot hold (or that repeat a neighbour's name ignoring
// case), special entries (links to folders, broken links, FIFOs, sockets,
// devices), entries that vanished during the walk, archives whose contents
// could not be read, archives listed only up to the member cap, and what a
// scan that goes on past read failures could not read. Each group keeps its
// count and the first few paths.
class TSkipReport {
public:
    static constexpr int ShownPaths = 10;

    struct Group {
        qint64 count = 0;
        QStringList paths;
        void Add(const QString &path, qint64 n = 1)
        {
            if (count < ShownPaths)
                paths.append(path);
            count += n;
        }
    };

    void Add(const QString &path) { names_.Add(path); }
    // count members of the archive left out for their names.
    void AddArchiveNames(const QString &archive, qint64 count);
    void AddUnreadable(const QString &archive) { unreadable_.Add(archive); }
    void AddCapped(const QString &archive) { capped_.Add(archive); }
    // An entry whose path below its disc is longer than the catalogue holds.
    void AddTooLong(const QString &path) { tooLong_.Add(path); }
    // A link to a folder, a broken link, a FIFO, socket or device: neither a
    // file nor a folder that the catalogue could hold.
    void AddSpecial(const QString &path) { special_.Add(path); }
    // An entry that no longer existed when the walk came to it (files come
    // and go on a live folder).
    void AddVanished(const QString &path) { vanished_.Add(path); }
    // With the scan going on past read failures: a folder that could not be
    // listed (catalogued without contents), a file that could not be read
    // (catalogued without recognition).
    void AddUnlisted(const QString &path) { unlisted_.Add(path); }
    void AddUnreadFile(const QString &path) { unreadFiles_.Add(path); }
    void Clear() { *this = TSkipReport(); }

    // The entries left out for their names.
    qint64 Count() const { return names_.count; }
    const QStringList &Paths() const { return names_.paths; }
    const Group &Unreadable() const { return unreadable_; }
    const Group &Capped() const { return capped_; }
    const Group &TooLong() const { return tooLong_; }
    const Group &Special() const { return special_; }
    const Group &Vanished() const { return vanished_; }
    const Group &Unlisted() const { return unlisted_; }
    const Group &UnreadFiles() const { return unreadFiles_; }
    bool Empty() const
    {
        return names_.count + tooLong_.count + special_.count + unreadable_.count + capped_.count +
                   vanished_.count + unlisted_.count + unreadFiles_.count ==
               0;
    }

    // The report shown when the scan ends; "" when there is nothing to tell.
    // With a pathWidth, longer paths are shortened to it in the middle
    // (ShortenPath), so that a message box can show each on one line.
    QString Text(int pathWidth = 0) const;

private:
    Group names_;
    Group tooLong_;
    Group special_;
    Group unreadable_;
    Group capped_;
    Group vanished_;
    Group unlisted_;
    Group unreadFiles_;
};

} // namespace qbx
