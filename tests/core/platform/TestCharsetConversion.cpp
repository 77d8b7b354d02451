#include "core/platform/CharsetConversion.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

TEST(CharsetConversion, TheSystemConvertsTheCharacterSetsPhonesDeclare)
{
    const struct {
        std::string_view charset;
        std::string_view bytes;
        std::string_view utf8;
    } cases[] = {
        {"SHIFT_JIS", "\x93\xFA\x96\x7B", "\xE6\x97\xA5\xE6\x9C\xAC"}, // 日本
        {"Shift_JIS", "\x83\x5E\x83\x8D\x83\x45", "\xE3\x82\xBF\xE3\x83\xAD\xE3\x82\xA6"}, // タロウ
        {"ISO-8859-15", "\xA4 et \xBD", "\xE2\x82\xAC et \xC5\x93"}, // € et œ
        {"ISO-8859-2", "\xA3" "\xF3" "d\xBC", "\xC5\x81\xC3\xB3" "d\xC5\xBA"}, // Łódź
        {"KOI8-R", "\xED\xC9\xD2", "\xD0\x9C\xD0\xB8\xD1\x80"}, // Мир
        {"BIG5", "\xA4\xA4\xA4\xE5", "\xE4\xB8\xAD\xE6\x96\x87"}, // 中文
    };
    for (const auto& c : cases) {
        EXPECT_EQ(convertToUtf8(c.bytes, c.charset), c.utf8) << c.charset;
    }
}

TEST(CharsetConversion, UndefinedBytesAreReplacedAndUnknownSetsGiveNothing)
{
    // 0x81 starts a two-byte Shift_JIS character that a blank cannot end; "A" must survive.
    const std::optional<std::string> converted = convertToUtf8("\x81 A", "SHIFT_JIS");
    ASSERT_TRUE(converted);
    EXPECT_TRUE(converted->ends_with("A"));
    EXPECT_GE(converted->size(), 3u) << "a replacement character";
    EXPECT_FALSE(convertToUtf8("abc", "X-NO-SUCH-CHARSET"));
}

} // namespace
} // namespace zelmora
