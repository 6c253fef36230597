#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace qbx::test {

// Runs a system archiver in folder; false when it is missing or fails, so
// that archives are made at test time by the real tools.
inline bool RunTool(const QString &folder, const QString &program, const QStringList &args)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return false;
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace qbx::test
