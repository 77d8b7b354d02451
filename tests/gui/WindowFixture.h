#pragma once
// The whole window program on a folder of its own, with dialogs the test answers, a
// clock standing on 8 December 2026 and a launcher that only records.

#include "core/data/DatabaseFile.h"
#include "core/data/FieldCodec.h"
#include "core/platform/FileOpener.h"
#include "core/platform/FileWriter.h"
#include "core/web/WebLauncher.h"
#include "gui/app/ZelmoraApp.h"
#include "gui/app/ZelmoraForm.h"
#include "support/Friends.h"
#include "support/TempFolder.h"
#include "ScriptedDialogs.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zelmora::test {

class RecordingLauncher : public WebLauncher {
public:
    Status launch(std::string_view address, TBrowserState) const override
    {
        launched.emplace_back(address);
        return Status::success();
    }
    mutable std::vector<std::string> launched;
};

class RecordingOpener : public FileOpener {
public:
    Status open(const std::filesystem::path& file, Kind) const override
    {
        opened.push_back(file);
        return Status::success();
    }
    mutable std::vector<std::filesystem::path> opened;
};

class WindowFixture : public ::testing::Test {
protected:
    // Writes the friends as the database file, then starts the program on it.
    void start(std::initializer_list<TFriend> friends, std::optional<Language> language = std::nullopt)
    {
        const AtomicFileWriter writer;
        const std::unique_ptr<FriendTable> table = makeTable(friends);
        ASSERT_TRUE(writer.replace(folder / "Zelmor.reg", settingsValue()).ok);
        ASSERT_TRUE(writer.replace(folder / "Zelmor.dta", encodeDatabase(*table, {})).ok);
        environment = std::make_unique<gui::WindowEnvironment>(
            gui::WindowEnvironment{folder.path(), clock, dialogs, launcher, opener, language});
        app = std::make_unique<gui::ZelmoraApp>(*environment);
        app->start();
        app->mainWindow().activateWindow(); // keyboard shortcuts need an active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app->mainWindow()));
    }
    gui::ZelmoraForm& window() { return app->mainWindow(); }
    template <class Widget> Widget* child(const char* name)
    {
        auto* found = window().findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The friends as the file holds them now.
    std::unique_ptr<FriendTable> stored()
    {
        auto table = std::make_unique<FriendTable>();
        DisplayOptions options;
        const AtomicFileWriter writer;
        DatabaseFile(folder / "Zelmor.dta", writer).LoadDatabase(*table, options, Language::English);
        return table;
    }

    TempFolder folder;
    FixedClock clock{LocalDate{2026, 12, 8}};
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    RecordingOpener opener;
    std::unique_ptr<gui::WindowEnvironment> environment;
    std::unique_ptr<gui::ZelmoraApp> app;

private:
    // English, no tray, no first start.
    static std::string settingsValue()
    {
        std::string bytes;
        WriteField(bytes, "00010");
        return bytes;
    }
};

} // namespace zelmora::test
