#include "core/exchange/VCardContact.h"

#include <algorithm>
#include <array>
#include <map>

namespace zelmora {

namespace {

// The names under which address books write a wedding anniversary.
constexpr std::array<std::string_view, 5> AnniversaryNames = {
    "ANNIVERSARY", "X-ANNIVERSARY", "X-MS-ANNIVERSARY", "X-EVOLUTION-ANNIVERSARY", "X-KADDRESSBOOK-X-ANNIVERSARY"};

// The group under which this program writes the second other date.
constexpr std::string_view SecondOtherDateGroup = "DATE2";

constexpr std::string_view AndroidEvent = "vnd.android.cursor.item/contact_event";
constexpr std::string_view AndroidNickname = "vnd.android.cursor.item/nickname";

constexpr std::array<std::string_view, 6> NotVoiceTypes = {"FAX", "PAGER", "MODEM", "TEXTPHONE", "VIDEO", "BBS"};

bool isAnniversary(std::string_view name)
{
    return std::find(AnniversaryNames.begin(), AnniversaryNames.end(), name) != AnniversaryNames.end();
}

// Home, work or neither, whatever the preference.
Usage placeOf(const VCardProperty& property)
{
    if (property.hasType("HOME")) {
        return Usage::Home;
    }
    return property.hasType("WORK") ? Usage::Work : Usage::Unspecified;
}

Usage usageOf(const VCardProperty& property)
{
    // 2.1 and 3.0 write TYPE=PREF, 4.0 PREF=1.
    const bool preferred = property.hasType("PREF") || !property.parameter("PREF").empty();
    return preferred ? Usage::Preferred : placeOf(property);
}

std::optional<CalendarDay> dateOf(const VCardProperty& property)
{
    std::optional<CalendarDay> day = CalendarDay::fromVCard(property.value);
    // Apple stores a date without a year in a year it names, usually 1604.
    const std::string_view omitted = property.parameter("X-APPLE-OMIT-YEAR");
    if (day && day->year && !omitted.empty() && TextToNum(omitted) == *day->year) {
        day->year.reset();
    }
    return day;
}

class ContactReader {
public:
    explicit ContactReader(const VCard& card) : m_card(card)
    {
        m_defaultPostalPlace = defaultPostalPlace();
        // Apple joins a date to its label through a group: item1.X-ABDATE and item1.X-ABLabel.
        for (const VCardProperty& property : card.properties) {
            if (property.name == "X-ABLABEL" && !property.group.empty()) {
                m_labels.try_emplace(property.group, unescapeVCardText(property.value));
            }
        }
    }

    Contact read()
    {
        for (const VCardProperty& property : m_card.properties) {
            ++m_origin;
            readProperty(property);
        }
        return std::move(m_contact);
    }

private:
    // Outlook names its postal address: 1 the home one, 2 the business one, 3 the other one.
    std::optional<Usage> defaultPostalPlace() const
    {
        constexpr std::array<Usage, 3> Places = {Usage::Home, Usage::Work, Usage::Unspecified};
        for (const VCardProperty& property : m_card.properties) {
            const int which = property.name == "X-MS-OL-DEFAULT-POSTAL-ADDRESS" ? TextToNum(property.value) : 0;
            if (which >= 1 && which <= 3) {
                return Places[static_cast<std::size_t>(which - 1)];
            }
        }
        return std::nullopt;
    }

    void readProperty(const VCardProperty& property)
    {
        const std::string& name = property.name;
        if (name == "N" && !m_hasN) {
            const std::vector<std::string> parts = vCardComponents(property.value);
            m_contact.lastName = parts[0];
            m_contact.firstName = parts.size() > 1 ? parts[1] : std::string();
            m_contact.namesOrigin = m_origin;
            m_hasN = true;
        } else if (name == "FN" && m_contact.formattedName.empty()) {
            m_contact.formattedName = unescapeVCardText(property.value);
            m_contact.formattedNameOrigin = m_origin;
        } else if (name == "ORG" && m_contact.organisation.empty()) {
            m_contact.organisation = vCardComponents(property.value)[0];
            m_contact.organisationOrigin = m_origin;
        } else if (name == "KIND" || name == "X-ABSHOWAS") {
            m_contact.isOrganisation = m_contact.isOrganisation || equalsIgnoringCase(property.value, "org")
                || equalsIgnoringCase(property.value, "COMPANY");
        } else if (name == "BDAY") {
            addDate(dateOf(property), DateKind::Birthday, {});
        } else if (isAnniversary(name)) {
            addDate(dateOf(property), DateKind::Wedding, {}, property.group);
        } else if (name == "X-ABDATE") {
            addDate(dateOf(property), DateKind::Labelled, labelOf(property), property.group);
        } else if (name == "X-ANDROID-CUSTOM") {
            readAndroidCustom(vCardComponents(property.value));
        } else if (name == "TEL") {
            readPhone(property);
        } else if (name == "EMAIL") {
            addValue(m_contact.emails, property);
        } else if (name == "URL") {
            addValue(m_contact.webSites, property);
        } else if (name == "ADR") {
            readAddress(property);
        } else if (name == "NOTE" && m_contact.notes.empty()) {
            m_contact.notes = unescapeVCardText(property.value);
            m_contact.notesOrigin = m_origin;
        } else {
            countAside(property);
        }
    }

