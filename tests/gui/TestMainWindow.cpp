#include "WindowFixture.h"

#include "gui/app/DatesPage.h"
#include "gui/app/FriendCardPage.h"
#include "core/platform/FolderLock.h"
#include "gui/widgets/AlertColour.h"
#include "gui/widgets/DateEdit.h"
#include "gui/widgets/LinesListView.h"
#include "gui/widgets/RadioGroup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace zelmora::test {
namespace {

class MainWindow : public WindowFixture {
protected:
    using WindowFixture::line;
    QString line(int row) { return line("ListBox2", row); }
};

TEST_F(MainWindow, EveryCaptionFindsItsWidgetInBothLanguages)
{
    start({}, Language::French);
    EXPECT_TRUE(gui::missingCaptionObjects(window(), gui::ZelmoraForm::captions(), gui::ZelmoraForm::itemCaptions())
                    .isEmpty());
    EXPECT_EQ(window().ListeChoix->tabText(1), QStringLiteral("Fiches Amis"));
    EXPECT_EQ(child<QPushButton>("BitBtn4")->text(), QStringLiteral("&Options"));
    window().ApplyLanguage(Language::English);
    EXPECT_EQ(window().ListeChoix->tabText(1), QStringLiteral("Friends Data"));
    EXPECT_EQ(window().ListeChoix->currentIndex(), 0); // the dates come first
}

TEST_F(MainWindow, APartialDateIsStoredAsShownAndTheNameInCapitals)
{
    start({makeFriend("MARTIN", "Paul")});
    goTo("Fiches");
    QTest::mouseClick(child<QPushButton>("NewName"), Qt::LeftButton);
    type(child<QLineEdit>("NOM"), QStringLiteral("lefèvre"));
    auto* birthday = child<gui::DateEdit>("ANNIVERSAIRE");
    birthday->setFocus();
    birthday->setCursorPosition(0);
    QTest::keyClicks(birthday, QStringLiteral("5/12"));
    QTest::keyClick(child<QLineEdit>("RAISON1"), Qt::Key_Return); // Enter validates the card

    const std::unique_ptr<FriendTable> file = stored(); // written at once
    ASSERT_EQ(file->FriendCount, 2);
    EXPECT_EQ((*file)[1].Nom, "LEF\xC8VRE");
    EXPECT_EQ((*file)[1].Anniversaire, " 5/12/    ");
    EXPECT_EQ((*file)[1].Fete, "  /  /    ");
}

TEST_F(MainWindow, EnterInTheNotesValidatesInsteadOfBreakingTheLine)
{
    start({makeFriend("MARTIN", "Paul")});
    goTo("Fiches");
    auto* notes = child<QPlainTextEdit>("NOTES");
    notes->setFocus();
    type(notes, QStringLiteral("ami"));
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("ami"));
    EXPECT_EQ(stored()->operator[](1).Notes, "ami");
}

TEST_F(MainWindow, TheSelectedDateShowsItsFriendAfterSortingByName)
{
    start({person("ZOLA", "Emile", {{FriendField::Anniversaire, "09/12/1980"}}),
           person("ARNAUD", "Anne", {{FriendField::Anniversaire, "20/12/1980"}, {FriendField::Ville, "Lyon"}}),
           person("MARTIN", "Paul", {{FriendField::Fete, "10/12/    "}})});
    gui::DatesPage& dates = *window().datesPage;
    ASSERT_EQ(lineCount("ListBox2"), 3);
    EXPECT_TRUE(line(0).startsWith(QStringLiteral("09/12/26 ZOLA Emile"))) << line(0).toStdString();
    QTest::mouseClick(dates.Button1, Qt::LeftButton); // Sort/Name
    chooseLine("ListBox2", 0);
    EXPECT_EQ(dates.readOnlyText(FriendField::Nom), QStringLiteral("ARNAUD"));
    EXPECT_EQ(dates.readOnlyText(FriendField::Ville), QStringLiteral("Lyon"));
    chooseLine("ListBox2", 2);
    EXPECT_EQ(dates.readOnlyText(FriendField::Nom), QStringLiteral("ZOLA"));

    for (const char* page : {"Fiches", "Dates"}) {
        goTo(page);
        EXPECT_TRUE(dates.readOnlyText(FriendField::Nom).isEmpty()) << page;
    }
    EXPECT_TRUE(line(0).startsWith(QStringLiteral("09/12/26 ZOLA"))); // by date again, as the option says
}

