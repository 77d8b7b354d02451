#pragma once
// One card of a vCard file as read: its properties with their parameters, values in
// UTF-8 with the transfer encoding and character set undone but the text escapes kept,
// since only the property knows whether ";" separates components.

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

struct VCardParameter {
    std::string name;                // upper case
    std::vector<std::string> values; // a bare 2.1 parameter (TEL;CELL) is a TYPE value
};

struct VCardProperty {
    std::string group; // upper case; Apple joins a date to its label through a group
    std::string name;  // upper case
    std::vector<VCardParameter> parameters;
    std::string value;
    // Where it is written in the text read: its first byte, and the one after its line end.
    std::size_t start = 0;
    std::size_t end = 0;

    // The first value of the parameter, empty when there is none.
    std::string_view parameter(std::string_view parameterName) const;
    // Whether the parameter holds the value, compared without regard to case.
    bool hasParameterValue(std::string_view parameterName, std::string_view wanted) const;
    bool hasType(std::string_view type) const { return hasParameterValue("TYPE", type); }
};

struct VCard {
    std::vector<VCardProperty> properties;
};

// The text with \n, \N, \, \; and \\ undone, and the \: some programs write in URLs;
// any other backslash stays, as 2.1 cards write Windows paths without escaping them.
std::string unescapeVCardText(std::string_view text);

// The components of a structured value (N, ADR), split at each `separator` that is not
// escaped, each unescaped; a list (CATEGORIES) is split at commas.
std::vector<std::string> vCardComponents(std::string_view value, char separator = ';');

bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace zelmora
