#include "core/exchange/ImportReport.h"

#include "core/data/DateText.h"

namespace zelmora {

std::string ImportReport::summary(Language language) const
{
    const auto count = [](std::size_t n) { return NumToText(static_cast<std::int32_t>(n)); };
    return std::string(LangText(lang::ImportedCount, language)) + count(imported.size())
        + std::string(LangText(lang::DuplicatesCount, language)) + count(duplicates.size())
        + std::string(LangText(lang::NamelessCount, language)) + count(nameless)
        + std::string(LangText(lang::ChangedCharactersCount, language)) + count(changedCharacters);
}

std::vector<std::string> ImportReport::details(Language language) const
{
    std::vector<std::string> lines;
    for (const std::string& name : duplicates) {
        lines.push_back(std::string(LangText(lang::DuplicateSkipped, language)) + name);
    }
    for (const std::string& name : changed) {
        lines.push_back(std::string(LangText(lang::CharactersChangedFor, language)) + name);
    }
    if (leftOut > 0) {
        lines.push_back(std::string(LangText(lang::CardsLeftOut, language))
                        + NumToText(static_cast<std::int32_t>(leftOut)));
    }
    return lines;
}

} // namespace zelmora
