#pragma once
// Answers from a script for the program's messages and questions, recording both: a
// MessageAsker for the core, and the same answers for the window's dialogs.

#include "core/platform/MessageAsker.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora::test {

// What is told and asked, and the answers to give: OK when the script is used up.
class ScriptedAnswers {
public:
    void answerNext(bool ok) { m_answers.push_back(ok); }

    std::vector<std::string> told;
    std::vector<std::string> asked;
    std::vector<std::string> warnings; // what was told or asked as a failure (also in told or asked)

protected:
    void record(std::string_view message) { told.emplace_back(message); }
    void recordWarning(std::string_view message) { warnings.emplace_back(message); }
    bool answer(std::string_view question)
    {
        asked.emplace_back(question);
        if (m_answers.empty()) {
            return true;
        }
        const bool ok = m_answers.front();
        m_answers.pop_front();
        return ok;
    }

private:
    std::deque<bool> m_answers;
};

// `Asker` (a MessageAsker, or the window's dialogs) answered by the script.
template <class Asker>
class Scripted : public Asker, public ScriptedAnswers {
public:
    void tell(std::string_view message) override { record(message); }
    bool askOkCancel(std::string_view question) override { return answer(question); }
    void tellFailure(std::string_view message) override
    {
        recordWarning(message);
        record(message);
    }
    bool askAfterFailure(std::string_view question) override
    {
        recordWarning(question);
        return answer(question);
    }
};

using ScriptedAsker = Scripted<MessageAsker>;

} // namespace zelmora::test
