#include "core/session/WindowCloser.h"

#include <gtest/gtest.h>

#include <string>

using namespace zelmora;

namespace {

class RecordedSteps : public CloseSteps {
public:
    SaveOutcome settings = SaveOutcome::Saved;
    SaveOutcome database = SaveOutcome::NothingToSave;
    std::string order;

    void settlePendingEdit() override { order += "edit "; }
    SaveOutcome saveSettings() override { order += "settings "; return settings; }
    SaveOutcome saveDatabase() override { order += "database"; return database; }
};

struct CloseCase {
    bool quitRequested;
    bool inTray;
    SaveOutcome settings;
    SaveOutcome database;
    CloseOutcome expected;
};

TEST(WindowCloser, EndsHidesOrStaysAfterSavingEverything)
{
    using enum SaveOutcome;
    const CloseCase cases[] = {
        {false, false, Saved, Saved, CloseOutcome::End},
        {false, true, Saved, NothingToSave, CloseOutcome::Hide},
        {true, true, Saved, Saved, CloseOutcome::End},
        {false, false, FailedQuitAnyway, FailedQuitAnyway, CloseOutcome::End},
        {false, false, FailedStayOpen, Saved, CloseOutcome::Refuse},
        {true, true, Saved, FailedStayOpen, CloseOutcome::Refuse},
        {false, true, FailedStayOpen, FailedStayOpen, CloseOutcome::Refuse},
    };
    for (const CloseCase& c : cases) {
        RecordedSteps steps;
        steps.settings = c.settings;
        steps.database = c.database;
        WindowCloser closer;
        closer.QuitRequested = c.quitRequested;
        EXPECT_EQ(closer.CloseMainWindow(steps, c.inTray), c.expected);
        // The friends are saved even when the settings could not be.
        EXPECT_EQ(steps.order, "edit settings database");
        EXPECT_EQ(closer.StayOpen, c.settings == FailedStayOpen);
    }
}

} // namespace
