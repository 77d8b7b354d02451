#pragma once
// The header row of a CSV file from a known address book, recognised by its column names:
// Google Contacts (both of its layouts), Outlook and Thunderbird (with the names of its
// British build). Each column it knows gets its role, and the e-mail, phone, web site,
// address or event it belongs to.

#include "core/exchange/Contact.h"
#include "core/exchange/CsvReader.h"

#include <optional>
#include <string>
#include <vector>

namespace zelmora {

enum class CsvLayout { Google, Outlook, Thunderbird };

enum class CsvRole {
    FirstName, LastName, DisplayName, Organisation, JobTitle, Nickname, Photo, Categories, Notes,
    Birthday, BirthYear, BirthMonth, BirthDay, Anniversary,
    Email, Phone, WebSite, Event, Label, // a label names the type of the value of its group
    Street, Extended, PostOfficeBox, Locality, Region, PostalCode, Country,
};

enum class PhoneKind { Voice, Mobile, NotVoice };

struct CsvColumn {
    std::size_t index = 0; // in the record
    CsvRole role = CsvRole::Notes;
    std::string group; // "phone 2", "home": the values that go together
    Usage usage = Usage::Unspecified;
    PhoneKind phone = PhoneKind::Voice;
};

class CsvColumns {
public:
    // Nothing when the header row is no known address book's.
    static std::optional<CsvColumns> fromHeader(const CsvRecord& header);

    CsvLayout layout() const { return m_layout; }
    const std::vector<CsvColumn>& columns() const { return m_columns; }

private:
    CsvLayout m_layout = CsvLayout::Google;
    std::vector<CsvColumn> m_columns;
};

} // namespace zelmora
