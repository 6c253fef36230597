#pragma once

#include "catalogue/CatalogueFixture.h"
#include "desktop/QStringPrinter.h"
#include "storage/TCatalogueSaving.h"

#include <QDir>
#include <QFile>

namespace qbx::test {

// The save commands of the session, writing through a file system that
// fails on cue, with a free space the test sets (freeBytes).
class SavingTest : public CatalogueTest {
protected:
    SavingTest() { environment.TempFolder = dir.path() + QLatin1Char('/'); }

    // Opens the catalogue in the entire view and marks it changed.
    void OpenChanged(const QString &path)
    {
        files.OpenFile(path);
        modes.SetDbState(DbEntire);
        modes.Unsaved().Set(true);
    }

    static QByteArray Bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The records of a table as "label|path|producer|size".
    static QStringList Records(const QString &path)
    {
        QStringList out;
        engine::Table t;
        t.Open(path.toStdString());
        for (bool ok = t.First(); ok; ok = t.Next())
            out << codec::FromCp1251(t.ReadText(CfLabel)) + u'|' +
                       codec::FromCp1251(t.ReadText(CfPath)) + u'|' +
                       codec::FromCp1251(t.ReadText(CfProducer)) + u'|' +
                       QString::number(qint64(t.ReadNumber(CfByteSize)));
        return out;
    }

    QStringList FolderEntries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

} // namespace qbx::test
