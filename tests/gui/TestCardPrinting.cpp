// The print commands in-process: their guards, the print dialog, and print-system
// failures that must reach the user as a message.

#include "PdfText.h"
#include "ScriptedDialogs.h"
#include "support/DeviceNodes.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include "gui/report/CardPrinting.h"
#include "gui/report/QtPrintPlatform.h"
#include "core/report/TBxPrinter.h"
#include "core/report/TPrtForm.h"

#include "core/platform/FileReader.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zelmora::test {
namespace {

class CardPrinting : public ::testing::Test {
protected:
    std::string textOf(const std::string& file) const { return pdfText(folder / file); }

    gui::CardPrinter printerOf(const FriendTable& friends)
    {
        return {form, friends, platform.qtPrinter().qprinter(), dialogs, data.path(), language};
    }

    TempFolder folder;
    TempFolder data;
    Language language = Language::English;
    FixedClock clock{LocalDateTime{{2026, 12, 8}, 10, 30, 0}};
    gui::QtPrintPlatform platform{clock};
    report::TBxPrinter bxPrinter{platform};
    report::TPrtForm form{language, bxPrinter};
    std::unique_ptr<FriendTable> table = makeTable({makeFriend("ALPHA", "Ann"), makeFriend("BRAVO", "Bob"),
                                                    makeFriend("CHARLIE", "Cid")});
    ScriptedDialogs dialogs;
    gui::CardPrinter printer = printerOf(*table);
};

TEST_F(CardPrinting, GuardsThatFailDoNothingAtAll)
{
    dialogs.chooseNext(folder / "never.pdf");
    EXPECT_EQ(printer.printFriendCard(-1), gui::PrintOutcome::NothingToPrint);
    EXPECT_EQ(printer.printFriendCard(3), gui::PrintOutcome::NothingToPrint); // past the last friend
    EXPECT_EQ(printer.printDateEntry(0, 0, 1), gui::PrintOutcome::NothingToPrint);
    EXPECT_EQ(printer.printDateEntry(4, -1, 1), gui::PrintOutcome::NothingToPrint);
    EXPECT_EQ(printer.printDateEntry(4, 0, 0), gui::PrintOutcome::NothingToPrint);

    FriendTable empty;
    gui::CardPrinter none = printerOf(empty);
    EXPECT_EQ(none.printAllFriends(), gui::PrintOutcome::NothingToPrint);
    EXPECT_EQ(none.printFriendCard(0), gui::PrintOutcome::NothingToPrint);

    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_TRUE(dialogs.told.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "never.pdf"));
}

TEST_F(CardPrinting, CancellingThePrintDialogPrintsNothing)
{
    dialogs.chooseNext({});
    EXPECT_EQ(printer.printAllFriends(), gui::PrintOutcome::Cancelled);
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(CardPrinting, EachCommandPrintsItsFriendsAsOneDocument)
{
    ASSERT_TRUE(havePopplerTools()) << "pdftotext and pdfinfo (poppler-utils) are needed: make test installs them";
    dialogs.chooseNext(folder / "line.pdf");
    ASSERT_EQ(printer.printFriendCard(1), gui::PrintOutcome::Printed);
    dialogs.chooseNext(folder / "again.pdf");
    ASSERT_EQ(printer.printFriendCard(1), gui::PrintOutcome::Printed);
    dialogs.chooseNext(folder / "date.pdf");
    ASSERT_EQ(printer.printDateEntry(7, 2, 3), gui::PrintOutcome::Printed);
    dialogs.chooseNext(folder / "all.pdf");
    ASSERT_EQ(printer.printAllFriends(), gui::PrintOutcome::Printed);

    for (const char* file : {"line.pdf", "again.pdf"}) { // the same card twice: two documents of one card
        const std::string text = textOf(file);
        EXPECT_NE(text.find("BRAVO"), std::string::npos) << file;
        EXPECT_EQ(text.find("ALPHA"), std::string::npos) << file;
        EXPECT_EQ(text.find("BRAVO"), text.rfind("BRAVO")) << file;
    }
    EXPECT_NE(textOf("date.pdf").find("CHARLIE"), std::string::npos);
    EXPECT_EQ(textOf("date.pdf").find("BRAVO"), std::string::npos);
    const std::string all = textOf("all.pdf");
    EXPECT_LT(all.find("ALPHA"), all.find("BRAVO"));
    EXPECT_LT(all.find("BRAVO"), all.find("CHARLIE"));
    EXPECT_TRUE(dialogs.told.empty());
}

TEST_F(CardPrinting, ThePdfFileOfOneCardIsNamedAfterItsFriend)
{
    const auto friends = makeTable({makeFriend("AC/DC", "Bob"), makeFriend("BRAVO", "Bob")});
    gui::CardPrinter cards = printerOf(*friends);
    dialogs.chooseNext({});
    cards.printFriendCard(0);
    cards.printDateEntry(4, 0, 2);
    cards.printAllFriends();
    ASSERT_EQ(dialogs.pdfChoices.size(), 3u);
    EXPECT_EQ(dialogs.pdfChoices[0].proposed, QStringLiteral("AC-DC Bob.pdf")); // no folder made of a name
    EXPECT_EQ(dialogs.pdfChoices[1].proposed, QStringLiteral("BRAVO Bob.pdf"));
    EXPECT_EQ(dialogs.pdfChoices[2].proposed, QStringLiteral("Friends.pdf"));
    EXPECT_EQ(dialogs.pdfChoices[0].title, QStringLiteral("Print to a PDF file"));
}

TEST_F(CardPrinting, APrintSystemFailureIsToldAndLeavesNoDocumentOpen)
{
    dialogs.chooseNext(folder / "no-such-folder" / "cards.pdf");
    EXPECT_EQ(printer.printAllFriends(), gui::PrintOutcome::Failed);
    ASSERT_EQ(dialogs.told.size(), 1u);
    EXPECT_NE(dialogs.told[0].find("cannot create a file in"), std::string::npos) << dialogs.told[0];
    EXPECT_NE(dialogs.told[0].find("no-such-folder"), std::string::npos) << dialogs.told[0];
    EXPECT_EQ(dialogs.warnings, dialogs.told);

    dialogs.chooseNext(folder / "cards.pdf"); // the printer is free for the next print
    EXPECT_EQ(printer.printAllFriends(), gui::PrintOutcome::Printed);
    EXPECT_TRUE(std::filesystem::exists(folder / "cards.pdf"));
}

TEST_F(CardPrinting, APdfFileChosenOverTheDataFilesIsRefusedAndTheyStayIntact)
{
    for (const char* name : {"Zelmor.dta", "Zelmor.reg"}) {
        std::ofstream(data / name) << "friends";
        dialogs.told.clear();
        dialogs.chooseNext(data / "." / name);
        EXPECT_EQ(printer.printAllFriends(), gui::PrintOutcome::Failed) << name;
        ASSERT_EQ(dialogs.told.size(), 1u) << name;
        EXPECT_NE(dialogs.told[0].find("never replaces the program's own files"), std::string::npos) << dialogs.told[0];
        EXPECT_EQ(readWholeFile(data / name).bytes, "friends") << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data.path()), {}), 2);
}

