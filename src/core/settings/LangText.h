#pragma once
// The bilingual text table: every text that changes with the language is one numbered
// English/French pair, fetched in the current language.

#include <cstdint>
#include <string_view>

namespace zelmora {

enum class Language : std::uint8_t { English = 0, French = 1 };

// The text of pair `pair` in `language`, as Windows-1252 bytes; empty for an unknown pair.
std::string_view LangText(std::uint16_t pair, Language language);

// Pairs added for messages of this program's own (numbered from 180 on).
namespace lang {
inline constexpr std::uint16_t CannotCreateDatabase = 180;
inline constexpr std::uint16_t DamagedFileKept = 181;
inline constexpr std::uint16_t TableFull = 182;
inline constexpr std::uint16_t CharacterNotStorable = 183;
inline constexpr std::uint16_t NoSuchFriend = 184;
inline constexpr std::uint16_t DatabaseNotSaved = 185;
inline constexpr std::uint16_t AutoStartFailed = 186;
inline constexpr std::uint16_t NothingToPrint = 187;
} // namespace lang

} // namespace zelmora
