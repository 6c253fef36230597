#pragma once

#include <QString>
#include <QStringList>

namespace qbx {

// Entries a scan left out because the catalogue cannot hold their names (or
// because another entry of the folder has the same name ignoring case): how
// many, and the first few paths to show the user.
class TSkipReport {
public:
    static constexpr int ShownPaths = 10;

    void Add(const QString &path)
    {
        if (count_++ < ShownPaths)
            paths_.append(path);
    }
    void Clear()
    {
        count_ = 0;
        paths_.clear();
    }
    qint64 Count() const { return count_; }
    const QStringList &Paths() const { return paths_; }

    // The report shown when the scan ends; "" when nothing was skipped.
    QString Text() const;

private:
    qint64 count_ = 0;
    QStringList paths_;
};

} // namespace qbx
