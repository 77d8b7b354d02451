#include "core/exchange/CsvColumns.h"

#include <algorithm>
#include <span>

namespace zelmora {

namespace {

struct KnownColumn {
    std::string_view name; // as normalised below
    CsvRole role;
    std::string_view group = {};
    Usage usage = Usage::Unspecified;
    PhoneKind phone = PhoneKind::Voice;
};

using R = CsvRole;
using U = Usage;
constexpr PhoneKind Mobile = PhoneKind::Mobile;
constexpr PhoneKind NotVoice = PhoneKind::NotVoice;

// Google's columns with a number ("Phone 2 - Value") are read by their parts below.
constexpr KnownColumn GoogleColumns[] = {
    {"first name", R::FirstName}, {"given name", R::FirstName}, {"last name", R::LastName},
    {"family name", R::LastName}, {"name", R::DisplayName}, {"organization name", R::Organisation},
    {"organization title", R::JobTitle}, {"nickname", R::Nickname}, {"photo", R::Photo},
    {"labels", R::Categories}, {"group membership", R::Categories}, {"birthday", R::Birthday}, {"notes", R::Notes},
};

constexpr KnownColumn OutlookColumns[] = {
    {"first name", R::FirstName}, {"last name", R::LastName}, {"company", R::Organisation},
    {"job title", R::JobTitle}, {"nickname", R::Nickname}, {"categories", R::Categories},
    {"birthday", R::Birthday}, {"anniversary", R::Anniversary}, {"notes", R::Notes},
    {"e mail address", R::Email}, {"e mail 2 address", R::Email}, {"e mail 3 address", R::Email},
    {"web page", R::WebSite}, {"personal web page", R::WebSite, {}, U::Home},
    {"primary phone", R::Phone, {}, U::Preferred}, {"home phone", R::Phone, {}, U::Home},
    {"home phone 2", R::Phone, {}, U::Home}, {"mobile phone", R::Phone, {}, U::Unspecified, Mobile},
    {"business phone", R::Phone, {}, U::Work}, {"business phone 2", R::Phone, {}, U::Work},
    {"company main phone", R::Phone, {}, U::Work}, {"other phone", R::Phone}, {"car phone", R::Phone},
    {"callback", R::Phone}, {"radio phone", R::Phone}, {"isdn", R::Phone},
    {"assistant s phone", R::Phone, {}, U::Work, NotVoice}, {"pager", R::Phone, {}, U::Unspecified, NotVoice},
    {"home fax", R::Phone, {}, U::Home, NotVoice}, {"business fax", R::Phone, {}, U::Work, NotVoice},
    {"other fax", R::Phone, {}, U::Unspecified, NotVoice}, {"tty tdd phone", R::Phone, {}, U::Unspecified, NotVoice},
    {"telex", R::Phone, {}, U::Unspecified, NotVoice},
};

constexpr KnownColumn ThunderbirdColumns[] = {
    {"first name", R::FirstName}, {"last name", R::LastName}, {"display name", R::DisplayName},
    {"nickname", R::Nickname}, {"primary email", R::Email, {}, U::Preferred}, {"secondary email", R::Email},
    {"work phone", R::Phone, {}, U::Work}, {"home phone", R::Phone, {}, U::Home},
    {"fax number", R::Phone, {}, U::Unspecified, NotVoice}, {"pager number", R::Phone, {}, U::Unspecified, NotVoice},
    {"mobile number", R::Phone, {}, U::Unspecified, Mobile}, {"job title", R::JobTitle},
    {"organization", R::Organisation}, {"organisation", R::Organisation},
    {"web page 1", R::WebSite, {}, U::Work}, {"web page 2", R::WebSite, {}, U::Home},
    {"birth year", R::BirthYear}, {"birth month", R::BirthMonth}, {"birth day", R::BirthDay}, {"notes", R::Notes},
};

struct AddressPart {
    std::string_view name; // after the address's own word ("home", "business")
    CsvRole role;
};

constexpr AddressPart OutlookAddressParts[] = {
    {"street", R::Street}, {"street 2", R::Street}, {"street 3", R::Street},
    {"address po box", R::PostOfficeBox}, {"city", R::Locality}, {"state", R::Region},
    {"postal code", R::PostalCode}, {"country", R::Country}, {"country region", R::Country},
};

constexpr AddressPart ThunderbirdAddressParts[] = {
    {"address", R::Street}, {"address 2", R::Street}, {"address2", R::Street}, {"city", R::Locality},
    {"state", R::Region}, {"county", R::Region}, {"zipcode", R::PostalCode}, {"zip code", R::PostalCode},
    {"zip", R::PostalCode}, {"post code", R::PostalCode}, {"postal code", R::PostalCode}, {"country", R::Country},
};

constexpr AddressPart GoogleAddressParts[] = {
    {"street", R::Street}, {"extended address", R::Extended}, {"po box", R::PostOfficeBox},
    {"city", R::Locality}, {"region", R::Region}, {"postal code", R::PostalCode}, {"country", R::Country},
};

// Lower case, every run of other characters than letters and digits one blank, but a dash
// between blanks kept: "E-mail 2 Address" is "e mail 2 address", "Business Country/Region"
// "business country region", and Google's "E-mail 2 - Type" "e mail 2 - type".
std::string normalised(std::string_view name)
{
    std::string out;
    bool gap = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        const bool lone = c == '-' && i > 0 && name[i - 1] == ' ' && i + 1 < name.size() && name[i + 1] == ' ';
        if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9') || lone) {
            out.append(gap && !out.empty() ? " " : "").append(1, lower);
            gap = false;
        } else {
            gap = true;
        }
    }
    return out;
}

