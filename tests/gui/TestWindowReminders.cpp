#include "WindowFixture.h"

#include "gui/widgets/AlertColour.h"

#include "core/platform/FileReader.h"
#include "gui/app/DatesPage.h"
#include "gui/app/DayWatcher.h"
#include "gui/app/OptsForm.h"
#include "gui/app/RemindersForm.h"
#include "gui/app/WindowReminders.h"
#include "gui/widgets/LinesListView.h"
#include "gui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <fstream>

namespace zelmora::test {
namespace {

using std::chrono::seconds;

class ReminderWindow : public WindowFixture {
protected:
    // The reminders told, without the day's saints.
    QStringList reminders() const
    {
        QStringList told;
        for (const ShownNotification& shown : notifications.shown) {
            if (shown.title != QStringLiteral("Zelmora")) {
                told << shown.text;
            }
        }
        return told;
    }
    int tagOf(const QString& text) const
    {
        for (const ShownNotification& shown : notifications.shown) {
            if (shown.text == text) {
                return shown.tag;
            }
        }
        ADD_FAILURE() << "not told: " << text.toStdString();
        return -1;
    }
    void moveTo(LocalDateTime moment)
    {
        clock.set(moment);
        app->reminders().dayWatcher().checkDay();
    }
    QColor listColour() { return window().datesPage->ListBox2->palette().color(QPalette::Text); }
    // Opens the reminders' dialog from the options dialog; `inDialog` acts in it.
    void editReminders(const std::function<void(gui::RemindersForm&)>& inDialog)
    {
        dialogs.whileShown = [&](QDialog& dialog) {
            if (auto* reminders = qobject_cast<gui::RemindersForm*>(&dialog)) {
                inDialog(*reminders);
            }
        };
        app->optionsDialog().RemindersButton->click();
        dialogs.whileShown = nullptr;
    }
    void writeExtraSettings(std::string_view lines) { std::ofstream(folder / "Zelmora.ini") << lines; }
    // One change of the friends that adds them all.
    void addFriends(std::initializer_list<TFriend> added)
    {
        app->session().changeFriends([&](FriendTable& table, DisplayOptions&) {
            for (const TFriend& one : added) {
                table.AppendFriend(one);
            }
            table.SortFriends();
            return Status::success();
        });
    }
    void addFriend(const TFriend& added) { addFriends({added}); }
};

const TFriend Dupont = person("DUPONT", "Jean", {{FriendField::Anniversaire, "08/12/1990"}});
const TFriend Martin = person("MARTIN", "Paul", {{FriendField::Anniversaire, "15/12/1970"}});
const TFriend Durand = person("DURAND", "Anne", {{FriendField::Anniversaire, "09/12/1985"}});

TEST_F(ReminderWindow, EachDueReminderIsToldOnceEvenAcrossARestart)
{
    start({Dupont, Martin, Durand});
    EXPECT_EQ(reminders(), (QStringList{QStringLiteral("Today: DUPONT Jean, Birthday (36 years)"),
                                        QStringLiteral("In 7 days: MARTIN Paul, Birthday (56 years) on 15/12")}));
    EXPECT_EQ(notifications.shown.front().title, QStringLiteral("Dates to celebrate"));
    EXPECT_EQ(notifications.shown.back().text, QStringLiteral("Today's saints: Romaric")); // at start only
    addFriend(person("ZOLA", "Emile"));
    EXPECT_EQ(notifications.shown.size(), 3u); // a change tells only what it made due

    app.reset();
    notifications.shown.clear();
    launch();
    EXPECT_TRUE(reminders().isEmpty());
    EXPECT_TRUE(std::filesystem::exists(folder / "Zelmora.notified"));
}

TEST_F(ReminderWindow, ANewDayWhileRunningRebuildsTheListTheTooltipAndTheReminders)
{
    start({Durand});
    EXPECT_EQ(listColour(), QColor(0, 0, 0));
    EXPECT_EQ(app->trayIcon().toolTip(), QStringLiteral("Zelmora\nToday's saints: Romaric"));
    EXPECT_TRUE(reminders().isEmpty());

    moveTo({{2026, 12, 8}, 23, 59, 59});
    EXPECT_TRUE(reminders().isEmpty()); // still the same day
    moveTo({{2026, 12, 9}, 0, 0, 1});
    EXPECT_EQ(listColour(), gui::alertRed());
    EXPECT_TRUE(line("ListBox2", 0).startsWith(QStringLiteral("09/12/26 DURAND Anne")));
    EXPECT_EQ(app->trayIcon().toolTip(), QStringLiteral("Zelmora\nToday's saints: Pierre"));
    EXPECT_EQ(reminders(), QStringList{QStringLiteral("Today: DURAND Anne, Birthday (41 years)")});
    EXPECT_EQ(notifications.shown.back().text, QStringLiteral("Today's saints: Pierre"));

    const std::size_t told = notifications.shown.size();
    moveTo({{2026, 12, 9}, 0, 1, 1}); // the minute's look finds the same day
    EXPECT_EQ(notifications.shown.size(), told);
}

TEST_F(ReminderWindow, AChangeOfTheFriendsThatMakesADateDueTellsIt)
{
    start({Durand});
    addFriend(person("LEROY", "Marc", {{FriendField::Fete, "08/12/    "}}));
    EXPECT_EQ(reminders(), QStringList{QStringLiteral("Today: LEROY Marc, Saint's day")});
}

TEST_F(ReminderWindow, MoreThanFourDueAreToldInOneSummary)
{
    start({person("A", "", {{FriendField::Anniversaire, "08/12/2000"}}),
           person("B", "", {{FriendField::Anniversaire, "08/12/2000"}}),
           person("C", "", {{FriendField::Anniversaire, "08/12/2000"}}),
           person("D", "", {{FriendField::Anniversaire, "08/12/2000"}}), Martin});
    ASSERT_EQ(notifications.shown.size(), 2u); // the summary and the saints
    EXPECT_EQ(notifications.shown[0].title, QStringLiteral("5 dates to celebrate, 4 of them today"));
    EXPECT_TRUE(notifications.shown[0].text.endsWith(QStringLiteral("... and 1 more")));
}

TEST_F(ReminderWindow, ClickingANotificationOpensTheDatesTabOnThatFriendsLine)
{
    writeSettings("00100"); // in the tray
    writeFriends({Durand, Martin, person("ZOLA", "Emile", {{FriendField::Anniversaire, "10/12/1990"}})});
    launch();
    ASSERT_FALSE(window().isVisible());
    window().ListeChoix->setCurrentIndex(1);
    addFriend(person("ABEL", "Anne")); // every slot moves: the friend is found by name
    emit notifications.activated(tagOf(QStringLiteral("In 7 days: MARTIN Paul, Birthday (56 years) on 15/12")));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().ListeChoix->currentWidget(), window().datesPage);
    EXPECT_EQ(chosenLine("ListBox2"), 2);
    EXPECT_EQ(window().datesPage->readOnlyText(FriendField::Nom), QStringLiteral("MARTIN"));

