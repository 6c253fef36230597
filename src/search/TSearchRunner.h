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
class TMainShell;
struct TCatalogueDocument;
struct TEnvironment;

// What running a search works with; everything outlives the runner.
struct TSearchContext {
    const TEnvironment &environment; // folders for the engine's private files
    TMainShell &shell;      // freezes the commands; knows of unsaved changes
    IMainView &view;        // status panel 0
    IOperationView &events; // lets pending window events run
    IMessageBoxes &boxes;
    engine::Query &query; // the main window's one query object
    const TCatalogueDocument &document; // the catalogue's own table file
    // Brings the temporary copy of the changed tree up to date and gives its
    // name; "" after a failure, which has been reported.
    std::function<QString()> makeSearchCopy;
    TDiskSpace disk = TDiskSpace::System();
};

// Runs one search condition as the statement
//   SELECT * FROM "table" WHERE condition
// against the saved catalogue or, while the tree has unsaved changes,
// against its temporary copy. Afterwards the query is either open on the
// rows found (positioned before the first) or closed after a reported
// failure.
class TSearchRunner {
public:
    explicit TSearchRunner(TSearchContext context);

    // Runs the condition against the catalogue's file, or against the
    // temporary copy while the tree has unsaved changes.
    void ExecuteSearch(const QString &condition);
    // Runs the statement against the table.
    void RunSearchQuery(const QString &condition, const QString &table);
    // The table the last search ran against ("" when none ran).
    const QString &SearchedTable() const { return searched_; }

    engine::Query &Query() { return c_.query; }

    static inline const QString Title = QCoreApplication::translate("TSearchRunner", "Поиск в базе данных");

private:
    void ChoosePrivateDirectory(const QString &table);
    void Report(const QString &text);

    TSearchContext c_;
    QString searched_;
};

} // namespace qbx
