#pragma once
// A MessageAsker that records what the program said and answers from a script.

#include "core/platform/MessageAsker.h"

#include <deque>
#include <string>
#include <vector>

namespace zelmora::test {

class ScriptedAsker : public MessageAsker {
public:
    void answerNext(bool ok) { m_answers.push_back(ok); }

    void tell(std::string_view message) override { told.emplace_back(message); }
    bool askOkCancel(std::string_view question) override
    {
        asked.emplace_back(question);
        if (m_answers.empty()) {
            return true;
        }
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::vector<std::string> told;
    std::vector<std::string> asked;

private:
    std::deque<bool> m_answers;
};

} // namespace zelmora::test
