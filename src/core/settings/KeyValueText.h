#pragma once
// A small "key = value" text, one setting a line, "#" or ";" starting a comment. Comments,
// unknown keys and lines it does not understand are kept as they were, so that rewriting
// a value loses nothing a user or another version of the program wrote.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

class KeyValueText {
public:
    explicit KeyValueText(std::string_view utf8 = {});

    // The value of the first line of that key, blanks around it removed.
    std::optional<std::string_view> value(std::string_view key) const;
    // Changes the first line of that key, or adds one at the end.
    void set(std::string_view key, std::string_view value);
    // Every line, "\n" after each.
    std::string text() const;

private:
    struct Line {
        std::string text;
        std::string key; // empty for a comment, a blank line or a line without "="
        std::string value;
    };
    std::vector<Line> m_lines;
    bool m_byteOrderMark = false; // that an editor put before the first line, kept there
};

} // namespace zelmora
