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

protected:
    void record(std::string_view message) { told.emplace_back(message); }
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

class ScriptedAsker : public MessageAsker, public ScriptedAnswers {
public:
    void tell(std::string_view message) override { record(message); }
    bool askOkCancel(std::string_view question) override { return answer(question); }
};

} // namespace zelmora::test
