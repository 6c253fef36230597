#pragma once

#include "search/PrivateDirectory.h"

#include <QString>

#include <functional>
#include <QCoreApplication>

namespace qbx {

namespace engine {
class Query;
}
class IMainView;
class IMessageBoxes;
class IOperationView;
class TModeLogic;
struct TCatalogueDocument;
struct TEnvironment;
class TTree;
class TTreeRecordFeed;

// What running a search works with; everything outlives the runner.
struct TSearchContext {
    const TEnvironment &environment; // folders for the engine's private files
    TModeLogic &modes;      // freezes the commands; knows of unsaved changes
    IMainView &view;        // status panel 0
    IOperationView &events; // lets pending window events run
    IMessageBoxes &boxes;
    engine::Query &query; // the main window's one query object
    const TCatalogueDocument &document; // the catalogue's own table file
    // The catalogue tree: while it has unsaved changes, the records saving
    // it would write are searched, read from the tree itself.
    const TTree &catalogue;
    TDiskSpace disk = TDiskSpace::System();
};

// Runs one search condition as the statement
//   SELECT * FROM "table" WHERE condition
// against the saved catalogue or, while the tree has unsaved changes,
// against the records the tree would be saved as (the same rows in the
// same order, without writing them anywhere). Afterwards the query is
// either open on the rows found (positioned before the first) or closed
// after a reported failure.
class TSearchRunner {
public:
    explicit TSearchRunner(TSearchContext context);

    // Runs the condition against the catalogue's file, or against the
    // records of the tree while it has unsaved changes.
    void ExecuteSearch(const QString &condition);
    // Runs the statement against the table file.
    void RunSearchQuery(const QString &condition, const QString &table);
    // The table file the last search ran against ("" when none ran, or when
    // the tree's unsaved records were searched).
    const QString &SearchedTable() const { return searched_; }

    engine::Query &Query() { return c_.query; }

    static inline const QString Title = QCoreApplication::translate("TSearchRunner", "Поиск в базе данных");

private:
    // Runs the statement over the table file, or over the feed's records
    // when one is given.
    void RunSearchQuery(const QString &condition, const QString &table, TTreeRecordFeed *feed);
    void ChoosePrivateDirectory(const QString &table);
    void Report(const QString &text);

    TSearchContext c_;
    bool sweptTempFolder_ = false;
    QString searched_;
};

} // namespace qbx