std::optional<CsvColumn> fromTable(std::span<const KnownColumn> table, std::string_view name)
{
    for (const KnownColumn& known : table) {
        if (known.name == name) {
            CsvColumn column{0, known.role, std::string(known.group.empty() ? name : known.group), known.usage, known.phone};
            return column;
        }
    }
    return std::nullopt;
}

// "home city" for Outlook's and Thunderbird's addresses, each word its own address.
std::optional<CsvColumn> addressColumn(std::span<const AddressPart> parts, std::string_view name,
                                       std::initializer_list<std::pair<std::string_view, Usage>> places)
{
    for (const auto& [place, usage] : places) {
        if (!name.starts_with(place) || name.size() <= place.size() || name[place.size()] != ' ') {
            continue;
        }
        const std::string_view rest = name.substr(place.size() + 1);
        for (const AddressPart& part : parts) {
            if (part.name == rest) {
                return CsvColumn{0, part.role, std::string(place), usage};
            }
        }
    }
    return std::nullopt;
}

// Google's "phone 2 - value", "address 1 - postal code", "organization 1 - title".
std::optional<CsvColumn> numberedColumn(std::string_view name)
{
    const std::size_t digit = name.find_first_of("0123456789");
    const std::size_t after = name.find(" - ", digit);
    if (digit == std::string_view::npos || digit == 0 || after == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view kind = name.substr(0, digit - 1);
    const std::string_view part = name.substr(after + 3);
    CsvColumn column{0, R::Label, std::string(name.substr(0, after))};
    if (part == "type" || part == "label") {
        return kind == "e mail" || kind == "phone" || kind == "website" || kind == "event" || kind == "address"
            ? std::optional(column)
            : std::nullopt;
    }
    const std::pair<std::string_view, CsvRole> values[] = {
        {"e mail", R::Email}, {"phone", R::Phone}, {"website", R::WebSite}, {"event", R::Event}};
    for (const auto& [valueKind, role] : values) {
        if (kind == valueKind && part == "value") {
            column.role = role;
            return column;
        }
    }
    if (kind == "organization" && (part == "name" || part == "title")) {
        column.role = part == "name" ? R::Organisation : R::JobTitle;
        return column;
    }
    if (kind == "address") {
        for (const AddressPart& addressPart : GoogleAddressParts) {
            if (addressPart.name == part) {
                column.role = addressPart.role;
                return column;
            }
        }
    }
    return std::nullopt;
}

std::optional<CsvColumn> columnOf(CsvLayout layout, std::string_view name)
{
    switch (layout) {
    case CsvLayout::Google:
        if (auto column = fromTable(GoogleColumns, name)) {
            return column;
        }
        return numberedColumn(name);
    case CsvLayout::Outlook:
        if (auto column = fromTable(OutlookColumns, name)) {
            return column;
        }
        return addressColumn(OutlookAddressParts, name, {{"home", U::Home}, {"business", U::Work}, {"other", U::Unspecified}});
    case CsvLayout::Thunderbird: break;
    }
    if (auto column = fromTable(ThunderbirdColumns, name)) {
        return column;
    }
    return addressColumn(ThunderbirdAddressParts, name, {{"home", U::Home}, {"work", U::Work}});
}

// Each address book by columns only it writes.
std::optional<CsvLayout> layoutOf(const std::vector<std::string>& names)
{
    const auto has = [&](std::string_view name) { return std::find(names.begin(), names.end(), name) != names.end(); };
    if (has("primary email") || (has("display name") && has("mobile number"))) {
        return CsvLayout::Thunderbird;
    }
    if (has("given name") || has("family name") || has("group membership") || has("labels") || has("file as")
        || std::any_of(names.begin(), names.end(), [](const std::string& name) {
            return numberedColumn(name).has_value();
        })) {
        return CsvLayout::Google;
    }
    if (has("e mail address") || has("business street") || has("home street")) {
        return CsvLayout::Outlook;
    }
    return std::nullopt;
}

} // namespace

std::optional<CsvColumns> CsvColumns::fromHeader(const CsvRecord& header)
{
    std::vector<std::string> names;
    for (const std::string& name : header) {
        names.push_back(normalised(name));
    }
    const std::optional<CsvLayout> layout = layoutOf(names);
    if (!layout) {
        return std::nullopt;
    }
    CsvColumns columns;
    columns.m_layout = *layout;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (std::optional<CsvColumn> column = columnOf(*layout, names[i])) {
            column->index = i;
            columns.m_columns.push_back(std::move(*column));
        }
    }
    return columns;
}

} // namespace zelmora
