#include "core/sync/FriendMatcher.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;
using test::makeFriend;

std::vector<std::optional<std::size_t>> match(const std::vector<TFriend>& before, const std::vector<TFriend>& now)
{
    std::vector<const TFriend*> b, n;
    for (const TFriend& f : before) {
        b.push_back(&f);
    }
    for (const TFriend& f : now) {
        n.push_back(&f);
    }
    return FriendMatcher::match(b, n);
}

TEST(FriendMatcher, FindsFriendsUnchangedThenByNameThenByABirthdayNobodyElseHas)
{
    using Pairs = std::vector<std::optional<std::size_t>>;
    const TFriend anne = makeFriend("DUPONT", "Anne", {{F::Anniversaire, "05/01/1980"}, {F::Telephone, "01"}});
    const TFriend anneNewPhone = makeFriend("DUPONT", "Anne", {{F::Anniversaire, "05/01/1980"}, {F::Telephone, "02"}});
    const TFriend anneMarried = makeFriend("MARTIN", "Anne", {{F::Anniversaire, "05/01/1980"}});
    const TFriend anneLowerCase = makeFriend("Dupont", " Anne ");
    const TFriend luc = makeFriend("MARTIN", "Luc", {{F::Anniversaire, "05/01/1980"}});
    const TFriend noBirthday = makeFriend("X", "", {{F::Anniversaire, "  /  /    "}});
    const TFriend otherNoBirthday = makeFriend("Y", "", {{F::Anniversaire, "  /  /    "}});
    const struct {
        const char* what;
        std::vector<TFriend> before, now;
        Pairs expected;
    } cases[] = {
        {"unchanged, in another order", {anne, luc}, {luc, anne}, {1, 0}},
        {"a field changed: by name", {anne}, {anneNewPhone}, {0}},
        {"the name in another case and with blanks", {anne}, {anneLowerCase}, {0}},
        {"renamed: by birthday", {anne}, {anneMarried}, {0}},
        {"renamed, and another born that day: nobody", {anne}, {anneMarried, luc}, {std::nullopt}},
        {"the unchanged friend first", {anne, anneNewPhone}, {anneNewPhone, anne}, {1, 0}},
        {"no birthday is no clue", {noBirthday}, {otherNoBirthday}, {std::nullopt}},
        {"gone", {anne}, {}, {std::nullopt}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(match(c.before, c.now), c.expected) << c.what;
    }
}

} // namespace
} // namespace zelmora
