#pragma once

#include "search/SimpleSearchForms.h"

#include <QString>

#include <array>
#include <functional>
#include <QCoreApplication>

namespace qbx {

class IMessageBoxes;
class TCommandState;
class TModeLogic;
class TOptions;
struct TLastSearch;
class TFoundView;
class TSearchRunner;

// The tool bar's search button, which repeats a simple search: the window
// implements it; tests record the command.
class IDefaultSearch {
public:
    virtual ~IDefaultSearch() = default;
    // Makes a search command the default item of SearchPopupMenu, the
    // search the tool-bar button repeats.
    virtual void SetDefaultSearch(int command) = 0;
};

// What the simple searches work with; everything outlives them.
struct TSimpleSearchContext {
    const TOptions &options;
    TLastSearch &lastSearch; // set by a search that finds records
    TModeLogic &modes;
    TCommandState &commands;
    IMessageBoxes &boxes;
    TSearchRunner &runner;
    TFoundView &results;
    IStringSearchForm &stringForm;
    ISizeSearchForm &sizeForm;
    IDefaultSearch &defaultSearch;
};

// One field of the one-field searches, by the search command's tag.
struct TFieldSearch {
    int tag;
    QString field;    // the catalogue field searched
    int maxLength;    // of the typed text
    QString prompt;   // after "Введите "
    QString notFound; // %1 = the typed text
    QString question; // appended when the search may be repeated
};
// The field search of a tag (0..4, 6 and 7); nullptr for any other tag.
const TFieldSearch *FieldSearchOf(int tag);

// The global, one-field and size searches: each shows its dialog, runs its
// condition, tells when nothing was found (offering the dialog again when
// ConfirmResearch is on) and shows the rows found in the presentation chosen.
class TSimpleSearches {
public:
    explicit TSimpleSearches(TSimpleSearchContext context);

    void RunGlobalSearch();
    // tag: the search command's tag (which field).
    void RunFieldSearch(int tag);
    void RunSizeSearch();

    static inline const QString Title = QCoreApplication::translate("TSimpleSearches", "Поиск в базе данных");

    // The last text of the global search and of each one-field search
    // (indexed by the search command's tag), offered again by its dialog.
    QString GlobalSearchText;
    std::array<QString, 8> FieldSearchText;

private:
    // The common start: label edit ended, the default item set.
    void Begin(int command);
    // Runs the condition; gives the rows found, or -1 after a reported error.
    int Run(const QString &condition);
    // Tells that nothing was found; true when the user wants to search again.
    bool AgainAfterNotFound(const QString &message, const QString &question);
    void Show(int view);

    TSimpleSearchContext c_;
};

} // namespace qbx
