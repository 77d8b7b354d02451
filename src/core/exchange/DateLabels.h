#pragma once
// The labels that dated events carry between address books (Apple's X-ABLabel, Google's
// event labels, Android's custom events): which of the card's dates a label makes, and
// which labels the card's own dates get on export, so that they come back where they were.

#include "core/base/LangText.h"
#include "core/exchange/Contact.h"

#include <string>
#include <string_view>

namespace zelmora {

// What a label read from a file makes: Apple's "_$!<Anniversary>!$_", Google's "Anniversary"
// or the card's own wedding word a wedding anniversary, "Other" an other date, the card's
// saint's day word in either language a saint's day; any other label is the reason itself
// (Labelled).
DateKind dateKindOfLabel(std::string_view label);

// Whether a reason is the card's wedding word, in either language.
bool isWeddingReason(std::string_view reasonCp1252);

// The label that brings a saint's day back: "Saint's day" or "Fête".
std::string saintsDayLabel(Language language);

} // namespace zelmora
