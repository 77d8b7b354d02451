#include "core/exchange/DateLabels.h"

#include "core/base/Cp1252.h"
#include "core/exchange/VCard.h"

namespace zelmora {

namespace {

bool isWordOfPair(std::string_view utf8, std::uint16_t pair)
{
    return equalsIgnoringCase(utf8, cp1252::toUtf8(LangText(pair, Language::English)))
        || equalsIgnoringCase(utf8, cp1252::toUtf8(LangText(pair, Language::French)));
}

// "_$!<Anniversary>!$_" as Apple writes its own labels, "* Anniversary" as Google marks the
// first of a kind: the word inside.
std::string_view bareLabel(std::string_view label)
{
    if (label.starts_with("_$!<") && label.ends_with(">!$_") && label.size() >= 8) {
        return label.substr(4, label.size() - 8);
    }
    return label.starts_with("* ") ? label.substr(2) : label;
}

} // namespace

DateKind dateKindOfLabel(std::string_view label)
{
    const std::string_view word = bareLabel(label);
    if (equalsIgnoringCase(word, "Anniversary") || isWordOfPair(word, lang::WeddingAnniversary)) {
        return DateKind::Wedding;
    }
    if (equalsIgnoringCase(word, "Other")) {
        return DateKind::Other;
    }
    return isWordOfPair(word, lang::SaintsDayOccasion) ? DateKind::SaintsDay : DateKind::Labelled;
}

bool isWeddingReason(std::string_view reasonCp1252)
{
    return reasonCp1252 == LangText(lang::WeddingAnniversary, Language::English)
        || reasonCp1252 == LangText(lang::WeddingAnniversary, Language::French);
}

std::string saintsDayLabel(Language language) { return cp1252::toUtf8(LangText(lang::SaintsDayOccasion, language)); }

} // namespace zelmora
