#include "core/settings/KeyValueText.h"

#include "core/base/ShortText.h"

#include <algorithm>

namespace zelmora {

namespace {
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
}

KeyValueText::KeyValueText(std::string_view utf8)
{
    m_byteOrderMark = utf8.starts_with(ByteOrderMark);
    if (m_byteOrderMark) {
        utf8.remove_prefix(ByteOrderMark.size());
    }
    while (!utf8.empty()) {
        const std::size_t end = std::min(utf8.find('\n'), utf8.size());
        std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(std::min(end + 1, utf8.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1); // written on Windows
        }
        Line kept{std::string(line), {}, {}};
        const std::string_view content = trimControls(line);
        const std::size_t equals = content.find('=');
        if (!content.starts_with('#') && !content.starts_with(';') && equals != std::string_view::npos) {
            kept.key = trimControls(content.substr(0, equals));
            kept.value = trimControls(content.substr(equals + 1));
        }
        m_lines.push_back(std::move(kept));
    }
}

std::optional<std::string_view> KeyValueText::value(std::string_view key) const
{
    const auto line = std::find_if(m_lines.begin(), m_lines.end(), [&](const Line& l) { return l.key == key; });
    return line == m_lines.end() ? std::nullopt : std::optional<std::string_view>(line->value);
}

void KeyValueText::set(std::string_view key, std::string_view value)
{
    std::string text = std::string(key) + " = " + std::string(value);
    const auto line = std::find_if(m_lines.begin(), m_lines.end(), [&](const Line& l) { return l.key == key; });
    if (line == m_lines.end()) {
        m_lines.push_back({std::move(text), std::string(key), std::string(value)});
    } else if (line->value != value) {
        *line = {std::move(text), std::string(key), std::string(value)};
    }
}

std::string KeyValueText::text() const
{
    std::string text(m_byteOrderMark ? ByteOrderMark : "");
    for (const Line& line : m_lines) {
        text.append(line.text).append("\n");
    }
    return text;
}

} // namespace zelmora
