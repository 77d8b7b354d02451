#include "core/exchange/CsvContact.h"

#include <algorithm>
#include <map>

namespace zelmora {

namespace {

constexpr std::string_view GoogleSeparator = " ::: "; // between values Google puts in one cell

std::string_view trimmedBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> pieces;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        pieces.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    pieces.push_back(text);
    return pieces;
}

bool containsWord(std::string_view label, std::string_view word)
{
    return std::search(label.begin(), label.end(), word.begin(), word.end(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           }) != label.end();
}

// Google's label of a value: "* " marks the first of its kind, then a type or a name the user chose.
void readLabel(std::string_view label, CsvColumn& column)
{
    if (containsWord(label, "fax") || containsWord(label, "pager")) {
        column.phone = PhoneKind::NotVoice;
    } else if (containsWord(label, "mobile")) {
        column.phone = PhoneKind::Mobile;
    }
    if (label.starts_with("* ")) {
        column.usage = Usage::Preferred;
    } else if (containsWord(label, "home")) {
        column.usage = Usage::Home;
    } else if (containsWord(label, "work")) {
        column.usage = Usage::Work;
    }
}

// Digits only, at most four of them.
std::optional<int> smallNumber(std::string_view text)
{
    text = trimmedBlanks(text);
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return TextToNum(text);
}

// A year of one or two digits says too little to keep.
std::optional<CalendarDay> dayOf(std::optional<int> day, std::optional<int> month, std::optional<int> year)
{
    if (!day || !month) {
        return std::nullopt;
    }
    return CalendarDay::fromNumbers(*day, *month, year && *year >= 1000 ? year : std::nullopt);
}

std::size_t categoriesIn(std::string_view cell)
{
    std::size_t count = 0;
    for (const std::string_view googleGroup : split(cell, GoogleSeparator)) {
        for (const std::string_view semicolonPart : split(googleGroup, ";")) {
            for (const std::string_view category : split(semicolonPart, ",")) {
                const std::string_view name = trimmedBlanks(category);
                count += !name.empty() && !name.starts_with('*') ? 1 : 0; // "* myContacts" is Google's own
            }
        }
    }
    return count;
}

class RecordReader {
public:
    RecordReader(const CsvRecord& record, const CsvColumns& columns) : m_record(record), m_columns(columns)
    {
        for (const CsvColumn& column : columns.columns()) {
            if (column.role == CsvRole::Label) {
                m_labels[column.group] = cell(column);
            }
        }
    }

    Contact read()
    {
        for (const CsvColumn& column : m_columns.columns()) {
            const std::string_view text = cell(column);
            if (!text.empty()) {
                readCell(labelled(column), text);
            }
        }
        for (const std::string& group : m_addressOrder) {
            m_contact.addresses.push_back(m_addresses[group]);
        }
        if (const auto birthday = dayOf(m_birthDay, m_birthMonth, m_birthYear)) {
            m_contact.dates.insert(m_contact.dates.begin(), {*birthday, DateKind::Birthday, {}});
        }
        return std::move(m_contact);
    }

private:
    std::string_view cell(const CsvColumn& column) const
    {
        return column.index < m_record.size() ? std::string_view(m_record[column.index]) : std::string_view{};
    }

    // The column as its group's label says, where it has one.
    CsvColumn labelled(const CsvColumn& column) const
    {
        CsvColumn result = column;
        if (const auto label = m_labels.find(column.group); label != m_labels.end()) {
            readLabel(label->second, result);
        }
        return result;
    }

    std::string_view label(const CsvColumn& column) const
    {
        const auto found = m_labels.find(column.group);
        return found == m_labels.end() ? std::string_view{} : found->second;
    }

    void readCell(const CsvColumn& column, std::string_view text)
    {
        switch (column.role) {
        case CsvRole::FirstName: setOnce(m_contact.firstName, text); break;
        case CsvRole::LastName: setOnce(m_contact.lastName, text); break;
        case CsvRole::DisplayName: setOnce(m_contact.formattedName, text); break;
        case CsvRole::Organisation: setOnce(m_contact.organisation, text); break;
        case CsvRole::Notes: setOnce(m_contact.notes, text); break;
        case CsvRole::JobTitle: ++m_contact.asides.jobTitles; break;
        case CsvRole::Nickname: ++m_contact.asides.nicknames; break;
        case CsvRole::Photo: ++m_contact.asides.photos; break;
        case CsvRole::Categories: m_contact.asides.categories += categoriesIn(text); break;
        case CsvRole::Birthday: addDate(text, DateKind::Birthday, {}); break;
        case CsvRole::Anniversary: addDate(text, DateKind::Wedding, {}); break;
        case CsvRole::Event: addEvent(column, text); break;
        case CsvRole::BirthYear: m_birthYear = smallNumber(text); break;
        case CsvRole::BirthMonth: m_birthMonth = smallNumber(text); break;
        case CsvRole::BirthDay: m_birthDay = smallNumber(text); break;
        case CsvRole::Email: addValues(m_contact.emails, column, text); break;
        case CsvRole::WebSite: addValues(m_contact.webSites, column, text); break;
        case CsvRole::Phone: addPhones(column, text); break;
        case CsvRole::Label: break;
        default: addAddressPart(column, text); break;
        }
    }

