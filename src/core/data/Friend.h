#pragma once
// One friend: nineteen short texts in the order in which every part of the program,
// the database file included, walks them.

#include "core/base/ShortText.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

struct TFriend {
    ShortText<50> Nom;
    ShortText<50> Prenom;
    ShortText<100> Adresse1;
    ShortText<100> Adresse2;
    ShortText<10> Code;
    ShortText<50> Ville;
    ShortText<50> Etat;
    ShortText<50> Pays;
    ShortText<30> Telephone;
    ShortText<30> Portable;
    ShortText<10> Anniversaire;
    ShortText<10> Fete;
    ShortText<10> Date1;
    ShortText<50> Raison1;
    ShortText<10> Date2;
    ShortText<50> Raison2;
    ShortText<100> Www;
    ShortText<50> Mail;
    ShortText<200> Notes;

    friend bool operator==(const TFriend&, const TFriend&) = default;
};

// Field numbers, 0-based, in record order.
enum class FriendField {
    Nom, Prenom, Adresse1, Adresse2, Code, Ville, Etat, Pays, Telephone, Portable,
    Anniversaire, Fete, Date1, Raison1, Date2, Raison2, Www, Mail, Notes
};
inline constexpr std::size_t FriendFieldCount = 19;

inline constexpr std::array<std::string_view, FriendFieldCount> FriendFieldNames = {
    "Nom", "Prenom", "Adresse1", "Adresse2", "Code", "Ville", "Etat", "Pays", "Telephone", "Portable",
    "Anniversaire", "Fete", "Date1", "Raison1", "Date2", "Raison2", "Www", "Mail", "Notes"};

ShortTextRef fieldRef(TFriend& f, FriendField field);
std::string_view fieldText(const TFriend& f, FriendField field);
bool isDateField(FriendField field);

// The field named `name`, compared case-insensitively (ASCII letters).
std::optional<FriendField> friendFieldByName(std::string_view name);

// Nom, one blank, Prenom: what the friend list shows and what duplicate tests compare.
std::string listText(const TFriend& f);

// The texts of the nineteen card controls, in field order. The window and the command
// line both fill one of these and hand it to the table.
using CardTexts = std::array<std::string, FriendFieldCount>;

// The list text the card's names will have once stored (trimmed, cut to their capacity).
std::string listTextOf(const CardTexts& card);

inline constexpr std::size_t fieldIndex(FriendField field) { return static_cast<std::size_t>(field); }

} // namespace zelmora
