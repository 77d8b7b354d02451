#pragma once
// CSV files for tests, written from the header rows the address books publish.

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelmora::test {

inline constexpr std::string_view GoogleHeader =
    "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Phonetic Last Name,Name Prefix,"
    "Name Suffix,Nickname,File As,Organization Name,Organization Title,Organization Department,Birthday,Notes,Photo,"
    "Labels,E-mail 1 - Label,E-mail 1 - Value,E-mail 2 - Label,E-mail 2 - Value,Phone 1 - Label,Phone 1 - Value,"
    "Phone 2 - Label,Phone 2 - Value,Phone 3 - Label,Phone 3 - Value,Address 1 - Label,Address 1 - Formatted,"
    "Address 1 - Street,Address 1 - City,Address 1 - PO Box,Address 1 - Region,Address 1 - Postal Code,"
    "Address 1 - Country,Address 1 - Extended Address,Address 2 - Label,Address 2 - Street,Address 2 - City,"
    "Website 1 - Label,Website 1 - Value,Event 1 - Label,Event 1 - Value,Event 2 - Label,Event 2 - Value";

// Google's layout before 2023.
inline constexpr std::string_view OldGoogleHeader =
    "Name,Given Name,Additional Name,Family Name,Yomi Name,Given Name Yomi,Additional Name Yomi,Family Name Yomi,"
    "Name Prefix,Name Suffix,Initials,Nickname,Short Name,Maiden Name,Birthday,Gender,Location,Billing Information,"
    "Directory Server,Mileage,Occupation,Hobby,Sensitivity,Priority,Subject,Notes,Language,Photo,Group Membership,"
    "E-mail 1 - Type,E-mail 1 - Value,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,Phone 2 - Value,"
    "Address 1 - Type,Address 1 - Formatted,Address 1 - Street,Address 1 - City,Address 1 - PO Box,"
    "Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,Address 1 - Extended Address,"
    "Organization 1 - Type,Organization 1 - Name,Organization 1 - Yomi Name,Organization 1 - Title,"
    "Organization 1 - Department,Organization 1 - Symbol,Organization 1 - Location,Organization 1 - Job Description,"
    "Website 1 - Type,Website 1 - Value,Event 1 - Type,Event 1 - Value";

inline constexpr std::string_view OutlookHeader =
    "Title,First Name,Middle Name,Last Name,Suffix,Company,Department,Job Title,Business Street,Business Street 2,"
    "Business Street 3,Business City,Business State,Business Postal Code,Business Country/Region,Home Street,"
    "Home Street 2,Home Street 3,Home City,Home State,Home Postal Code,Home Country/Region,Other Street,"
    "Other Street 2,Other Street 3,Other City,Other State,Other Postal Code,Other Country/Region,Assistant's Phone,"
    "Business Fax,Business Phone,Business Phone 2,Callback,Car Phone,Company Main Phone,Home Fax,Home Phone,"
    "Home Phone 2,ISDN,Mobile Phone,Other Fax,Other Phone,Pager,Primary Phone,Radio Phone,TTY/TDD Phone,Telex,"
    "Account,Anniversary,Assistant's Name,Billing Information,Birthday,Business Address PO Box,Categories,Children,"
    "Directory Server,E-mail Address,E-mail Type,E-mail Display Name,E-mail 2 Address,E-mail 2 Type,"
    "E-mail 2 Display Name,E-mail 3 Address,E-mail 3 Type,E-mail 3 Display Name,Gender,Government ID Number,Hobby,"
    "Home Address PO Box,Initials,Internet Free Busy,Keywords,Language,Location,Manager's Name,Mileage,Notes,"
    "Office Location,Organizational ID Number,Other Address PO Box,Priority,Private,Profession,Referred By,"
    "Sensitivity,Spouse,User 1,User 2,User 3,User 4,Web Page";

inline constexpr std::string_view ThunderbirdHeader =
    "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,Home Phone,"
    "Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home State,Home ZipCode,"
    "Home Country,Work Address,Work Address 2,Work City,Work State,Work ZipCode,Work Country,Job Title,Department,"
    "Organization,Web Page 1,Web Page 2,Birth Year,Birth Month,Birth Day,Custom 1,Custom 2,Custom 3,Custom 4,Notes,";

// Thunderbird's British build words some columns its own way.
inline constexpr std::string_view BritishThunderbirdHeader =
    "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,Home Phone,"
    "Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home County,Home Post Code,"
    "Home Country,Work Address,Work Address 2,Work City,Work County,Work Post Code,Work Country,Job Title,"
    "Department,Organisation,Web Page 1,Web Page 2,Birth Year,Birth Month,Birth Day,Custom 1,Custom 2,Custom 3,"
    "Custom 4,Notes";

// One record under `header`, each value in its named column (quoted as RFC 4180 wants).
inline std::string csvRow(std::string_view header, std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    std::vector<std::string_view> names;
    for (std::size_t start = 0;;) {
        const std::size_t comma = header.find(',', start);
        names.push_back(header.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    std::vector<std::string> fields(names.size());
    for (const auto& [name, value] : values) {
        const auto column = std::find(names.begin(), names.end(), name);
        std::string& field = fields.at(static_cast<std::size_t>(column - names.begin()));
        field = "\"";
        for (const char c : value) {
            field.append(c == '"' ? "\"\"" : std::string(1, c));
        }
        field += '"';
    }
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        row.append(i > 0 ? "," : "").append(fields[i]);
    }
    return row + "\r\n";
}

inline std::string csvFile(std::string_view header, std::initializer_list<std::string> rows)
{
    std::string file = std::string(header) + "\r\n";
    for (const std::string& row : rows) {
        file += row;
    }
    return file;
}

} // namespace zelmora::test