    emit notifications.activated(tagOf(QStringLiteral("Today's saints: Romaric")));
    EXPECT_EQ(window().ListeChoix->currentWidget(), window().datesPage); // no friend: the dates as they are
}

TEST_F(ReminderWindow, WithoutADesktopServiceTheTrayBalloonTellsEverything)
{
    notifications.serviceRuns = false;
    writeSettings("00100");
    writeFriends({Dupont, Martin});
    launch();
    EXPECT_TRUE(notifications.shown.empty());
    EXPECT_EQ(app->reminders().notifier().balloonShown(),
              QStringLiteral("Today: DUPONT Jean, Birthday (36 years)\n"
                             "In 7 days: MARTIN Paul, Birthday (56 years) on 15/12\n"
                             "Today's saints: Romaric"));
    emit app->trayIcon().messageClicked();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().datesPage->readOnlyText(FriendField::Nom), QStringLiteral("DUPONT"));

    // A service that refuses: the refused ones of one round share a balloon.
    notifications.serviceRuns = true;
    addFriends({person("LEROY", "Marc", {{FriendField::Fete, "08/12/    "}}),
                person("ROUX", "Lise", {{FriendField::Fete, "08/12/    "}})});
    ASSERT_EQ(notifications.shown.size(), 2u);
    for (const ShownNotification& refused : notifications.shown) {
        emit notifications.failed(refused.tag);
    }
    EXPECT_EQ(app->reminders().notifier().balloonShown(),
              QStringLiteral("Today: LEROY Marc, Saint's day\nToday: ROUX Lise, Saint's day"));
    addFriend(person("VIAL", "Yves", {{FriendField::Fete, "08/12/    "}}));
    emit notifications.failed(notifications.shown.back().tag);
    EXPECT_EQ(app->reminders().notifier().balloonShown(), QStringLiteral("Today: VIAL Yves, Saint's day"));
}

TEST_F(ReminderWindow, TheTooltipNamesTodaysSaintsInTheCurrentLanguage)
{
    start({});
    app->optionsDialog().Langue->setItemIndex(1);
    EXPECT_EQ(app->trayIcon().toolTip(), QStringLiteral("Zelmora\nBonne fête aux Romaric !"));
}

