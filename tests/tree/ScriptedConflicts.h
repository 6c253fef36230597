#pragma once

#include "interaction/ConflictPrompt.h"

#include <QStringList>

#include <deque>

#include <gtest/gtest.h>

namespace qbx::test {

// Name-conflict answers from a script; every path asked about is recorded.
class ScriptedConflicts : public IConflictPrompt {
public:
    void Answer(TConflictAnswer a) { answers_.push_back(a); }

    TConflictAnswer AskConflict(const QString &fullItemPath) override
    {
        asked.append(fullItemPath);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected conflict: " << fullItemPath.toStdString();
            return ConflictCancel;
        }
        const TConflictAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }

    QStringList asked;

private:
    std::deque<TConflictAnswer> answers_;
};

} // namespace qbx::test
