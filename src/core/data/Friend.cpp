#include "core/data/Friend.h"

#include <algorithm>

namespace zelmora {

ShortTextRef fieldRef(TFriend& f, FriendField field)
{
    switch (field) {
    case FriendField::Nom: return f.Nom.ref();
    case FriendField::Prenom: return f.Prenom.ref();
    case FriendField::Adresse1: return f.Adresse1.ref();
    case FriendField::Adresse2: return f.Adresse2.ref();
    case FriendField::Code: return f.Code.ref();
    case FriendField::Ville: return f.Ville.ref();
    case FriendField::Etat: return f.Etat.ref();
    case FriendField::Pays: return f.Pays.ref();
    case FriendField::Telephone: return f.Telephone.ref();
    case FriendField::Portable: return f.Portable.ref();
    case FriendField::Anniversaire: return f.Anniversaire.ref();
    case FriendField::Fete: return f.Fete.ref();
    case FriendField::Date1: return f.Date1.ref();
    case FriendField::Raison1: return f.Raison1.ref();
    case FriendField::Date2: return f.Date2.ref();
    case FriendField::Raison2: return f.Raison2.ref();
    case FriendField::Www: return f.Www.ref();
    case FriendField::Mail: return f.Mail.ref();
    case FriendField::Notes: return f.Notes.ref();
    }
    return f.Notes.ref(); // unreachable: every enumerator is handled above
}

std::string_view fieldText(const TFriend& f, FriendField field)
{
    // The view is read-only; the reference is only needed to reach the field.
    return fieldRef(const_cast<TFriend&>(f), field).view();
}

bool isDateField(FriendField field)
{
    return field == FriendField::Anniversaire || field == FriendField::Fete || field == FriendField::Date1
        || field == FriendField::Date2;
}

std::optional<FriendField> friendFieldByName(std::string_view name)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        const std::string_view candidate = FriendFieldNames[i];
        if (candidate.size() == name.size()
            && std::equal(candidate.begin(), candidate.end(), name.begin(),
                          [&](char a, char b) { return lower(a) == lower(b); })) {
            return static_cast<FriendField>(i);
        }
    }
    return std::nullopt;
}

std::string listText(const TFriend& f)
{
    std::string text;
    text.reserve(f.Nom.size() + 1 + f.Prenom.size());
    text.append(f.Nom.view()).append(" ").append(f.Prenom.view());
    return text;
}

std::string listTextOf(const CardTexts& card)
{
    TFriend named;
    named.Nom.assign(trimControls(card[fieldIndex(FriendField::Nom)]));
    named.Prenom.assign(trimControls(card[fieldIndex(FriendField::Prenom)]));
    return listText(named);
}

} // namespace zelmora
