// The database file format, byte for byte, against files assembled here by hand.
#include "core/data/DatabaseCodec.h"
#include "core/data/FieldCodec.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

#include <array>

#include <vector>

using namespace zelmora;
using zelmora::test::makeFriend;
using zelmora::test::makeTable;

namespace {

// One field written out by hand: the key is "tkzq", byte j takes key character (j+3) mod 4.
std::string handScrambled(std::string_view text)
{
    const std::string key = "tkzq";
    std::string out;
    for (std::size_t j = 0; j < text.size(); ++j) {
        out += static_cast<char>(text[j] ^ key[(j + 3) % 4]);
    }
    return out;
}

std::string handField(std::string_view value)
{
    char digits[6];
    std::snprintf(digits, sizeof digits, "%05zu", value.size());
    return handScrambled(digits) + handScrambled(value);
}

// A friend's fields as an older or current version writes them.
std::string handFriend(const std::vector<std::string>& values)
{
    std::string bytes;
    for (const std::string& value : values) {
        bytes += handField(value);
    }
    return bytes;
}

const std::vector<std::string> DupontV30 = {"DUPONT", "Jean", "1 rue Haute", "B\xE2timent C", "75001", "Paris", "IDF",
                                            "France", "0102030405", "0607080910", "05/01/1980", "24/06/    ",
                                            " 1/ 2/2003", "Wedding", "  /  /    ", "", "www.dupont.example",
                                            "jean@dupont.example", "likes\ntea"};

// The options whose items are `items`, in the header's order.
DisplayOptions optionsOf(std::array<std::uint8_t, DisplayOptionCount> items)
{
    DisplayOptions options;
    for (std::size_t i = 0; i < DisplayOptionCount; ++i) {
        setItem(options, static_cast<DisplayOption>(i), items[i]);
    }
    return options;
}

struct Loaded {
    std::unique_ptr<FriendTable> table = std::make_unique<FriendTable>();
    DisplayOptions options;
    DecodedHeader header;
    DecodeStatus status = DecodeStatus::Damaged;
};

Loaded decode(std::string_view bytes, DisplayOptions options = {})
{
    Loaded loaded;
    loaded.options = options;
    loaded.status = decodeDatabase(bytes, *loaded.table, loaded.options, loaded.header);
    return loaded;
}

} // namespace

TEST(FieldCodec, ScrambleMatchesTheKeyRuleAndUndoesItself)
{
    EXPECT_EQ(Scramble("00010"), "AD[KA");
    EXPECT_EQ(Scramble("v3.0000000"), handScrambled("v3.0000000"));
    EXPECT_EQ(Scramble(Scramble("any text \xE9\xE8")), "any text \xE9\xE8");
    EXPECT_EQ(LengthDigits(0), "00000");
    EXPECT_EQ(LengthDigits(255), "00255");
}

TEST(FieldCodec, AnEmptyFieldIsFiveBytes)
{
    std::string bytes;
    WriteField(bytes, "");
    EXPECT_EQ(bytes, handScrambled("00000"));
    FieldReader reader(bytes);
    EXPECT_EQ(reader.ReadField(), std::string());
    EXPECT_FALSE(reader.ReadField()); // past the end
}

TEST(FieldCodec, ReaderRefusesNonDigitLengthsAndShortValues)
{
    EXPECT_FALSE(FieldReader(handScrambled("0001x") + "a").ReadField());
    EXPECT_FALSE(FieldReader(handScrambled("00005") + handScrambled("abc")).ReadField());
    EXPECT_FALSE(FieldReader("AD[").ReadField());
}

TEST(DatabaseCodec, FreshFileIsTheHeaderAlone)
{
    const std::string expected = "\x41\x44\x5b\x4b\x41\x07\x47\x45\x4a\x41\x44\x5b\x4a\x41\x44";
    EXPECT_EQ(encodeDatabase(FriendTable{}, DisplayOptions{}), expected);
    EXPECT_EQ(expected, handField("v3.0000000"));
}

TEST(DatabaseCodec, HeaderHoldsTheOptionDigitsAndTheCount)
{
    auto table = std::make_unique<FriendTable>();
    table->FriendCount = 25;
    const std::string bytes = encodeDatabase(*table, optionsOf({1, 0, 0, 0, 1}));
    EXPECT_EQ(bytes.substr(0, 16), handField("v3.01000125"));

    const Loaded loaded = decode(handField("v3.01201225") + bytes.substr(16));
    EXPECT_EQ(loaded.status, DecodeStatus::Loaded);
    EXPECT_EQ(loaded.table->FriendCount, 25);
    EXPECT_EQ(loaded.options, optionsOf({1, 2, 0, 1, 2}));
    EXPECT_EQ(loaded.header.kept, loaded.options);
    EXPECT_EQ(loaded.header.fileVersion, "v3.0");
}