TEST_F(MainWindow, TheListIsRedOnlyWhenADateFallsToday)
{
    for (const auto& [birthday, red] : {std::pair{"08/12/1990", true}, std::pair{"09/12/1990", false}}) {
        start({person("DUPONT", "Jean", {{FriendField::Anniversaire, birthday}})});
        const QColor colour = window().datesPage->ListBox2->palette().color(QPalette::Text);
        EXPECT_EQ(colour, red ? gui::alertRed() : QColor(0, 0, 0)) << birthday;
    }
}

TEST_F(MainWindow, LeavingTheCardWithEditsAsksFirst)
{
    start({makeFriend("MARTIN", "Paul")});
    goTo("Fiches");
    QTest::keyClicks(child<QLineEdit>("VILLE"), QStringLiteral("Lyon"));
    EXPECT_EQ(child<QLineEdit>("VILLE")->palette().color(QPalette::Text), gui::alertRed());
    dialogs.answerNext(true);
    goTo("Exporto");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(stored()->operator[](1).Ville, "Lyon");
}

TEST_F(MainWindow, ANewCardIsNeverWrittenBeforeItIsValidated)
{
    start({makeFriend("MARTIN", "Paul")});
    goTo("Fiches");
    QTest::mouseClick(child<QPushButton>("NewName"), Qt::LeftButton);
    EXPECT_TRUE(child<QLineEdit>("NOM")->hasFocus());
    child<gui::RadioGroup>("Surveillance")->setItemIndex(2); // an option saved at once
    EXPECT_EQ(stored()->FriendCount, 1);
    QTest::keyClick(child<QLineEdit>("NOM"), Qt::Key_Escape); // Escape cancels the card
    EXPECT_EQ(app->friends().FriendCount, 1);
    DisplayOptions options;
    FriendTable table;
    DatabaseFile(folder / "Zelmor.dta", AtomicFileWriter()).LoadDatabase(table, options, Language::English);
    EXPECT_EQ(options.watchWindow, WatchWindow::OneWeek);
}

TEST_F(MainWindow, AfterEveryAnswerTheListHighlightsTheFriendOnTheCard)
{
    for (const bool ok : {true, false}) {
        start({makeFriend("ARNAUD", "Anne"), makeFriend("BRUN", "Luc"), makeFriend("CARON", "Marc")});
        goTo("Fiches");
        QTest::keyClicks(child<QLineEdit>("VILLE"), QStringLiteral("Lyon"));
        dialogs.answerNext(ok);
        chooseLine("ListBox1", 2);
        // OK keeps the validated friend on the card, Cancel shows the clicked one: the list follows.
        const int expected = ok ? 0 : 2;
        EXPECT_EQ(chosenLine("ListBox1"), expected);
        EXPECT_EQ(child<QLineEdit>("NOM")->text() + QLatin1Char(' ') + child<QLineEdit>("PRENOM")->text(),
                  line("ListBox1", expected));
    }
}

TEST_F(MainWindow, ACardTheLockKeptStaysMarkedAndIsWrittenOnceTheFolderIsFree)
{
    start({makeFriend("MARTIN", "Paul")});
    goTo("Fiches");
    auto anotherProgram = std::make_unique<FolderLock>();
    ASSERT_TRUE(anotherProgram->acquire(folder.path(), Language::English).ok);
    QTest::keyClicks(child<QLineEdit>("VILLE"), QStringLiteral("Lyon"));
    QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.told.size(), 1u);
    EXPECT_EQ(child<QLineEdit>("VILLE")->palette().color(QPalette::Text), gui::alertRed());
    EXPECT_TRUE(window().windowTitle().endsWith(QLatin1Char('*')));
    EXPECT_EQ(stored()->operator[](1).Ville, "");

    anotherProgram.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return stored()->operator[](1).Ville == "Lyon"; }, 5000));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Zelmora v3.0"));
    EXPECT_EQ(child<QLineEdit>("VILLE")->palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(dialogs.told.size(), 1u);
}

} // namespace
} // namespace zelmora::test
