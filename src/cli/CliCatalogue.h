#pragma once

#include "options/TOptions.h"
#include "session/ConflictPrompt.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"

#include <QString>

#include <memory>
#include <stdexcept>

namespace qbx::cli {

// A failure to report on one line with exit status 2.
struct TCliError : std::runtime_error {
    using std::runtime_error::runtime_error;
    explicit TCliError(const QString &text) : std::runtime_error(text.toStdString()) {}
};

// Starts the table engine; throws TCliError when it cannot run.
void StartEngine();

// Throws TCliError unless fileName is a readable catalogue table.
void CheckCatalogue(const QString &fileName);

// Answers every name conflict the same way.
class TFixedConflictAnswer : public IConflictPrompt {
public:
    explicit TFixedConflictAnswer(TConflictAnswer answer) : answer_(answer) {}
    TConflictAnswer AskConflict(const QString &) override { return answer_; }

private:
    TConflictAnswer answer_;
};

// A catalogue tree filled from catalogue tables, as the program's Open and
// Add build it.
class TLoadedCatalogue {
public:
    explicit TLoadedCatalogue(TConflictAnswer conflictAnswer = ConflictKeepAll);
    // The tree is left to the end of the process: freeing a million nodes
    // one by one would only delay the exit by a tenth of a second or more.
    ~TLoadedCatalogue();
    TLoadedCatalogue(const TLoadedCatalogue &) = delete;
    TLoadedCatalogue &operator=(const TLoadedCatalogue &) = delete;
    // Checks and reads one table into the tree; throws TCliError.
    void Load(const QString &fileName);
    // True when a conflict was answered with cancel (--on-conflict fail).
    bool Cancelled() const { return options_.ConflictAnswer == ConflictCancel; }

    TTree &Tree() { return *tree_; }

private:
    TOptions options_;
    TFixedConflictAnswer prompt_;
    std::unique_ptr<TTree> tree_;
    TCatalogueTree catalogue_;
};

} // namespace qbx::cli
