#include "core/platform/FileReader.h"
#include "core/settings/SettingsFile.h"

#include "core/data/FieldCodec.h"
#include "support/FailingWriter.h"
#include "support/ScriptedAsker.h"
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
    options.Langue = Language::French;
    EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Created);
    EXPECT_EQ(options, ProgramOptions{});
    EXPECT_EQ(stored(), field("00010"));
}

TEST_F(SettingsFileTest, ReadsEveryOption)
{
    store(field("11100"));
    EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Read);
    EXPECT_EQ(options, (ProgramOptions{Language::French, true, true, 0, 0}));
    store(field("00016"));
    EXPECT_EQ(file.peek()->InterGraf, 6);
}

TEST_F(SettingsFileTest, DamagedFileFallsBackButKeepsTheBackground)
{
    for (const std::string& damaged : {std::string("junk"), field("0001"), field("0101x"), field("20010"),
                                       field("00017"), std::string()}) {
        store(damaged);
        options = {Language::French, true, true, 0, 4};
        EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Damaged);
        EXPECT_EQ(options, (ProgramOptions{Language::English, false, false, 1, 4}));
    }
    EXPECT_EQ(LangText(69, Language::English), "Configuration file corrupted...");
}

TEST_F(SettingsFileTest, ReadOnlyFileIsReadNotDamaged)
{
    store(field("10011"));
    std::filesystem::permissions(folder / "Zelmor.reg", std::filesystem::perms::owner_read);
    EXPECT_EQ(file.LoadSettings(options), SettingsLoad::Read);
    EXPECT_EQ(options.Langue, Language::French);
    test::ScriptedAsker asker;
    asker.answerNext(false);
    EXPECT_EQ(file.SaveSettings(options, asker), SaveOutcome::FailedStayOpen);
    EXPECT_TRUE(asker.asked.at(0).starts_with(
        "Impossible de sauvegarder le fichier de configuration... Quitter quand-m\xEAme ?"));
    EXPECT_EQ(stored(), field("10011"));
}

TEST_F(SettingsFileTest, FailedWriteAsksAndOkLetsTheShutdownGoOn)
{
    store(field("00010"));
    const test::FailingWriter full(2);
    const SettingsFile failing(folder / "Zelmor.reg", full);
    test::ScriptedAsker asker;
    asker.answerNext(true);
    EXPECT_EQ(failing.SaveSettings(ProgramOptions{Language::English, true, false, 1, 3}, asker),
              SaveOutcome::FailedQuitAnyway);
    EXPECT_TRUE(asker.asked.at(0).starts_with("Impossible to save the configuration file... Quit anyway ?"));
    EXPECT_EQ(stored(), field("00010"));
}

TEST_F(SettingsFileTest, SaveWritesTheCurrentOptions)
{
    test::ScriptedAsker asker;
    EXPECT_EQ(file.SaveSettings(ProgramOptions{Language::French, false, true, 0, 5}, asker), SaveOutcome::Saved);
    EXPECT_EQ(stored(), field("10105"));
    EXPECT_TRUE(asker.asked.empty());
}
