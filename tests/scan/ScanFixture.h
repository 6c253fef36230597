#pragma once

#include "scan/FolderScan.h"
#include "tree/TreeFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace qbx::test {

// Counts the walk's steps; can press Stop after a number of them.
class CountingProgress : public IScanProgress {
public:
    int steps = 0;
    int stopAfter = -1;
    bool OperationStopped() override { return stopAfter >= 0 && steps >= stopAfter; }
    void StepOperation() override { ++steps; }
};

// Lists through the real file system, except the folders named to fail.
class FailingLister : public IFolderLister {
public:
    std::string failing; // a path ending in '/'
    bool List(const std::string &folder, TFolderListing &listing) override
    {
        if (folder == failing)
            return false;
        return real.List(folder, listing);
    }
    TSystemFolderLister real;
};

// A real folder tree in a temporary folder, scanned into a catalogue tree.
class ScanFixture : public TreeFixture {
protected:
    // Path inside the temporary folder (the system's bytes).
    std::string Local(const std::string &rel) const
    {
        return QFile::encodeName(dir.path()).toStdString() + "/" + rel;
    }
    void Folder(const std::string &rel) { QDir().mkpath(QFile::decodeName(Local(rel).c_str())); }
    // A file of size bytes (its parents are made); contents may be given.
    void File(const std::string &rel, int64_t size, const std::string &contents = {})
    {
        const std::string path = Local(rel);
        const size_t slash = path.rfind('/');
        QDir().mkpath(QFile::decodeName(path.substr(0, slash).c_str()));
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0) << path;
        if (!contents.empty()) {
            ASSERT_EQ(::write(fd, contents.data(), contents.size()), ssize_t(contents.size()));
        }
        if (size > int64_t(contents.size())) {
            ASSERT_EQ(::ftruncate(fd, off_t(size)), 0);
        }
        ::close(fd);
    }
    // The folder as the dialog gives it.
    QString FolderPath(const std::string &rel = {}) const
    {
        return QFile::decodeName(Local(rel).c_str()) + (rel.empty() ? "" : "/");
    }

    TTreeNode *Disc(const QString &name) { return tree.FindOrAddChild(tree.Root(), name, 1).first; }

    int64_t Scan(TTreeNode *target, const std::string &rel = {})
    {
        settings.FolderPath = FolderPath(rel);
        const int64_t total = scan.Run(target, settings);
        answers.ConflictAnswer = ConflictNotAsked;
        return total;
    }

    // The recorded size, or -1 when the node has no description.
    int64_t Size(const QString &fullPath) const
    {
        const TTreeNode *n = Node(fullPath);
        EXPECT_NE(n, nullptr) << fullPath.toStdString();
        return n && n->Description() ? n->Description()->Size : -1;
    }

    QTemporaryDir dir;
    CountingProgress progress;
    FailingLister lister;
    TScanSettings settings;
    TFolderScan scan{tree, answers, prompt, progress, lister};
};

} // namespace qbx::test
