// What the card refuses: a typed date no calendar has (the card names the field and stays
// open), and characters the database cannot hold (a note says which, once per burst).
#include "WindowFixture.h"

#include "gui/widgets/AlertColour.h"

#include "gui/widgets/DateEdit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zelmora::test {
namespace {

class CardChecks : public WindowFixture {
protected:
    QString note()
    {
        auto* label = window().findChild<QLabel*>(QStringLiteral("RefusedCharacters"));
        return label && label->isVisible() ? label->text() : QString();
    }
};

TEST_F(CardChecks, AnImpossibleDateTypedIsRefusedOnOkAndTheCardStaysOpenOnIt)
{
    start({person("MARTIN", "Paul", {{FriendField::Anniversaire, "45/13/2000"}})});
    goTo("Fiches");
    EXPECT_EQ(child<gui::DateEdit>("ANNIVERSAIRE")->text(), QStringLiteral("45/13/2000")); // shown as stored
    auto* date = child<gui::DateEdit>("DATE1");
    date->setFocus();
    date->setCursorPosition(0);
    QTest::keyClicks(date, QStringLiteral("31042026"));
    QTest::keyClick(child<QLineEdit>("RAISON1"), Qt::Key_Return);

    EXPECT_EQ(dialogs.told, std::vector<std::string>{"Impossible date in \"Date #1\": that month has no such day."});
    EXPECT_TRUE(date->hasFocus());
    EXPECT_EQ(date->palette().color(QPalette::Text), gui::alertRed());
    EXPECT_TRUE(window().windowTitle().endsWith(QLatin1Char('*')));
    EXPECT_EQ((*stored())[1].Date1, "  /  /    ");

    date->setCursorPosition(0);
    QTest::keyClicks(date, QStringLiteral("30"));
    QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ((*stored())[1].Date1, "30/04/2026");
    EXPECT_EQ((*stored())[1].Anniversaire, "45/13/2000"); // the stored one, untouched, was not in the way
    EXPECT_EQ(dialogs.told.size(), 1u);
}

TEST_F(CardChecks, ARefusedCharacterIsNamedOncePerBurstAndTheRestIsKept)
{
    start({person("MARTIN", "Paul")});
    goTo("Fiches");
    auto* city = child<QLineEdit>("VILLE");
    type(city, QStringLiteral("Łódź"));
    EXPECT_EQ(city->text(), QStringLiteral("ód"));
    EXPECT_EQ(note(), QStringLiteral("These characters cannot be stored: Ł ź"));
    // A screen reader hears the field's description say it, beside the mark of a change.
    EXPECT_EQ(city->accessibleDescription(),
              QStringLiteral("Changed, not validated yet. This character cannot be stored: Ł"));
    EXPECT_TRUE(dialogs.told.empty()); // no message box

    auto* notes = child<QPlainTextEdit>("NOTES");
    type(notes, QStringLiteral("ami 😀"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("ami "));
    EXPECT_EQ(note(), QStringLiteral("This character cannot be stored: 😀"));
    EXPECT_EQ(city->accessibleDescription(), QStringLiteral("Changed, not validated yet")); // its own back

    QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ((*stored())[1].Ville, "\xF3" "d");
    EXPECT_EQ((*stored())[1].Notes, "ami ");
}

} // namespace
} // namespace zelmora::test