    static void setOnce(std::string& target, std::string_view text)
    {
        if (target.empty()) {
            target = text;
        }
    }

    void addDate(std::string_view text, DateKind kind, std::string_view dateLabel, bool secondOther = false)
    {
        if (const auto day = csvDate(text)) {
            m_contact.dates.push_back({*day, kind, std::string(dateLabel), secondOther});
        }
    }

    // The third event is where this program writes the second other date.
    void addEvent(const CsvColumn& column, std::string_view text)
    {
        addDate(text, DateKind::Labelled, label(column), column.group == "event 3");
    }

    std::vector<std::string_view> values(std::string_view text) const
    {
        return m_columns.layout() == CsvLayout::Google ? split(text, GoogleSeparator) : std::vector{text};
    }

    void addValues(std::vector<ContactValue>& target, const CsvColumn& column, std::string_view text)
    {
        for (const std::string_view value : values(text)) {
            if (!value.empty()) {
                target.push_back({std::string(value), column.usage});
            }
        }
    }

    void addPhones(const CsvColumn& column, std::string_view text)
    {
        if (column.phone == PhoneKind::NotVoice) {
            m_contact.asides.phones += values(text).size(); // a fax or pager number is no number to call
        } else {
            addValues(column.phone == PhoneKind::Mobile ? m_contact.mobiles : m_contact.phones, column, text);
        }
    }

    void addAddressPart(const CsvColumn& column, std::string_view text)
    {
        if (!m_addresses.contains(column.group)) {
            m_addressOrder.push_back(column.group);
        }
        ContactAddress& address = m_addresses[column.group];
        address.usage = column.usage;
        std::string* part = &address.country;
        switch (column.role) {
        case CsvRole::Street: part = &address.street; break;
        case CsvRole::Extended: part = &address.extended; break;
        case CsvRole::PostOfficeBox: part = &address.postOfficeBox; break;
        case CsvRole::Locality: part = &address.locality; break;
        case CsvRole::Region: part = &address.region; break;
        case CsvRole::PostalCode: part = &address.postalCode; break;
        default: break;
        }
        part->append(part->empty() ? "" : "\n").append(text); // Outlook's second and third street lines
    }

    const CsvRecord& m_record;
    const CsvColumns& m_columns;
    std::map<std::string, std::string_view, std::less<>> m_labels;
    Contact m_contact;
    std::map<std::string, ContactAddress, std::less<>> m_addresses;
    std::vector<std::string> m_addressOrder;
    std::optional<int> m_birthYear;
    std::optional<int> m_birthMonth;
    std::optional<int> m_birthDay;
};

} // namespace

std::optional<CalendarDay> csvDate(std::string_view text)
{
    text = trimmedBlanks(text);
    for (const char separator : {'/', '.'}) {
        if (text.find(separator) == std::string_view::npos) {
            continue;
        }
        const std::vector<std::string_view> parts = split(text.substr(0, text.find(' ')), std::string_view(&separator, 1));
        if (parts.size() < 2 || parts.size() > 3) {
            return std::nullopt;
        }
        std::optional<int> year;
        if (parts.size() == 3) {
            year = smallNumber(parts[2]);
        }
        const std::optional<int> first = smallNumber(parts[0]);
        const std::optional<int> second = smallNumber(parts[1]);
        // Outlook writes the month first, "1/5/1980", as its English version does; a first
        // number past 12 can only be a day.
        const bool monthFirst = separator == '/' && first && *first <= 12;
        return monthFirst ? dayOf(second, first, year) : dayOf(first, second, year);
    }
    return CalendarDay::fromVCard(text);
}

Contact CsvContact::fromRecord(const CsvRecord& record, const CsvColumns& columns)
{
    return RecordReader(record, columns).read();
}

} // namespace zelmora
