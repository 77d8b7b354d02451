#include "core/exchange/FriendUid.h"

#include "core/data/DateText.h"

#include <cstdio>
#include <unordered_map>

namespace zelmora {

namespace {

// FNV-1a: short and stable; a fingerprint, not a secret.
std::string fingerprint(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

} // namespace

FriendUids::FriendUids(const FriendTable& table)
{
    std::unordered_map<std::string, int> alike;
    m_stems.reserve(table.FriendCount);
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        std::string key = listText(table[slot]);
        key.append(1, '\x1f').append(table[slot].Anniversaire.view());
        const int earlier = alike[key]++;
        m_stems.push_back(fingerprint(key) + (earlier > 0 ? "-" + NumToText(earlier + 1) : ""));
    }
}

} // namespace zelmora
