#include "core/exchange/ImportReport.h"

#include "core/data/DateText.h"

namespace zelmora {

namespace {

std::string count(std::size_t n) { return NumToText(static_cast<std::int32_t>(n)); }

} // namespace

std::uint16_t labelOf(FriendField field)
{
    switch (field) {
    case FriendField::Anniversaire: return lang::Birthday;
    case FriendField::Fete: return lang::SaintsDay;
    case FriendField::Date1: return lang::Date1;
    case FriendField::Date2: return lang::Date2;
    case FriendField::Nom: return lang::LastName;
    case FriendField::Prenom: return lang::FirstName;
    case FriendField::Adresse1: return lang::Address;
    case FriendField::Adresse2: return lang::AddressSecondLine;
    case FriendField::Code: return lang::ZipCode;
    case FriendField::Ville: return lang::City;
    case FriendField::Etat: return lang::State;
    case FriendField::Pays: return lang::Country;
    case FriendField::Telephone: return lang::PhoneNumber;
    case FriendField::Portable: return lang::MobilePhone;
    case FriendField::Raison1: return lang::Reason1;
    case FriendField::Raison2: return lang::Reason2;
    case FriendField::Www: return lang::InternetSite;
    case FriendField::Mail: return lang::EmailAddress;
    case FriendField::Notes: break;
    }
    return lang::Notes;
}

namespace {

// "DUPONT Anne (Address, Notes)" after the text of `pair`, one line per friend.
void appendFieldLines(std::vector<std::string>& lines, std::uint16_t pair, const std::vector<NamedFields>& friends,
                      Language language)
{
    for (const NamedFields& named : friends) {
        std::string line = std::string(LangText(pair, language)) + named.name + " (";
        for (std::size_t i = 0; i < named.fields.size(); ++i) {
            line.append(i > 0 ? ", " : "").append(LangText(labelOf(named.fields[i]), language));
        }
        lines.push_back(line + ")");
    }
}

void appendNameLines(std::vector<std::string>& lines, std::uint16_t pair, const std::vector<std::string>& names,
                     Language language)
{
    for (const std::string& name : names) {
        lines.push_back(std::string(LangText(pair, language)) + name);
    }
}

void appendCountLine(std::vector<std::string>& lines, std::uint16_t pair, std::size_t n, Language language)
{
    if (n > 0) {
        lines.push_back(std::string(LangText(pair, language)) + count(n));
    }
}

// "Unreadable lines skipped: 7 (lines 3, 9, 12, 40, 41, …)"
std::string skippedLinesLine(const SkippedLines& skipped, Language language)
{
    std::string line = std::string(LangText(lang::UnreadableLinesSkipped, language)) + count(skipped.count)
        + std::string(LangText(lang::LineNumbers, language));
    for (std::size_t i = 0; i < skipped.firstNumbers.size(); ++i) {
        line.append(i > 0 ? ", " : "").append(count(skipped.firstNumbers[i]));
    }
    return line.append(skipped.count > skipped.firstNumbers.size() ? ", \x85)" : ")");
}

} // namespace

void ImportReport::addImported(std::string name, const FriendNotes& notes)
{
    const auto noteFields = [&](std::vector<NamedFields>& list, const std::vector<FriendField>& fields) {
        if (!fields.empty()) {
            list.push_back({name, fields});
        }
    };
    noteFields(cut, notes.cut);
    noteFields(tooLongReplaced, notes.tooLongReplaced);
    noteFields(tooLongEmptied, notes.tooLongEmptied);
    if (notes.changedCharacters > 0) {
        changedCharacters += notes.changedCharacters;
        changed.push_back(name);
    }
    if (notes.namedFromEmail) {
        namedFromEmail.push_back(name);
    }
    controlCharacters += notes.controlCharacters;
    notKept += notes.notKept;
    imported.push_back(std::move(name));
}

std::string ImportReport::summary(Language language) const
{
    std::string text = std::string(LangText(lang::ImportedCount, language)) + count(imported.size())
        + std::string(LangText(lang::DuplicatesCount, language)) + count(duplicates.size())
        + std::string(LangText(lang::NamelessCount, language)) + count(nameless)
        + std::string(LangText(lang::ChangedCharactersCount, language)) + count(changedCharacters);
    if (controlCharacters > 0) {
        text.append(LangText(lang::ControlCharactersCount, language)).append(count(controlCharacters));
    }
    return text;
}

std::vector<std::string> ImportReport::details(Language language) const
{
    std::vector<std::string> lines;
    if (skippedLines.count > 0) {
        lines.push_back(skippedLinesLine(skippedLines, language));
    }
    appendNameLines(lines, lang::DuplicateSkipped, duplicates, language);
    appendNameLines(lines, lang::CharactersChangedFor, changed, language);
    appendFieldLines(lines, lang::CutToFit, cut, language);
    appendFieldLines(lines, lang::TooLongOtherTaken, tooLongReplaced, language);
    appendFieldLines(lines, lang::TooLongLeftEmpty, tooLongEmptied, language);
    appendNameLines(lines, lang::NamedFromEmail, namedFromEmail, language);
    if (const std::string counts = notKept.counts(language); !counts.empty()) {
        lines.push_back(std::string(LangText(lang::NotKeptIntro, language)) + counts);
    }
    appendCountLine(lines, lang::CardsLeftOut, leftOut, language);
    appendCountLine(lines, lang::ContactsBeyondLimit, beyondLimit, language);
    return lines;
}

} // namespace zelmora
