#pragma once
// How the core tells the user something or asks a question. The window shows message
// boxes captioned "Zelmora"; tests answer with a script. Texts are Windows-1252.

#include <string_view>

namespace zelmora {

class MessageAsker {
public:
    virtual ~MessageAsker() = default;
    // A message with an OK button.
    virtual void tell(std::string_view message) = 0;
    // A question with OK and Cancel; true only for OK.
    virtual bool askOkCancel(std::string_view question) = 0;
    // The same after a failure (a file not written, a folder busy): the window shows them as warnings.
    virtual void tellFailure(std::string_view message) { tell(message); }
    virtual bool askAfterFailure(std::string_view question) { return askOkCancel(question); }
};

} // namespace zelmora
