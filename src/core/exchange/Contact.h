#pragma once
// One contact as another address book holds it, read from a vCard or a CSV row and not
// yet fitted to a friend's card: texts in UTF-8, every value of a kind in the order of
// the file, each with what its type says about it and where in the card it was read.

#include "core/exchange/CalendarDay.h"
#include "core/exchange/NotKept.h"

#include <string>
#include <vector>

namespace zelmora {

// What a phone, an e-mail, a web site or an address is for, in the order a card prefers them.
enum class Usage { Preferred, Home, Unspecified, Work };

// 1 + the index of the card's property a value was read from; NoOrigin for a CSV row's.
using Origin = std::size_t;
inline constexpr Origin NoOrigin = 0;

struct ContactValue {
    std::string text;
    Usage usage = Usage::Unspecified;
    Origin origin = NoOrigin;
};

struct ContactAddress {
    std::string street; // may hold several lines
    std::string extended;
    std::string postOfficeBox;
    std::string locality;
    std::string region;
    std::string postalCode;
    std::string country;
    Usage usage = Usage::Unspecified;
    Origin origin = NoOrigin;
};

enum class DateKind {
    Birthday,
    SaintsDay,
    Wedding,  // the reason becomes the card's word for a wedding anniversary
    Other,    // the reason becomes the card's "Other Date"
    Labelled, // the reason is the label, as written (an empty one included)
};

struct ContactDate {
    CalendarDay day;
    DateKind kind = DateKind::Labelled;
    std::string label;
    bool secondOther = false; // written as the card's second other date: back there when it is free
    Origin origin = NoOrigin;
};

struct Contact {
    std::string lastName;
    std::string firstName;
    std::string formattedName;
    std::string organisation;
    bool isOrganisation = false; // the program that wrote it says so
    Origin namesOrigin = NoOrigin; // of lastName and firstName
    Origin formattedNameOrigin = NoOrigin;
    Origin organisationOrigin = NoOrigin;

    std::vector<ContactValue> phones;  // voice phones other than mobiles
    std::vector<ContactValue> mobiles;
    std::vector<ContactValue> emails;
    std::vector<ContactValue> webSites;
    std::vector<ContactAddress> addresses;
    std::vector<ContactDate> dates;
    std::string notes;
    Origin notesOrigin = NoOrigin;

    // What the reader met that the card has no field for: job titles, photos, nicknames,
    // categories, and phones that are no voice phones (fax, pager, modem...).
    NotKept asides;
};

} // namespace zelmora
