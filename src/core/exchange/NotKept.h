#pragma once
// What an imported contact held that a friend's card has no place for, counted by kind,
// so that nothing is lost without the user knowing.

#include "core/base/LangText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zelmora {

struct NotKept {
    std::size_t organisations = 0; // beside the name of a person
    std::size_t jobTitles = 0;
    std::size_t photos = 0;
    std::size_t nicknames = 0;
    std::size_t categories = 0;
    std::size_t phones = 0;
    std::size_t emails = 0;
    std::size_t addresses = 0;
    std::size_t webSites = 0;
    std::size_t dates = 0;

    NotKept& operator+=(const NotKept& other);
    // "organisations 2, photos 5": the kinds met, in `language`; empty when none.
    std::string counts(Language language) const;
};

} // namespace zelmora
