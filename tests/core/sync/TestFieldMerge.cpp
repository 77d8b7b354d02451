#include "core/sync/FieldMerge.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;
using test::makeFriend;

TEST(FieldMerge, EachFieldTakesTheSideThatChangedItAndTheServerWinsWhenBothDid)
{
    const struct {
        const char* what;
        std::string_view here, hereSeen, server;
        std::string_view merged, seen;
        bool conflict;
    } cases[] = {
        {"unchanged", "01", "01", "01", "01", "01", false},
        {"changed here", "02", "02", "01", "02", "02", false},
        {"changed there", "01", "01", "03", "03", "03", false},
        {"changed alike", "04", "04", "04", "04", "04", false},
        {"changed differently", "02", "02", "03", "03", "03", true},
        {"only the server's reading differs", "Dupont", "01", "01", "Dupont", "01", false},
        {"typed here as the server cannot say", "Dupont", "02", "01", "Dupont", "02", false},
    };
    const TFriend base = makeFriend("DUPONT", "Anne", {{F::Telephone, "01"}});
    for (const auto& c : cases) {
        const TFriend here = makeFriend("DUPONT", "Anne", {{F::Telephone, c.here}});
        const TFriend hereSeen = makeFriend("DUPONT", "Anne", {{F::Telephone, c.hereSeen}});
        const TFriend server = makeFriend("DUPONT", "Anne", {{F::Telephone, c.server}});
        const MergedFriend merged = mergeFriend({base, here, hereSeen, server});
        EXPECT_EQ(merged.merged.Telephone, c.merged) << c.what;
        EXPECT_EQ(merged.seen.Telephone, c.seen) << c.what;
        ASSERT_EQ(merged.conflicts.size(), c.conflict ? 1u : 0u) << c.what;
        if (c.conflict) {
            EXPECT_EQ(merged.conflicts[0].field, F::Telephone);
            EXPECT_EQ(merged.conflicts[0].here, c.here);
            EXPECT_EQ(merged.conflicts[0].server, c.server);
        }
    }
}

TEST(FieldMerge, FieldsMergeOneByOne)
{
    const TFriend base = makeFriend("DUPONT", "Anne", {{F::Telephone, "01"}, {F::Ville, "Lyon"}, {F::Mail, "a@b"}});
    const TFriend here = makeFriend("DUPONT", "Anne", {{F::Telephone, "02"}, {F::Ville, "Paris"}, {F::Mail, "a@b"}});
    const TFriend server = makeFriend("DUPONT", "Annie", {{F::Telephone, "01"}, {F::Ville, "Lille"}, {F::Mail, "c@d"}});
    const MergedFriend merged = mergeFriend({base, here, here, server});
    EXPECT_EQ(merged.merged, makeFriend("DUPONT", "Annie", {{F::Telephone, "02"}, {F::Ville, "Lille"}, {F::Mail, "c@d"}}));
    ASSERT_EQ(merged.conflicts.size(), 1u);
    EXPECT_EQ(merged.conflicts[0].field, F::Ville);
    EXPECT_EQ(merged.conflicts[0].here, "Paris");
}

} // namespace
} // namespace zelmora
