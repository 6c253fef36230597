#pragma once

#include "engine/Table.h"
#include "platform/Codec.h"
#include "session/ShellFixture.h"
#include "session/ShellStorageStatus.h"
#include "storage/CatalogueFields.h"
#include "storage/TCatalogueFiles.h"
#include "support/CatalogueTable.h"
#include "tree/ScriptedConflicts.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"

#include <QTemporaryDir>

#include <deque>

namespace qbx::test {

// Open dialogs answered from a script; each request is recorded.
class ScriptedFileDialogs : public IFileDialogs {
public:
    std::deque<QString> answers;
    QList<TOpenDialogState> requests;

    QString GetOpenFileName(const TOpenDialogState &state) override
    {
        requests.append(state);
        if (answers.empty())
            return QString();
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

// The catalogue commands wired to the shell's core objects and real trees, as
// the main window wires them, over a temporary folder.
class CatalogueTest : public ShellTest {
protected:
    QTemporaryDir dir;
    TTree mainTree, searchTree;
    ScriptedConflicts conflicts;
    TCatalogueTree catalogue{mainTree, options, conflicts};
    TShellStorageStatus status{view, view, shell};
    ScriptedFileDialogs dialogs;
    int rootExpansions = 0;
    TCatalogueFiles files{{options, shell, commands, operation, boxes, status, dialogs, catalogue,
                           searchTree, [this] { ++rootExpansions; }}};

    CatalogueTest()
    {
        options.DbFolder = dir.path() + QLatin1Char('/');
        shell.hooks.LoadTable = [this] { files.LoadTable(QStringLiteral("Открытие базы данных")); };
        shell.SetDbState(DbNone);
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
        QStringList out;
        std::function<void(const TTreeNode *, const QString &)> walk = [&](const TTreeNode *n,
                                                                           const QString &prefix) {
            for (int i = 0; i < n->ChildCount(); ++i) {
                const TTreeNode *c = n->Child(i);
                const QString p = prefix.isEmpty() ? c->Text() : prefix + u'\\' + c->Text();
                const TItemDescription *d = c->Description();
                out << p + u'|' + (d ? d->Producer : QString()) + u'|' +
                           QString::number(d ? d->Size : 0);
                walk(c, p);
            }
        };
        walk(mainTree.Root(), QString());
        return out;
    }
};

} // namespace qbx::test
