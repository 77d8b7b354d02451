#pragma once
// Where the nineteen fields of a friend sit: the same places on the friend card and on
// its read-only copy under the dates list, each with its label.

#include "core/base/LangText.h"
#include "core/data/Friend.h"

#include <array>
#include <cstdint>

namespace zelmora::gui {

struct CardFieldPlace {
    FriendField field;
    const char* name;      // the card's control; its copy on the Dates tab is "E" + name
    int left, top, width, height;
    const char* label;      // the label on the card, if any
    const char* datesLabel; // the label of the copy
    int labelLeft, labelTop;
    std::uint16_t pair; // the label's text; for a field without label, what a screen reader says
};

inline constexpr std::array<CardFieldPlace, FriendFieldCount> CardFieldPlaces = {{
    {FriendField::Nom, "NOM", 80, 104, 169, 24, "Label1", "Label15", 8, 104, lang::LastName},
    {FriendField::Prenom, "PRENOM", 328, 104, 169, 24, "Label2", "Label16", 256, 104, lang::FirstName},
    {FriendField::Adresse1, "ADRESSE1", 64, 128, 433, 24, "Label3", "Label17", 8, 128, lang::Address},
    {FriendField::Adresse2, "ADRESSE2", 8, 152, 313, 24, nullptr, nullptr, 0, 152, lang::Address},
    {FriendField::Code, "CODE", 88, 176, 65, 24, "Label4", "Label18", 8, 176, lang::ZipCode},
    {FriendField::Ville, "VILLE", 360, 152, 137, 24, "Label5", "Label19", 328, 152, lang::City},
    {FriendField::Etat, "ETAT", 200, 176, 121, 24, "Label33", "Label34", 160, 176, lang::State},
    {FriendField::Pays, "PAYS", 376, 176, 121, 24, "Label6", "Label20", 328, 176, lang::Country},
    {FriendField::Telephone, "TELEPHONE", 104, 200, 121, 24, "Label7", "Label21", 8, 200, lang::PhoneNumber},
    {FriendField::Portable, "PORTABLE", 376, 200, 121, 24, "Label31", "Label32", 232, 200, lang::MobilePhone},
    {FriendField::Anniversaire, "ANNIVERSAIRE", 120, 224, 73, 24, "Label8", "Label22", 8, 224, lang::Birthday},
    {FriendField::Fete, "FETE", 280, 224, 73, 24, "Label9", "Label23", 200, 224, lang::SaintsDay},
    {FriendField::Date1, "DATE1", 64, 248, 73, 24, "Label10", "Label25", 8, 248, lang::Date1},
    {FriendField::Raison1, "RAISON1", 216, 248, 281, 24, "Label11", "Label24", 144, 248, lang::Reason1},
    {FriendField::Date2, "DATE2", 64, 272, 73, 24, "Label12", "Label26", 8, 272, lang::Date2},
    {FriendField::Raison2, "RAISON2", 216, 272, 281, 24, "Label13", "Label27", 144, 272, lang::Reason2},
    {FriendField::Www, "WWW", 88, 296, 145, 24, nullptr, nullptr, 0, 296, lang::InternetSite},
    {FriendField::Mail, "MAIL", 280, 296, 137, 24, nullptr, nullptr, 0, 0, 0},
    {FriendField::Notes, "NOTES", 48, 320, 329, 41, "Label14", "Label28", 8, 328, lang::Notes},
}};

// The hint beside the dates: "(Dates : dd/mm/yyyy)".
inline constexpr int DateHintLeft = 368;
inline constexpr int DateHintTop = 224;

} // namespace zelmora::gui