TEST_F(ReminderWindow, TheDialogShowsTheSettingsAndSavesTheChoicesToZelmoraIni)
{
    writeExtraSettings("# mine\nremind-birthdays = 0, 7, 30\n");
    start({}, Language::French);
    // Set up by zelmora-cli sync while the window runs: the reminders' choices leave it be.
    std::ofstream(folder / "Zelmora.ini", std::ios::app) << "sync-server = https://dav.example.org/\n";
    editReminders([](gui::RemindersForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rappels de Zelmora"));
        EXPECT_TRUE(gui::missingCaptionObjects(dialog, gui::RemindersForm::captions(), gui::RemindersForm::itemCaptions())
                        .isEmpty());
        const gui::RemindersForm::LeadRow& birthdays = dialog.rows[0];
        EXPECT_TRUE(birthdays.onTheDay->isChecked());
        EXPECT_EQ(birthdays.daysBefore[0]->value(), 7);
        EXPECT_EQ(birthdays.daysBefore[1]->value(), 30);
        EXPECT_EQ(birthdays.daysBefore[2]->value(), 0);
        birthdays.onTheDay->setChecked(false);
        birthdays.daysBefore[2]->setValue(7); // twice the same day reminds once
        dialog.rows[1].daysBefore[0]->setValue(1);
        dialog.LeapDay->setItemIndex(1);
        dialog.OKButton->click();
    });
    EXPECT_EQ(dialogs.shownModally.back(), "RemindersForm");
    const std::string ini = readWholeFile(folder / "Zelmora.ini").bytes;
    for (const char* line : {"# mine\n", "remind-birthdays = 7, 30\n", "remind-saints-days = 0, 1\n",
                             "leap-day-in-common-years = february-28\n", "live-calendar = no\n",
                             "sync-server = https://dav.example.org/\n"}) {
        EXPECT_NE(ini.find(line), std::string::npos) << line << ini;
    }

    editReminders([](gui::RemindersForm& dialog) {
        dialog.rows[2].onTheDay->setChecked(false);
        dialog.CancelButton->click();
    });
    EXPECT_EQ(readWholeFile(folder / "Zelmora.ini").bytes, ini);
}

TEST_F(ReminderWindow, TheLeapDayChoiceReachesTheDatesListAtOnce)
{
    clock.set({{2027, 2, 28}, 12, 0, 0});
    start({person("DUPONT", "Jean", {{FriendField::Anniversaire, "29/02/1980"}})});
    EXPECT_TRUE(line("ListBox2", 0).startsWith(QStringLiteral("01/03/27 DUPONT")));
    EXPECT_EQ(listColour(), QColor(0, 0, 0));
    editReminders([](gui::RemindersForm& dialog) {
        dialog.LeapDay->setItemIndex(1);
        dialog.OKButton->click();
    });
    EXPECT_TRUE(line("ListBox2", 0).startsWith(QStringLiteral("28/02/27 DUPONT")));
    EXPECT_EQ(listColour(), gui::alertRed());
    EXPECT_EQ(reminders(), QStringList{QStringLiteral("Today: DUPONT Jean, Birthday (47 years)")});

    app.reset();
    launch(); // the choice is Zelmora.ini's from now on
    EXPECT_TRUE(line("ListBox2", 0).startsWith(QStringLiteral("28/02/27 DUPONT")));
}

TEST_F(ReminderWindow, TheLiveCalendarFollowsEveryChangeAndAFailureIsSaidOnce)
{
    writeExtraSettings("live-calendar = yes\n");
    start({Martin});
    EXPECT_FALSE(std::filesystem::exists(folder / "Zelmora.ics")); // nothing changed yet
    addFriend(Durand);
    EXPECT_NE(readWholeFile(folder / "Zelmora.ics").bytes.find("DURAND"), std::string::npos);

    std::filesystem::remove(folder / "Zelmora.ics");
    std::filesystem::create_directory(folder / "Zelmora.ics"); // no file can be written there
    addFriend(person("ZOLA", "Emile"));
    addFriend(person("ABEL", "Anne"));
    ASSERT_EQ(dialogs.told.size(), 1u);
    EXPECT_EQ(dialogs.told[0].rfind("The calendar file Zelmora.ics could not be kept up to date", 0), 0) << dialogs.told[0];
}

TEST(DayWatcher, MidnightIsWaitedForFromTheClocksTime)
{
    EXPECT_EQ(gui::timeToMidnight({{2026, 12, 8}, 23, 59, 30}), seconds(31));
    EXPECT_EQ(gui::timeToMidnight({{2026, 12, 8}, 0, 0, 0}), std::chrono::hours(24) + seconds(1));
}

} // namespace
} // namespace zelmora::test
