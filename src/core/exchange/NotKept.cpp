#include "core/exchange/NotKept.h"

#include "core/data/DateText.h"

namespace zelmora {

namespace {

struct Kind {
    std::size_t NotKept::*count;
    std::uint16_t name;
};

constexpr std::array<Kind, 10> Kinds = {{
    {&NotKept::organisations, lang::NotKeptOrganisations},
    {&NotKept::jobTitles, lang::NotKeptJobTitles},
    {&NotKept::photos, lang::NotKeptPhotos},
    {&NotKept::nicknames, lang::NotKeptNicknames},
    {&NotKept::categories, lang::NotKeptCategories},
    {&NotKept::phones, lang::NotKeptPhones},
    {&NotKept::emails, lang::NotKeptEmails},
    {&NotKept::addresses, lang::NotKeptAddresses},
    {&NotKept::webSites, lang::NotKeptWebSites},
    {&NotKept::dates, lang::NotKeptDates},
}};

} // namespace

NotKept& NotKept::operator+=(const NotKept& other)
{
    for (const Kind& kind : Kinds) {
        this->*kind.count += other.*kind.count;
    }
    return *this;
}

std::string NotKept::counts(Language language) const
{
    std::string text;
    for (const Kind& kind : Kinds) {
        if (this->*kind.count > 0) {
            text.append(text.empty() ? "" : ", ")
                .append(LangText(kind.name, language))
                .append(" ")
                .append(NumToText(static_cast<std::int32_t>(this->*kind.count)));
        }
    }
    return text;
}

} // namespace zelmora
