#pragma once

#include "interaction/ConflictAnswers.h"
#include "platform/FileStamp.h"
#include "interaction/ConflictPrompt.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"
#include "storage/CatalogueTable.h"

#include "engine/TableHeader.h"

#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

namespace qbx::cli {

// A failure to report on one line with exit status 2.
struct TCliError : std::runtime_error {
    using std::runtime_error::runtime_error;
    explicit TCliError(const QString &text) : std::runtime_error(text.toStdString()) {}
};

// Starts the table engine; throws TCliError when it cannot run.
void StartEngine();

// Opens fileName as a catalogue table, once: what is checked is what is
// read. Throws TCliError unless it is a readable catalogue table.
TOpenedCatalogue OpenCatalogue(const QString &fileName, engine::OpenMode mode);
// The same, shared, to tell why a table could not be searched.
void CheckCatalogue(const QString &fileName);
// The parts of OpenCatalogue that need no opening of the table: the file
// exists, is no folder and may be read.
void CheckCatalogueFile(const QString &fileName);
// The last part, on the fields of the table as a query read them.
void CheckCatalogueFields(const QString &fileName, const std::vector<engine::FieldDef> &fields);

// Throws unless a catalogue may be written as fileName: a name is given and
// its folder exists. Checked before the work, so that none is done in vain.
void CheckSaveTarget(const QString &fileName);

// Answers every name conflict the same way and remembers the item asked
// about last.
class TFixedConflictAnswer : public IConflictPrompt {
public:
    explicit TFixedConflictAnswer(TConflictAnswer answer) : answer_(answer) {}
    TConflictAnswer AskConflict(const QString &fullItemPath) override
    {
        asked_ = fullItemPath;
        return answer_;
    }
    void SetAnswer(TConflictAnswer answer) { answer_ = answer; }
    const QString &LastAsked() const { return asked_; }

private:
    TConflictAnswer answer_;
    QString asked_;
};

// The conflict answer of --on-conflict: keep, complement, overwrite (each
// for every item) or fail (cancel at the first conflict). Throws
// TUsageError for any other value.
TConflictAnswer ParseConflictAnswer(const QString &value);

// A catalogue tree filled from catalogue tables, as the program's Open and
// Add build it, and saved as the program saves it.
class TLoadedCatalogue {
public:
    explicit TLoadedCatalogue(TConflictAnswer conflictAnswer = ConflictKeepAll);
    // The tree is left to the end of the process: freeing a million nodes
    // one by one would only delay the exit by a tenth of a second or more.
    ~TLoadedCatalogue();
    TLoadedCatalogue(const TLoadedCatalogue &) = delete;
    TLoadedCatalogue &operator=(const TLoadedCatalogue &) = delete;

    // Opens and reads one table into the tree; throws TCliError, also when
    // a conflict was answered with cancel.
    void Load(const QString &fileName);
    // Reads a table OpenCatalogue opened.
    void Load(const QString &fileName, TOpenedCatalogue &opened);
    // The answer to conflicts from now on.
    void SetConflictAnswer(TConflictAnswer answer);
    // Throws TCliError when a conflict was answered with cancel.
    void CheckNotCancelled() const;

    // Writes the tree into fileName (new or replaced) beside it, flushed,
    // read back and renamed over it; throws TCliError. `before` is the
    // file's stamp taken before it was read: when another program wrote or
    // replaced the file since, nothing is written, so that its work is not
    // silently undone.
    void Save(const QString &fileName, const TFileStamp &before);

    TTree &Tree() { return *tree_; }
    // The answers of the operation under way: a scan or a merge asks
    // through Prompt() and keeps its answer here.
    TConflictAnswers &Answers() { return answers_; }
    IConflictPrompt &Prompt() { return prompt_; }

private:
    TConflictAnswers answers_;
    TFixedConflictAnswer prompt_;
    std::unique_ptr<TTree> tree_;
    TCatalogueTree catalogue_;
};

} // namespace qbx::cli
