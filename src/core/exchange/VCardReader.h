#pragma once
// Reads the cards of a vCard file of version 2.1, 3.0 or 4.0: unfolds lines, joins 2.1
// quoted-printable soft line breaks, splits names, parameters and values, and undoes
// QUOTED-PRINTABLE and CHARSET. A card nested in another (2.1's AGENT) is skipped.

#include "core/exchange/VCard.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace zelmora {

enum class VCardProblem {
    CardNotEnded,     // BEGIN:VCARD without its END:VCARD
    LineWithoutColon, // a line inside a card that is no property
    TextOutsideCard,  // anything but blank lines between cards
    NoCard,           // nothing at all
};

struct VCardReadError {
    VCardProblem problem = VCardProblem::NoCard;
    std::size_t line = 0; // 1-based, where the faulty line (or the unended card) begins
};

struct VCardReadResult {
    std::vector<VCard> cards;
    std::optional<VCardReadError> error; // when set, `cards` is empty: a file is read whole or not at all
};

class VCardReader {
public:
    static VCardReadResult read(std::string_view bytes);
};

} // namespace zelmora