TEST(DatabaseCodec, CurrentVersionRoundTripsByteForByte)
{
    const std::string file = handField("v3.0000102") + handFriend(DupontV30) + handFriend(DupontV30);
    const Loaded loaded = decode(file);
    ASSERT_EQ(loaded.status, DecodeStatus::Loaded);
    EXPECT_EQ((*loaded.table)[1].Adresse2.str(), "B\xE2timent C"); // accented bytes kept
    EXPECT_EQ((*loaded.table)[1].Notes.str(), "likes\ntea");
    EXPECT_EQ(encodeDatabase(*loaded.table, loaded.options), file);
}

TEST(DatabaseCodec, CarriageReturnsLeaveTheNotes)
{
    auto table = makeTable({makeFriend("A", "", {{FriendField::Notes, "one\r\ntwo\r\n"}})});
    const Loaded loaded = decode(encodeDatabase(*table, {}));
    EXPECT_EQ((*loaded.table)[1].Notes.str(), "one\ntwo\n");
}

TEST(DatabaseCodec, OlderVersionsLackFieldsAndAreRewrittenCurrent)
{
    struct Case {
        std::string header;
        std::vector<std::size_t> missing; // field numbers the version does not hold
    };
    const Case cases[] = {
        {"v2.3102", {fieldIndex(FriendField::Etat), fieldIndex(FriendField::Portable), fieldIndex(FriendField::Www),
                     fieldIndex(FriendField::Mail)}},
        {"v2.4012", {fieldIndex(FriendField::Etat), fieldIndex(FriendField::Www), fieldIndex(FriendField::Mail)}},
        {"v2.5112", {fieldIndex(FriendField::Etat)}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> older;
        std::vector<std::string> current = DupontV30;
        for (std::size_t i = 0; i < DupontV30.size(); ++i) {
            if (std::find(c.missing.begin(), c.missing.end(), i) == c.missing.end()) {
                older.push_back(DupontV30[i]);
            } else {
                current[i].clear();
            }
        }
        const Loaded loaded = decode(handField(c.header) + handFriend(older) + handFriend(older));
        ASSERT_EQ(loaded.status, DecodeStatus::Loaded) << c.header;
        EXPECT_EQ(loaded.header.fileVersion, c.header.substr(0, 4));
        const std::string optionDigits = c.header.substr(4, 2) + "000";
        EXPECT_EQ(encodeDatabase(*loaded.table, loaded.options),
                  handField("v3.0" + optionDigits + "2") + handFriend(current) + handFriend(current))
            << c.header;
    }
}

TEST(DatabaseCodec, ValuesLongerThanTheirFieldAreCut)
{
    std::vector<std::string> values = DupontV30;
    values[0] = std::string(60, 'N');
    const Loaded loaded = decode(handField("v3.0000001") + handFriend(values));
    ASSERT_EQ(loaded.status, DecodeStatus::Loaded);
    EXPECT_EQ((*loaded.table)[1].Nom.str(), std::string(50, 'N'));
    EXPECT_EQ((*loaded.table)[1].Prenom.str(), "Jean");
}

TEST(DatabaseCodec, NewerVersionReadsNothing)
{
    const Loaded loaded = decode(handField("v3.1120055") + "whatever follows", optionsOf({0, 1, 0, 0, 0}));
    EXPECT_EQ(loaded.status, DecodeStatus::NewerVersion);
    EXPECT_EQ(loaded.header.fileVersion, "v3.1");
    EXPECT_EQ(loaded.table->FriendCount, 0);
    EXPECT_EQ(loaded.options, optionsOf({0, 1, 0, 0, 0}));
}

TEST(DatabaseCodec, DamagedFilesGiveAnEmptyTableAndResetOptions)
{
    const std::string twoFriends = handField("v3.0121212") + handFriend(DupontV30) + handFriend(DupontV30);
    const std::string damaged[] = {
        "",
        "garbage that is no field at all",
        twoFriends.substr(0, twoFriends.size() - 3), // cut in the middle of the second friend
        handField("v3.00000") + handFriend(DupontV30),  // no count
        handField("v3.000001001"),                       // more than the table holds
        handField("v3.0000012x"),
        handField("v3.0900001") + handFriend(DupontV30), // no such option item
        handField("v3"),
    };
    for (const std::string& bytes : damaged) {
        const Loaded loaded = decode(bytes, optionsOf({1, 1, 1, 1, 1}));
        EXPECT_EQ(loaded.status, DecodeStatus::Damaged) << testing::PrintToString(bytes);
        EXPECT_EQ(loaded.table->FriendCount, 0);
        EXPECT_EQ(loaded.options, optionsOf({0, 0, 0, 0, 1})); // the extra column stays
    }
}

TEST(DatabaseCodec, AFullTableRoundTrips)
{
    auto table = std::make_unique<FriendTable>();
    for (int n = 1; n <= FriendTable::Capacity; ++n) {
        (*table)[++table->FriendCount] = test::fullFriend(n);
    }
    const std::string bytes = encodeDatabase(*table, {});
    const Loaded loaded = decode(bytes);
    ASSERT_EQ(loaded.status, DecodeStatus::Loaded);
    EXPECT_EQ(loaded.table->FriendCount, 1000);
    EXPECT_EQ((*loaded.table)[1000], (*table)[1000]);
    EXPECT_EQ(encodeDatabase(*loaded.table, loaded.options), bytes);
}
