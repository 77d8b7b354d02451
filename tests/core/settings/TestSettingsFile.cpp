#include "core/platform/FileReader.h"
#include "core/settings/SettingsFile.h"

#include "core/data/FieldCodec.h"
#include "support/FailingWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zelmora;

namespace {

std::string field(std::string_view value)
{
    std::string bytes;
    WriteField(bytes, value);
    return bytes;
}

class SettingsFileTest : public testing::Test {
protected:
    void store(std::string_view bytes) { std::ofstream(folder / "Zelmor.reg", std::ios::binary) << bytes; }
    std::string stored() const { return readWholeFile(folder / "Zelmor.reg").bytes; }

    test::TempFolder folder;
    AtomicFileWriter writer;
    SettingsFile file{folder / "Zelmor.reg", writer};
    ProgramOptions options;
};

} // namespace

TEST_F(SettingsFileTest, FirstStartWritesTheDefaults)
{
    options.language = Language::French;
    EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Created);
    EXPECT_EQ(options, ProgramOptions{});
    EXPECT_EQ(stored(), field("00010"));
}

TEST_F(SettingsFileTest, ReadsEveryOption)
{
    store(field("11100"));
    EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Read);
    EXPECT_EQ(options, (ProgramOptions{Language::French, true, true, ButtonShape::Rounded, 0}));
    store(field("00016"));
    EXPECT_EQ(file.peek()->background, 6);
}

TEST_F(SettingsFileTest, DamagedFileFallsBackButKeepsTheBackground)
{
    for (const std::string& damaged : {std::string("junk"), field("0001"), field("0101x"), field("20010"),
                                       field("00017"), std::string()}) {
        store(damaged);
        options = {Language::French, true, true, ButtonShape::Rounded, 4};
        EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Damaged);
        EXPECT_EQ(options, (ProgramOptions{Language::English, false, false, ButtonShape::Square, 4}));
    }
    EXPECT_EQ(LangText(69, Language::English), "Configuration file corrupted...");
}

TEST_F(SettingsFileTest, ReadOnlyFileIsReadNotDamagedAndNeverWritten)
{
    store(field("10011"));
    std::filesystem::permissions(folder / "Zelmor.reg", std::filesystem::perms::owner_read);
    EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Read);
    EXPECT_EQ(options.language, Language::French);
    EXPECT_FALSE(file.write(options).ok);
    EXPECT_EQ(stored(), field("10011"));
}

TEST_F(SettingsFileTest, AFailedWriteSaysWhyAndLeavesTheFile)
{
    store(field("00010"));
    const test::FailingWriter full(2);
    const SettingsFile failing(folder / "Zelmor.reg", full);
    const Status written = failing.write(ProgramOptions{Language::English, true, false, ButtonShape::Square, 3});
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.message.empty());
    EXPECT_EQ(stored(), field("00010"));
}

TEST_F(SettingsFileTest, WriteStoresTheCurrentOptions)
{
    EXPECT_TRUE(file.write(ProgramOptions{Language::French, false, true, ButtonShape::Rounded, 5}).ok);
    EXPECT_EQ(stored(), field("10105"));
}
