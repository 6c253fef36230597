#pragma once

#include "search/IQueryFileDialogs.h"

#include <QList>

#include <deque>

namespace qbx::test {

// The query editor's file dialogs answered from a script; each request is
// recorded.
class ScriptedQueryDialogs : public IQueryFileDialogs {
public:
    std::deque<QString> answers;
    QList<bool> askOverwrite;
    QList<TOpenDialogState> requests;

    QString GetOpenFileName(const TOpenDialogState &state) override { return Next(state); }
    QString GetSaveFileName(const TOpenDialogState &state, bool ask) override
    {
        askOverwrite << ask;
        return Next(state);
    }

private:
    QString Next(const TOpenDialogState &state)
    {
        requests << state;
        if (answers.empty())
            return {};
        const QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace qbx::test
