#pragma once

#include "platform/AppPaths.h"

#include <QString>
#include <QTemporaryDir>

namespace qbx::test {

// Folder of the engine-written sample tables, or an empty string when the
// fixtures are not beside the repository.
QString FixturesDir();

// A temporary folder that also becomes $XDG_CONFIG_HOME for its lifetime, so
// registry stores written by a test never touch the user's own settings.
class TempConfigHome {
public:
    TempConfigHome();
    ~TempConfigHome();
    TempConfigHome(const TempConfigHome &) = delete;
    TempConfigHome &operator=(const TempConfigHome &) = delete;

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray old_;
    bool hadOld_ = false;
};

// The running executable seen in a temporary folder of its own while this
// lives (its INI file, help file and default folders follow it).
struct TempExecutable {
    TempExecutable() { paths::SetExecutablePathOverride(dir.path() + "/qubrix"); }
    ~TempExecutable() { paths::SetExecutablePathOverride(QString()); }
    TempExecutable(const TempExecutable &) = delete;
    TempExecutable &operator=(const TempExecutable &) = delete;
    QTemporaryDir dir;
};

} // namespace qbx::test