    std::string labelOf(const VCardProperty& property) const
    {
        const auto label = m_labels.find(property.group);
        return label == m_labels.end() || property.group.empty() ? std::string() : label->second;
    }

    void countAside(const VCardProperty& property)
    {
        NotKept& asides = m_contact.asides;
        const std::string& name = property.name;
        if (name == "TITLE" || name == "ROLE") {
            ++asides.jobTitles;
        } else if (name == "PHOTO") {
            ++asides.photos;
        } else if (name == "NICKNAME") {
            ++asides.nicknames;
        } else if (name == "CATEGORIES") {
            for (const std::string& category : vCardComponents(property.value, ',')) {
                asides.categories += category.empty() ? 0 : 1;
            }
        }
    }

    void addDate(const std::optional<CalendarDay>& day, DateKind kind, std::string label, std::string_view group = {})
    {
        if (day) {
            m_contact.dates.push_back({*day, kind, std::move(label), group == SecondOtherDateGroup, m_origin});
        }
    }

    // Android's events: vnd.android.cursor.item/contact_event;DATE;TYPE;LABEL, where type
    // 1 is an anniversary, 2 an other date, 3 a birthday and 0 one of the user's own labels.
    void readAndroidCustom(const std::vector<std::string>& parts)
    {
        const auto part = [&](std::size_t i) { return i < parts.size() ? std::string_view(parts[i]) : std::string_view{}; };
        if (part(0) == AndroidNickname) {
            ++m_contact.asides.nicknames;
            return;
        }
        if (part(0) != AndroidEvent) {
            return;
        }
        const std::string_view type = part(2);
        const DateKind kind = type == "1" ? DateKind::Wedding
            : type == "2"                 ? DateKind::Other
            : type == "3"                 ? DateKind::Birthday
                                          : DateKind::Labelled;
        addDate(CalendarDay::fromVCard(part(1)), kind, std::string(part(3)));
    }

    void readPhone(const VCardProperty& property)
    {
        std::string_view number = property.value;
        if (property.hasParameterValue("VALUE", "uri") && number.starts_with("tel:")) {
            number.remove_prefix(4);
        }
        const bool mobile = property.hasType("CELL") || property.hasType("IPHONE") || property.hasType("MOBILE");
        const bool notVoice = std::any_of(NotVoiceTypes.begin(), NotVoiceTypes.end(),
                                          [&](std::string_view type) { return property.hasType(type); });
        std::string text = unescapeVCardText(number);
        if (text.empty()) {
            return;
        }
        if (notVoice && !mobile && !property.hasType("VOICE")) {
            ++m_contact.asides.phones; // a fax or pager number is no number to call
            return;
        }
        (mobile ? m_contact.mobiles : m_contact.phones).push_back({std::move(text), usageOf(property), m_origin});
    }

    void addValue(std::vector<ContactValue>& values, const VCardProperty& property)
    {
        std::string text = unescapeVCardText(property.value);
        if (!text.empty()) {
            values.push_back({std::move(text), usageOf(property), m_origin});
        }
    }

    void readAddress(const VCardProperty& property)
    {
        // Post office box; extended address; street; locality; region; postal code; country.
        std::vector<std::string> parts = vCardComponents(property.value);
        parts.resize(7);
        if (std::all_of(parts.begin(), parts.end(), [](const std::string& part) { return part.empty(); })) {
            return;
        }
        const Usage usage = placeOf(property) == m_defaultPostalPlace ? Usage::Preferred : usageOf(property);
        m_contact.addresses.push_back({parts[2], parts[1], parts[0], parts[3], parts[4], parts[5], parts[6], usage, m_origin});
    }

    const VCard& m_card;
    Contact m_contact;
    Origin m_origin = NoOrigin; // of the property being read
    bool m_hasN = false;
    std::optional<Usage> m_defaultPostalPlace;
    std::map<std::string, std::string, std::less<>> m_labels; // by group
};

} // namespace

Contact VCardContact::fromCard(const VCard& card) { return ContactReader(card).read(); }

} // namespace zelmora
