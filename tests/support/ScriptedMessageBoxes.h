#pragma once

#include "interaction/MessageBoxes.h"

#include <QList>
#include <QString>

#include <deque>

#include <gtest/gtest.h>

namespace qbx::test {

// Message boxes answered from a script; every box shown is recorded so a
// test can compare the exact texts.
class ScriptedMessageBoxes : public IMessageBoxes {
public:
    struct Shown {
        QString text;
        QString caption;
        TMsgIcon icon;
        unsigned buttons;
    };

    void Answer(TMsgAnswer a) { answers_.push_back(a); }

    TMsgAnswer Show(const QString &text, const QString &caption, TMsgIcon icon,
                    unsigned buttons) override
    {
        shown.push_back({text, caption, icon, buttons});
        if (answers_.empty()) {
            if (buttons == MbOk)
                return TMsgAnswer::Ok;
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return (buttons & MbCancel) ? TMsgAnswer::Cancel : TMsgAnswer::No;
        }
        const TMsgAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }

    bool AllAnswersUsed() const { return answers_.empty(); }

    QList<Shown> shown;

private:
    std::deque<TMsgAnswer> answers_;
};

} // namespace qbx::test
