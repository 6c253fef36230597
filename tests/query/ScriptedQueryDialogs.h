#pragma once

#include "search/IQueryFileDialogs.h"
#include "support/ScriptedAnswers.h"

namespace qbx::test {

// The query editor's file dialogs answered from a script; each request is
// recorded.
class ScriptedQueryDialogs : public IQueryFileDialogs,
                             public ScriptedAnswers<QString, TOpenDialogState> {
public:
    QList<bool> askOverwrite;

    QString GetOpenFileName(const TOpenDialogState &state) override { return Next(state); }
    QString GetSaveFileName(const TOpenDialogState &state, bool ask) override
    {
        askOverwrite << ask;
        return Next(state);
    }
};

} // namespace qbx::test
