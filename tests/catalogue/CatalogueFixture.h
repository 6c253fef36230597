#pragma once

#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "storage/TCatalogueFiles.h"
#include "support/CatalogueTable.h"
#include "support/SessionFixture.h"
#include "support/TreeNodes.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"

#include <QTemporaryDir>

namespace qbx::test {

// One disc with a folder (that has a size of its own) and a described file.
inline const QList<Rec> kDisc = {
    {"CD1", "", "", "", "", 0, ""},
    {"CD1", "Музыка\\", "", "", "", 5000000000.0, ""},
    {"CD1", "Музыка\\a.mp3", "Мелодия", "Альбом", "1.0", 4096, "песня"},
};

// The catalogue commands of a session built with fake ports, over a
// temporary folder.
class CatalogueTest : public SessionTest {
protected:
    QTemporaryDir dir;

    CatalogueTest()
    {
        options.DbFolder = dir.path() + QLatin1Char('/');
        modes.SetDbState(DbNone);
    }

    QString PathOf(const QString &name) const { return dir.filePath(name); }

    // Writes a catalogue table (current format unless integerSize).
    QString Write(const QString &name, const QList<Rec> &records, bool integerSize = false,
                  const std::string &driver = "ancyrr")
    {
        const QString path = PathOf(name);
        WriteCatalogueTable(path, records, integerSize, driver);
        return path;
    }

    // Every node below the root as "path|producer|size", in tree order.
    QStringList Nodes() const
    {
        return TreeLines(mainTree, [](const TTreeNode &n) {
            const TDescriptionRef d = n.Description();
            return (d ? d->Producer : QString()) + u'|' + QString::number(d ? d->Size : 0);
        });
    }
};

} // namespace qbx::test
