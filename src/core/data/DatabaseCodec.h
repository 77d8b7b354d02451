#pragma once
// The bytes of the database file: the header field (version tag, five option digits,
// friend count) followed by nineteen fields per friend.

#include "core/data/DisplayOptions.h"
#include "core/data/FriendTable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelmora {

inline constexpr std::string_view CurrentVersionTag = "v3.0";

// No database can be larger: 1000 friends at full capacity take about 1.1 MB. A larger
// file is damaged and is not read at all.
inline constexpr std::uintmax_t MaxDatabaseBytes = 4 * 1024 * 1024;

// The whole file, in the current version.
std::string encodeDatabase(const FriendTable& table, const DisplayOptions& options);

enum class DecodeStatus {
    Loaded,
    MoreThanCounted, // the counted friends were read, and bytes follow them: a lowered count
    NewerVersion,
    Damaged,
};

// What a read keeps for the next save, besides the friends and options it fills in.
struct DecodedHeader {
    std::string fileVersion; // the four-character tag read; empty when none was read
    DisplayOptions kept;     // option digits as read, 0 for those the file lacks
};

// What a damaged file leaves of the options: the first four reset, the extra column kept.
void resetAfterDamage(DisplayOptions& options);

// Fills `table` (slots 1 to FriendCount) and `options` from the file's bytes, as the
// load does: a newer version leaves both untouched; a damaged file leaves an empty table
// and the first option groups reset. Bytes after the last counted friend are not read.
DecodeStatus decodeDatabase(std::string_view bytes, FriendTable& table, DisplayOptions& options,
                            DecodedHeader& header);

} // namespace zelmora
