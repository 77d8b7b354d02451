#include "WindowFixture.h"

#include "core/platform/FileReader.h"
#include "gui/app/AboutForm.h"
#include "gui/app/OptsForm.h"
#include "gui/app/Captions.h"
#include "gui/appearance/BackgroundTiles.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include <fstream>

namespace zelmora::test {
namespace {

class ProgramOptions : public WindowFixture {
protected:
    // Whether every caption of `window`'s tables shows its text in `language`.
    static void expectCaptions(const QWidget& window, std::span<const gui::Caption> captions, Language language)
    {
        for (const gui::Caption& caption : captions) {
            const QObject* target = window.objectName() == QLatin1String(caption.objectName)
                                      ? &window
                                      : window.findChild<QObject*>(QLatin1String(caption.objectName));
            ASSERT_NE(target, nullptr) << caption.objectName;
            QString shown;
            if (const auto* label = qobject_cast<const QLabel*>(target)) {
                shown = label->text();
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(target)) {
                shown = button->text();
            } else if (const auto* group = qobject_cast<const QGroupBox*>(target)) {
                shown = group->title();
            } else if (const auto* action = qobject_cast<const QAction*>(target)) {
                shown = action->text();
            } else if (target == &window) {
                shown = window.windowTitle();
            } else {
                const auto* page = static_cast<const QWidget*>(target);
                const auto* tabs = static_cast<const QTabWidget*>(page->parentWidget()->parentWidget());
                shown = tabs->tabText(tabs->indexOf(page));
            }
            EXPECT_EQ(shown, gui::fromCp1252(LangText(caption.pair, language))) << caption.objectName;
        }
    }
    bool rounded(const char* name) { return !child<QWidget>(name)->mask().isEmpty(); }
};

TEST_F(ProgramOptions, StoredOptionsStartInFrenchInTheTrayWithRoundedButtons)
{
    writeSettings("11100");
    writeFriends({});
    launch();
    EXPECT_FALSE(window().isVisible()); // in the tray
    EXPECT_TRUE(app->trayIcon().isVisible());
    EXPECT_TRUE(dialogs.shownModally.empty()); // no chooser, no About box
    EXPECT_EQ(window().ListeChoix->tabText(0), QStringLiteral("Dates à souhaiter"));
    EXPECT_EQ(autoStart.registered, true);
    EXPECT_EQ(autoStart.started.dataFolder, folder.path()); // not the usual folder: the entry names it
    EXPECT_TRUE(rounded("BitBtn1") && rounded("NewName"));
    EXPECT_TRUE(app->optionsDialog().TrayIcon->isChecked());
}

TEST_F(ProgramOptions, AFirstStartAsksTheLanguageThenShowsTheAboutBoxAndLeavesBothFiles)
{
    dialogs.whileShown = [](QDialog& dialog) {
        if (auto* french = dialog.findChild<QAbstractButton*>(QStringLiteral("FrenchButton"))) {
            french->click();
        }
    };
    launch();
    EXPECT_EQ(dialogs.shownModally, (std::vector<std::string>{"LangForm", "AboutForm"}));
    EXPECT_EQ(app->programOptions().language, Language::French);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder / "Zelmor.reg"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Zelmor.dta"));
    window().close();
    EXPECT_EQ(readWholeFile(folder / "Zelmor.reg").bytes.size(), 10u); // five digits, French kept
}

TEST_F(ProgramOptions, ADamagedSettingsFileIsToldInEnglishBeforeTheChooser)
{
    writeSettings("9");
    writeFriends({});
    launch(Language::French);
    ASSERT_FALSE(dialogs.told.empty());
    EXPECT_EQ(dialogs.told.front(), "Configuration file corrupted...");
    EXPECT_EQ(dialogs.shownModally.front(), "LangForm");
}

TEST_F(ProgramOptions, SwitchingLanguageChangesEveryCaptionAndKeepsEveryChoice)
{
    start({});
    child<gui::RadioGroup>("Surveillance")->setItemIndex(2);
    child<gui::RadioGroup>("RadioGroup3")->setItemIndex(1);
    app->optionsDialog().InterGraf->setItemIndex(4);
    for (const Language language : {Language::French, Language::English}) {
        app->optionsDialog().Langue->setItemIndex(language == Language::French ? 1 : 0);
        expectCaptions(window(), gui::ZelmoraForm::captions(), language);
        expectCaptions(app->optionsDialog(), gui::OptsForm::captions(), language);
        expectCaptions(app->aboutBox(), gui::AboutForm::captions(), language);
        EXPECT_EQ(child<gui::RadioGroup>("Surveillance")->itemIndex(), 2);
        EXPECT_EQ(child<gui::RadioGroup>("RadioGroup3")->itemIndex(), 1);
        EXPECT_EQ(app->optionsDialog().InterGraf->itemIndex(), 4);
        EXPECT_EQ(window().PopupTrayIcon->actions().front()->text(), QStringLiteral("&Zelmora"));
    }
    EXPECT_EQ(window().Popup5->text(), QStringLiteral("&Quit"));
}

TEST_F(ProgramOptions, ButtonShapesAndBackgroundsActAtOnceOnEveryWindow)
{
    start({});
    EXPECT_FALSE(rounded("BitBtn1")); // right-angled by default
    app->optionsDialog().ButtonDesign->setItemIndex(0);
    const QWidget* ok = child<QWidget>("BitBtn1");
    EXPECT_TRUE(ok->mask().contains(QPoint(ok->width() / 2, ok->height() / 2)));
    EXPECT_FALSE(ok->mask().contains(QPoint(0, 0))); // the corner is cut off
    EXPECT_FALSE(app->aboutBox().OKButton->mask().isEmpty());

    app->optionsDialog().InterGraf->setItemIndex(4); // road
    const QImage road = gui::backgroundTile(4).toImage();
    for (QWidget* form : {static_cast<QWidget*>(&window()), static_cast<QWidget*>(&app->optionsDialog()),
                          static_cast<QWidget*>(&app->aboutBox())}) {
        const QImage painted = form->grab().toImage();
        EXPECT_EQ(painted.pixelColor(2, 2), road.pixelColor(2, 2)) << form->objectName().toStdString();
    }
}

TEST_F(ProgramOptions, WithoutANotificationAreaTheWindowStaysReachable)
{
    trayAvailable = false;
    writeSettings("00100");
    writeFriends({});
    launch();
    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(dialogs.told.size(), 1u);
    EXPECT_EQ(dialogs.told[0].rfind("This desktop shows no notification area", 0), 0);
    window().close();
    EXPECT_FALSE(window().isVisible()); // ended, not hidden
}

TEST_F(ProgramOptions, ExportButtonsWriteTheChosenFilesAndHonourCancel)
{
    start({makeFriend("MARTIN", "Paul")});
    dialogs.chooseFileNext(QString::fromStdString((folder / "out.txt").string()));
    dialogs.chooseFileNext(QString()); // Cancel
    dialogs.chooseFileNext(QString::fromStdString((folder / "out.ics").string()));
    QTest::mouseClick(child<QAbstractButton>("BitBtn3"), Qt::LeftButton);
    QTest::mouseClick(child<QAbstractButton>("BitBtn8"), Qt::LeftButton);
    QTest::mouseClick(child<QAbstractButton>("ExportCalendar"), Qt::LeftButton);
    EXPECT_TRUE(readWholeFile(folder / "out.txt").bytes.find("MARTIN") != std::string::npos);
    EXPECT_TRUE(readWholeFile(folder / "out.ics").bytes.starts_with("BEGIN:VCALENDAR"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 5); // no .HTM written
    EXPECT_EQ(dialogs.fileChoices[0].proposed.toStdString(), (folder / "Friends.TXT").string());
    EXPECT_TRUE(opener.opened.empty()); // "Save only"
}

TEST_F(ProgramOptions, NoExportReplacesTheDataFoldersOwnFiles)
{
    start({makeFriend("MARTIN", "Paul")});
    const std::string friends = readWholeFile(folder / "Zelmor.dta").bytes;
    const char* buttons[] = {"BitBtn3", "BitBtn8", "ExportVCard", "ExportCalendar"};
    for (const char* button : buttons) {
        dialogs.chooseFileNext(QString::fromStdString((folder / "Zelmor.dta").string()));
        QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
    }
    ASSERT_EQ(dialogs.told.size(), std::size(buttons));
    for (const std::string& message : dialogs.told) {
        EXPECT_NE(message.find("never replaces the program's own files"), std::string::npos) << message;
    }
    EXPECT_EQ(readWholeFile(folder / "Zelmor.dta").bytes, friends);
}

} // namespace
} // namespace zelmora::test

namespace zelmora::test {
namespace {

TEST_F(ProgramOptions, ImportingVCardsAddsTheFriendsToTheListAndSaysHowMany)
{
    start({person("MARTIN", "Paul")});
    std::ofstream(folder / "phone.vcf") << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Durand;Anne;;;\r\nBDAY:1980-12-09\r\nEND:VCARD\r\n"
                                        << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Martin;Paul;;;\r\nEND:VCARD\r\n";
    dialogs.chooseFileNext(QString::fromStdString((folder / "phone.vcf").string()));
    QTest::mouseClick(child<QAbstractButton>("ImportVCard"), Qt::LeftButton);
    ASSERT_EQ(dialogs.told.size(), 1u);
    EXPECT_EQ(dialogs.told[0].rfind("Imported: 1, skipped as duplicates: 1", 0), 0) << dialogs.told[0];
    EXPECT_EQ(stored()->FriendCount, 2); // written at once
    EXPECT_EQ(line("ListBox1", 0), QStringLiteral("DURAND Anne"));
    EXPECT_TRUE(line("ListBox2", 0).startsWith(QStringLiteral("09/12/26 DURAND Anne")));
}

} // namespace
} // namespace zelmora::test
