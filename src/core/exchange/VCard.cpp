#include "core/exchange/VCard.h"

#include <algorithm>

namespace zelmora {

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

const VCardParameter* findParameter(const std::vector<VCardParameter>& parameters, std::string_view name)
{
    const auto found = std::find_if(parameters.begin(), parameters.end(),
                                    [&](const VCardParameter& p) { return equalsIgnoringCase(p.name, name); });
    return found == parameters.end() ? nullptr : &*found;
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

std::string_view VCardProperty::parameter(std::string_view parameterName) const
{
    const VCardParameter* found = findParameter(parameters, parameterName);
    return found && !found->values.empty() ? std::string_view(found->values.front()) : std::string_view{};
}

bool VCardProperty::hasParameterValue(std::string_view parameterName, std::string_view wanted) const
{
    // A parameter may come more than once (TYPE=home;TYPE=cell), so every one is looked at.
    return std::any_of(parameters.begin(), parameters.end(), [&](const VCardParameter& p) {
        return equalsIgnoringCase(p.name, parameterName)
            && std::any_of(p.values.begin(), p.values.end(),
                           [&](const std::string& v) { return equalsIgnoringCase(v, wanted); });
    });
}

std::string unescapeVCardText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == 'n' || next == 'N') {
            out += '\n';
        } else if (next == ',' || next == ';' || next == ':' || next == '\\') {
            out += next;
        } else {
            out += '\\';
            continue;
        }
        ++i;
    }
    return out;
}

std::vector<std::string> vCardComponents(std::string_view value, char separator)
{
    std::vector<std::string> components;
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i; // the escaped character is never a separator
        } else if (value[i] == separator) {
            components.push_back(unescapeVCardText(value.substr(start, i - start)));
            start = i + 1;
        }
    }
    components.push_back(unescapeVCardText(value.substr(start)));
    return components;
}

} // namespace zelmora
