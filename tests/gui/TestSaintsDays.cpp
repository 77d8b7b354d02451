// The window's saints' days: the card's offer beside the saint's day, and the fill of
// every empty saint's day at once.
#include "WindowFixture.h"

#include "gui/widgets/AlertColour.h"

#include "gui/app/FriendCardPage.h"
#include "gui/widgets/DateEdit.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace zelmora::test {
namespace {

using SaintsDays = WindowFixture;

// Picks the first day of the menu the offer opens, with the keyboard.
void chooseFirstDayOnceOpen()
{
    QTimer::singleShot(0, [] {
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(qobject_cast<QMenu*>(menu), nullptr);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

TEST_F(SaintsDays, TheCardOffersTheDaysOfItsFirstNameAndFillsTheFieldOnlyWhenOneIsChosen)
{
    start({person("DUPONT", "Jean"), person("LEROY", "Camille", {{FriendField::Fete, "17/07/    "}}),
           person("PETIT", "Xyzzy")});
    goTo("Fiches");
    auto* offer = child<QToolButton>("FeteOffer");
    auto* fete = child<gui::DateEdit>("FETE");
    ASSERT_TRUE(offer->isVisible());
    EXPECT_EQ(offer->accessibleName(), QStringLiteral("Proposed saint's days"));
    EXPECT_EQ(fete->nextInFocusChain(), offer); // reached with Tab, right after the field
    EXPECT_EQ(fete->storedText(), "  /  /    "); // nothing filled unasked
    const QRect before = fete->geometry();

    fete->setFocus();
    chooseFirstDayOnceOpen();
    QTest::keyClick(fete, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(fete->storedText(), "31/01/    ");
    EXPECT_EQ(fete->palette().color(QPalette::Text), gui::alertRed());
    EXPECT_FALSE(offer->isVisible()); // the field is no longer empty
    EXPECT_EQ(fete->geometry(), before);
    EXPECT_EQ((*stored())[1].Fete, "  /  /    "); // validated like typing, not before

    QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ((*stored())[1].Fete, "31/01/    ");

    // Nothing to offer: a saint's day already set, or a name no saint bears.
    for (const int line : {1, 2}) {
        chooseLine("ListBox1", line);
        EXPECT_FALSE(offer->isVisible()) << line;
    }
}

TEST_F(SaintsDays, TheOfferFollowsTheFirstNameTypedOnANewCard)
{
    start({person("PETIT", "Xyzzy")});
    goTo("Fiches");
    auto* offer = child<QToolButton>("FeteOffer");
    QTest::mouseClick(child<QPushButton>("NewName"), Qt::LeftButton);
    EXPECT_FALSE(offer->isVisible());
    type(child<QLineEdit>("PRENOM"), QStringLiteral("Hélène"));
    ASSERT_TRUE(offer->isVisible());
    chooseFirstDayOnceOpen();
    QTest::mouseClick(offer, Qt::LeftButton);
    EXPECT_EQ(child<gui::DateEdit>("FETE")->storedText(), "18/08/    ");
}

class FillingSaintsDays : public WindowFixture {
protected:
    void fill() { QTest::mouseClick(child<QPushButton>("FillFetes"), Qt::LeftButton); }
};

TEST_F(FillingSaintsDays, OkWritesTheCheckedDaysToTheFriendsAsTheyAreThen)
{
    start({person("DUPONT", "Jean"), person("MARTIN", "Marie"), person("PETIT", "Xyzzy"),
           person("ROUX", "Jean-Baptiste")});
    goTo("Options");
    dialogs.whileShown = [this](QDialog& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("FetesList"));
        ASSERT_EQ(list->topLevelItemCount(), 3);
        const struct {
            const char* name;
            Qt::CheckState checked;
            bool choices;
        } expected[] = {{"DUPONT Jean", Qt::Unchecked, true}, {"MARTIN Marie", Qt::Checked, false},
                        {"ROUX Jean-Baptiste", Qt::Unchecked, true}};
        for (int row = 0; row < 3; ++row) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            EXPECT_EQ(item->text(0), QLatin1String(expected[row].name));
            EXPECT_EQ(item->checkState(0), expected[row].checked) << row;
            EXPECT_EQ(list->itemWidget(item, 1) != nullptr, expected[row].choices) << row;
        }
        EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("15/08 Marie"));
        auto* roux = qobject_cast<QComboBox*>(list->itemWidget(list->topLevelItem(2), 1));
        ASSERT_EQ(roux->count(), 7); // the days of the whole name first, then those of "Jean"
        EXPECT_EQ(roux->itemText(1), QStringLiteral("24/06 Jean-Baptiste"));
        roux->setCurrentIndex(1);
        list->topLevelItem(2)->setCheckState(0, Qt::Checked);
        // Meanwhile another program adds a friend in front and sets Marie's day: the
        // change finds each friend again in the file as it is now.
        writeFriends({person("ARNAUD", "Anne"), person("DUPONT", "Jean"),
                      person("MARTIN", "Marie", {{FriendField::Fete, "02/02/    "}}), person("PETIT", "Xyzzy"),
                      person("ROUX", "Jean-Baptiste")});
        dialog.accept();
    };
    fill();
    EXPECT_EQ(dialogs.shownModally, std::vector<std::string>{"FillFetesDialog"});
    const std::unique_ptr<FriendTable> file = stored();
    ASSERT_EQ(file->FriendCount, 5);
    EXPECT_EQ((*file)[1].Fete, "  /  /    ");
    EXPECT_EQ((*file)[2].Fete, "  /  /    ");
    EXPECT_EQ((*file)[3].Fete, "02/02/    "); // filled meanwhile: kept
    EXPECT_EQ((*file)[5].Fete, "24/06/    ");
    EXPECT_EQ(dialogs.told, std::vector<std::string>{"Saint's days set: 1"});
    EXPECT_EQ(lineCount("ListBox1"), 5);
}

TEST_F(FillingSaintsDays, CancelChangesNothingAndWithoutProposalsNoListIsShown)
{
    start({person("MARTIN", "Marie")});
    goTo("Options");
    dialogs.whileShown = [](QDialog& dialog) { dialog.reject(); };
    fill();
    EXPECT_EQ((*stored())[1].Fete, "  /  /    ");
    EXPECT_TRUE(dialogs.told.empty());

    start({person("PETIT", "Xyzzy")});
    goTo("Options");
    fill();
    EXPECT_EQ(dialogs.shownModally.size(), 1u);
    EXPECT_EQ(dialogs.told,
              std::vector<std::string>{"No friend without a saint's day has a first name the calendar knows."});
}

} // namespace
} // namespace zelmora::test
