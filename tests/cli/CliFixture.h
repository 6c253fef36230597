#pragma once

#include "engine/Query.h"
#include "search/FoundRows.h"
#include "search/SearchConditions.h"
#include "storage/TableEngineSetup.h"
#include "support/CatalogueTable.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include <grp.h>
#include <unistd.h>

// Failed comparisons show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

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

    // Two discs with folders, a described file, sizes, a name with "Ё".
    static QList<Rec> SampleRecords()
    {
        return {{"DISC1", "", "", "", "", 0, ""},
                {"DISC1", "Games\\", "", "", "", 0, ""},
                {"DISC1", "Games\\Doom.exe", "Id", "Doom", "1.9", 2048, "shooter"},
                {"DISC1", "Games\\readme.TXT", "", "", "", 100, ""},
                {"DISC2", "", "", "", "", 0, ""},
                {"DISC2", "Ёлка.txt", "", "", "", 1048576, ""},
                {"DISC2", "doom2.wad", "", "", "", 4096, ""}};
    }

    // The rows the core finds for a condition, as tsv lines.
    static QStringList CoreSearchRows(const QString &catalogue, const QString &condition)
    {
        engine::Query q;
        q.Open(*SearchStatement(catalogue, condition));
        QStringList rows;
        for (bool more = q.First(); more; more = q.Next()) {
            const TFoundRecord r = ReadFoundRecord(q);
            rows << QStringList{r.Label,      r.Path,    r.Producer,
                                r.Product,    r.Version, QString::number(r.Size),
                                r.Description}
                        .join(u'\t');
        }
        return rows;
    }

    static QStringList Lines(const CliRun &r) { return r.out.split(u'\n', Qt::SkipEmptyParts); }

    // Runs qubrix-cli as the user nobody (the test runs as root), for what
    // root may always do: read any file, write any folder.
    static CliRun RunAsNobody(const QStringList &args)
    {
        return Run(args, [] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(99);
        });
    }

    static CliRun Run(const QStringList &args, const std::function<void()> &inChild = {})
    {
        QProcess p;
        if (inChild)
            p.setChildProcessModifier(inChild);
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