TEST_F(CardPrinting, AFileChosenInTheDialogIsReplacedOnlyByAWholeDocument)
{
    std::ofstream(folder / "cards.pdf") << "old cards";
    gui::QtReportPrinter& qt = platform.qtPrinter();
    qt.printToPdf(folder / "cards.pdf");
    qt.BeginDoc();
    qt.Canvas().LineTo(100, 100);
    qt.Abort();
    EXPECT_EQ(readWholeFile(folder / "cards.pdf").bytes, "old cards");
    EXPECT_EQ(qt.qprinter().outputFileName().toStdString(), (folder / "cards.pdf").string()) << "the user's name stays";

    if (!canMakeDevices()) {
        GTEST_SKIP() << "mknod needs root";
    }
    ASSERT_TRUE(makeFullDevice(folder / "full"));
    dialogs.chooseNext(folder / "full");
    EXPECT_EQ(printer.printAllFriends(), gui::PrintOutcome::Failed);
    ASSERT_EQ(dialogs.told.size(), 1u);
    EXPECT_NE(dialogs.told[0].find("No space left on device"), std::string::npos) << dialogs.told[0];
    EXPECT_TRUE(isCharacterDevice(folder / "full"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST_F(CardPrinting, AnAbortedDocumentLeavesNoFileBehind)
{
    gui::QtReportPrinter& qt = platform.qtPrinter();
    qt.printToPdf(folder / "half.pdf");
    qt.BeginDoc();
    qt.Canvas().MoveTo(0, 0);
    qt.Canvas().LineTo(100, 100);
    qt.NewPage();
    EXPECT_EQ(qt.PageNumber(), 2);
    qt.Abort();
    EXPECT_FALSE(std::filesystem::exists(folder / "half.pdf"));
    EXPECT_THROW(qt.Canvas(), report::EPrinterError);

    qt.BeginDoc();
    qt.EndDoc();
    EXPECT_TRUE(std::filesystem::exists(folder / "half.pdf"));
}

TEST_F(CardPrinting, APdfPageIsWholeA4AtSixHundredDpi)
{
    gui::QtReportPrinter& qt = platform.qtPrinter();
    qt.printToPdf(folder / "x.pdf");
    EXPECT_EQ(qt.resolution(), (report::TPoint{600, 600}));
    EXPECT_EQ(qt.printingOffset(), (report::TPoint{0, 0}));
    EXPECT_EQ(qt.PageHeight(), qt.physicalPageSize().Y);
    EXPECT_NEAR(qt.PageHeight(), 297 / 25.4 * 600, 2);
}

} // namespace
} // namespace zelmora::test
