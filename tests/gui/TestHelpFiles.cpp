// The help pages: one per language, built in, speaking of the program's controls with
// the captions the user sees in that language, and with working internal links.

#include "core/platform/AutoStart.h"
#include "gui/help/HelpFiles.h"

#include "core/base/Cp1252.h"
#include "core/base/LangText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

namespace zelmora::test {
namespace {

using gui::helpContentsUrl;

QString rawHelp(Language language)
{
    QFile file(QLatin1Char(':') + helpContentsUrl(language).path());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromUtf8(file.readAll());
}

QString helpText(Language language)
{
    QTextDocument document;
    document.setHtml(rawHelp(language));
    return document.toPlainText();
}

// A caption as shown on screen: the accelerator's "&" is not drawn.
QString caption(std::uint16_t pair, Language language)
{
    return QString::fromStdString(cp1252::toUtf8(LangText(pair, language))).remove(QLatin1Char('&'));
}

TEST(HelpFiles, ContentsUrlFollowsTheLanguage)
{
    EXPECT_EQ(helpContentsUrl(Language::English), QUrl("qrc:/help/ZelmorEn.html"));
    EXPECT_EQ(helpContentsUrl(Language::French), QUrl("qrc:/help/ZelmorFr.html"));
}

TEST(HelpFiles, NameEveryTabButtonAndOptionWithItsCaption)
{
    // The four tabs, the buttons of each tab, the option groups and their items, the
    // options window and the reminders window.
    const std::uint16_t pairs[] = {
        lang::DatesToCelebrate, lang::FriendsData, lang::ExportData, lang::OptionsHelp,
        lang::SortByName, lang::SortByDay, lang::InternetSite, lang::Quit,
        lang::NewName, lang::DeleteName, lang::Ok, lang::Cancel,
        lang::PrintAllCards, lang::SaveToTextFile, lang::SaveToHtmlFile, lang::SaveOnly, lang::SaveAndOpen,
        lang::WatchCaption, lang::WithinOneMonth, lang::WithinTwoWeeks, lang::WithinOneWeek,
        lang::OptionalInformation, lang::ShowAge, lang::ShowCountdown, lang::ShowNothing,
        lang::SortDatesCaption, lang::ByDate, lang::ByPerson,
        lang::TodayColourCaption, lang::HighlightInRed, lang::LeaveInBlack,
        lang::Help, lang::About, AutoStartCaption, lang::AddInTrayIcon,
        lang::ButtonsDesign, lang::RoundedButtons, lang::RightAngleButtons, lang::GraphicalBackground,
        lang::LastName, lang::FirstName, lang::Birthday, lang::SaintsDay, lang::Notes,
        lang::RemindersButton, lang::RemindWhen, lang::RemindOnTheDay, lang::RemindDaysBefore, lang::RemindBirthdays,
        lang::RemindSaintsDays, lang::RemindOtherDates, lang::LeapDayCaption, lang::LeapDayMarchFirst,
        lang::LeapDayFebruaryLast, lang::LiveCalendarOption,
        lang::ImportVCard, lang::ExportVCard, lang::ExportCsv, lang::ExportCalendar, lang::FillFetes,
        lang::SynchronisationButton, lang::ServerAddress, lang::UserName, lang::Password, lang::FindAddressBooks,
        lang::AddressBook, lang::SynchroniseNow, lang::SyncStopUsing,
    };
    for (const Language language : {Language::English, Language::French}) {
        const QString text = helpText(language);
        for (const std::uint16_t pair : pairs) {
            EXPECT_TRUE(text.contains(caption(pair, language)))
                << "pair " << pair << " (" << caption(pair, language).toStdString() << ") in language "
                << static_cast<int>(language);
        }
        for (std::uint16_t pair = lang::GreyBackground; pair <= lang::WallpaperBackground; ++pair) {
            EXPECT_TRUE(text.contains(caption(pair, language))) << "background " << pair;
        }
    }
}

TEST(HelpFiles, SpeakOnlyTheirOwnLanguage)
{
    const std::uint16_t tabs[] = {lang::DatesToCelebrate, lang::FriendsData, lang::ExportData, lang::OptionsHelp};
    for (const std::uint16_t tab : tabs) {
        EXPECT_FALSE(helpText(Language::English).contains(caption(tab, Language::French))) << "tab " << tab;
        EXPECT_FALSE(helpText(Language::French).contains(caption(tab, Language::English))) << "tab " << tab;
    }
}

TEST(HelpFiles, InternalLinksLeadToAnAnchor)
{
    for (const Language language : {Language::English, Language::French}) {
        const QString html = rawHelp(language);
        const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            ++links;
            const QString anchor = QStringLiteral("name=\"%1\"").arg(match.captured(1));
            EXPECT_TRUE(html.contains(anchor)) << match.captured(1).toStdString();
        }
        EXPECT_GE(links, 10) << "the table of contents";
    }
}

} // namespace
} // namespace zelmora::test
