#include "core/sync/FriendMatcher.h"

#include "core/base/Cp1252.h"
#include "core/base/ShortText.h"

#include <functional>
#include <map>

namespace zelmora {

namespace {

using Pairs = std::vector<std::optional<std::size_t>>;

std::string wholeFriend(const TFriend& f)
{
    std::string key;
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        key.append(fieldText(f, static_cast<FriendField>(i))).append(1, '\x1f');
    }
    return key;
}

// A birthday that names a day: "  /  /    " and half-typed dates find nobody.
std::string birthdayKey(const TFriend& f)
{
    const std::string_view date = f.Anniversaire.view();
    return date.size() >= 5 && date.substr(0, 5).find(' ') == std::string_view::npos ? std::string(date) : std::string();
}

class Pairing {
public:
    Pairing(const std::vector<const TFriend*>& before, const std::vector<const TFriend*>& now)
        : m_before(before), m_now(now), m_pairs(before.size()), m_taken(now.size(), false)
    {
    }

    // Pairs the unpaired friends whose keys are equal and not empty, in order.
    void pairBy(const std::function<std::string(const TFriend&)>& key, bool onlyUnique)
    {
        std::map<std::string, std::vector<std::size_t>> waiting; // unpaired friends of `now` by key
        for (std::size_t i = 0; i < m_now.size(); ++i) {
            if (!m_taken[i]) {
                waiting[key(*m_now[i])].push_back(i);
            }
        }
        std::map<std::string, std::size_t> wanted; // how many unpaired friends of `before` have each key
        for (std::size_t i = 0; i < m_before.size(); ++i) {
            wanted[m_pairs[i] ? std::string() : key(*m_before[i])] += m_pairs[i] ? 0 : 1;
        }
        for (std::size_t i = 0; i < m_before.size(); ++i) {
            const std::string k = m_pairs[i] ? std::string() : key(*m_before[i]);
            auto found = waiting.find(k);
            if (k.empty() || found == waiting.end() || found->second.empty()
                || (onlyUnique && (found->second.size() > 1 || wanted[k] > 1))) {
                continue;
            }
            m_pairs[i] = found->second.front();
            m_taken[found->second.front()] = true;
            found->second.erase(found->second.begin());
        }
    }

    Pairs result() const { return m_pairs; }

private:
    const std::vector<const TFriend*>& m_before;
    const std::vector<const TFriend*>& m_now;
    Pairs m_pairs;
    std::vector<bool> m_taken;
};

} // namespace

std::string FriendMatcher::nameKey(const TFriend& f)
{
    return cp1252::toUpper(trimControls(f.Nom.view())) + " " + std::string(trimControls(f.Prenom.view()));
}

Pairs FriendMatcher::match(const std::vector<const TFriend*>& before, const std::vector<const TFriend*>& now)
{
    Pairing pairing(before, now);
    pairing.pairBy(wholeFriend, false);
    pairing.pairBy(nameKey, false);
    pairing.pairBy(birthdayKey, true); // two friends born on one day are no clue
    return pairing.result();
}

} // namespace zelmora
