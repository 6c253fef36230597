#pragma once

#include "session/ConflictPrompt.h"

#include <QStringList>

#include <deque>

#include <gtest/gtest.h>

namespace qbx::test {

// Name-conflict answers from a script; every path asked about is recorded.
class ScriptedConflicts : public IConflictPrompt {
public:
    void Answer(uint8_t a) { answers_.push_back(a); }

    uint8_t AskConflict(const QString &fullItemPath) override
    {
        asked.append(fullItemPath);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected conflict: " << fullItemPath.toStdString();
            return ConflictCancel;
        }
        const uint8_t a = answers_.front();
        answers_.pop_front();
        return a;
    }

    QStringList asked;

private:
    std::deque<uint8_t> answers_;
};

} // namespace qbx::test
