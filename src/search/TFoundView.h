#pragma once

#include "interaction/CommandTable.h"

#include <QString>

#include <QCoreApplication>
#include <functional>

namespace qbx {

class IMainView;
class IMessageBoxes;
class IOperationView;
class TCommandState;
class TLongOperation;
class TModeLogic;
class TOptions;
struct TCatalogueDocument;
struct TLastSearch;
class TSearchRunner;
class TTreeModel;

// What building the result tree works with; everything outlives it.
struct TFoundViewContext {
    const TOptions &options;
    const TCatalogueDocument &document; // a new catalogue is counted by its search
    const TLastSearch &lastSearch;      // re-run to rebuild the results
    TModeLogic &modes;
    TCommandState &commands;
    IMainView &view;        // status panel 0, SearchTreeView's root
    IOperationView &events; // lets pending window events run
    TLongOperation &operation;
    IMessageBoxes &boxes;
    TSearchRunner &runner;
    TTreeModel &searchModel; // SearchTreeView's model and selection
};

// The search results: the questions before large results are shown, the
// result tree in the checked presentation, and rebuilding it in another
// presentation by running the last condition again.
class TFoundView {
public:
    explicit TFoundView(TFoundViewContext context);

    // Turns the rows of the runner's open query into SearchTreeView after
    // the more-than-100 and more-than-half questions (asked on a new search,
    // or on a rebuild when the option says "1"). False when the user
    // declined: the query is closed and the previous results stay. The
    // caller switches to mode 3 when it gives true.
    bool OpenResults(bool newSearch);

    // Runs LastCondition again and shows the rebuilt results.
    void RerunSearch();

    // Handler of the four presentation commands; alreadyChecked tells
    // whether the sender was checked before it was chosen.
    void SwitchFoundView(cmd::Id sender, bool alreadyChecked);

    static inline const QString QuestionTitle =
        QCoreApplication::translate("TFoundView", "Поиск в базе данных");

private:
    bool Confirmed(int found, bool newSearch);
    qint64 CatalogueRecordCount() const;
    void BuildTree(int found);

    TFoundViewContext c_;
};

// The index (0..3) of the checked presentation command, -1 when none.
int CurrentPresentation(const TCommandState &commands);

} // namespace qbx
