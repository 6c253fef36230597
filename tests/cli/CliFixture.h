#pragma once

#include "storage/TableEngineSetup.h"
#include "support/CatalogueTable.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qbx::test {

// What a run of qubrix-cli gave.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the built qubrix-cli as a process on catalogues in a temporary folder.
class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    CliTest() { EngineAvailable(); }

    QString PathOf(const QString &name) const { return dir.path() + u'/' + name; }

    QString Write(const QString &name, const QList<Rec> &records)
    {
        WriteCatalogueTable(PathOf(name), records);
        return PathOf(name);
    }

    static CliRun Run(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral(QBX_CLI_PATH), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        CliRun r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};

} // namespace qbx::test
