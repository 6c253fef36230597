#pragma once

#include "catalogue/CatalogueFixture.h"
#include "engine/Query.h"
#include "search/SearchConditions.h"
#include "search/TFoundView.h"
#include "search/TSearchRunner.h"
#include "desktop/QStringPrinter.h"
#include "tree/TTreeModel.h"

#include <QHash>

namespace qbx::test {

// File systems whose free space and volumes a test decides.
struct FakeDisks {
    QHash<QString, qint64> free;    // by folder; missing = not known
    QHash<QString, QString> volume; // by folder; missing = ""
    TDiskSpace Space()
    {
        return {[this](const QString &p) { return free.value(p, -1); },
                [this](const QString &p) { return volume.value(p); }};
    }
};

// The search runner and the result views wired to the catalogue commands
// of CatalogueTest, as the main window wires them.
class SearchTest : public CatalogueTest {
protected:
    engine::Query query;
    TTreeModel &searchModel = session.SearchModel();
    FakeDisks disks;
    int &searchRootExpansions = view.searchRootExpansions;

    TSearchRunner runner{
        {environment, modes, view, view, boxes, query, document, mainTree, disks.Space()}};
    TFoundView results{{options, document, lastSearch, modes, commands, view, view, operation,
                            boxes, runner, searchModel}};

    SearchTest()
    {
        environment.TempFolder = dir.path() + u'/';
        environment.AppFolder = dir.path() + u'/';
        commands.SetChecked(cmd::FoundViewStandardAction, true);
        // Tests that are about the questions switch them on.
        options.Confirm100.clear();
        options.ConfirmHalf.clear();
    }

    // Opens a catalogue of these records in mode 1.
    void Open(const QList<Rec> &records)
    {
        files.OpenFile(Write(QStringLiteral("cat.db"), records));
    }

    // The catalogue of these records, read into the tree and changed there
    // by `change`: the changes are not saved.
    void OpenChanged(const QList<Rec> &records, const std::function<void()> &change)
    {
        Open(records);
        modes.SetDbState(DbEntire);
        change();
        modes.Unsaved().Set(true);
    }

    // A search as the simple searches run it: the condition, then the
    // results when rows were found.
    bool Search(const QString &condition)
    {
        lastSearch.LastCondition = condition;
        runner.ExecuteSearch(condition);
        if (!query.IsOpen() || query.RecordCount() == 0)
            return false;
        if (!results.OpenResults(true))
            return false;
        modes.SetDbState(DbFound);
        return true;
    }

    void Present(int presentation)
    {
        commands.SetChecked(CommandAt(FirstFoundViewSet + presentation), true);
    }

    // Every node of the result tree below the root as "text/image", with
    // two spaces per level below the first, in tree order.
    QStringList Results() const
    {
        QStringList out;
        std::function<void(const TTreeNode *, int)> walk = [&](const TTreeNode *n, int depth) {
            for (int i = 0; i < n->ChildCount(); ++i) {
                const TTreeNode *c = n->Child(i);
                out << QString(depth * 2, u' ') + c->Text() + u'/' + QString::number(c->Image());
                walk(c, depth + 1);
            }
        };
        walk(searchTree.Root(), 0);
        return out;
    }

    // The paths of the rows a condition finds, in stored order.
    QStringList FoundPaths(const QString &condition)
    {
        QStringList out;
        runner.ExecuteSearch(condition);
        if (!query.IsOpen())
            return {QStringLiteral("<closed>")};
        for (bool row = query.First(); row; row = query.Next())
            out << codec::FromCp1251(query.ReadText(0)) + u'|' +
                       codec::FromCp1251(query.ReadText(1));
        query.Close();
        return out;
    }
};

} // namespace qbx::test
