#pragma once

#include <QList>

#include <deque>

namespace qbx::test {

// What a scripted dialog answers: the scripted answers in turn, then the
// empty answer (a cancelled dialog); every request is recorded.
template <class Answer, class Request> class ScriptedAnswers {
public:
    std::deque<Answer> answers;
    QList<Request> requests;

protected:
    Answer Next(const Request &request)
    {
        requests.append(request);
        if (answers.empty())
            return {};
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace qbx::test
