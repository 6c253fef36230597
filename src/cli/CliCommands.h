#pragma once

#include <QStringList>

namespace qbx::cli {

// The commands of qubrix-cli. Each takes the arguments after its name and
// gives the exit status: 0 done (rows found), 1 nothing found; failures are
// thrown as TCliError or TUsageError (status 2).
int RunSearch(const QStringList &args);
int RunTree(const QStringList &args);
int RunStats(const QStringList &args);
int RunDupes(const QStringList &args);
int RunScan(const QStringList &args);
int RunMerge(const QStringList &args);

} // namespace qbx::cli
