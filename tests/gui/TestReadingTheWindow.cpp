// The window for keyboard users and screen readers: the order of Tab, a focus that shows,
// what is said beyond colours, the find box, and the dates list after a rebuild.

#include "WindowFixture.h"

#include "gui/app/DatesPage.h"
#include "gui/app/FriendCardPage.h"
#include "gui/app/OptsForm.h"
#include "gui/widgets/LinesListView.h"
#include "gui/widgets/RadioGroup.h"
#include "gui/widgets/WindowStyle.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace zelmora::test {
namespace {

class ReadingTheWindow : public WindowFixture {
protected:
    void goTo(const char* page) { window().ListeChoix->setCurrentWidget(child<QWidget>(page)); }

    // The controls Tab reaches, by name, from `first` on.
    static QStringList tabStops(QWidget* first, int count)
    {
        QWidget* window = first->window();
        first->setFocus(Qt::TabFocusReason);
        QStringList names{first->objectName()};
        while (names.size() < count) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            names << window->focusWidget()->objectName();
        }
        return names;
    }

    // How many pixels of `widget` the focus frame paints.
    static int focusPixels(QWidget& widget)
    {
        const QImage image = widget.grab().toImage();
        const QRgb focus = gui::WindowStyle::focusColour().rgb();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixel(x, y) == focus ? 1 : 0;
            }
        }
        return count;
    }

    // Many friends with a date each, so that the dates list scrolls.
    void startWithManyDates(int count)
    {
        writeSettings("00010");
        auto table = std::make_unique<FriendTable>();
        for (int i = 1; i <= count; ++i) {
            const std::string day = (i % 28 < 9 ? "0" : "") + std::to_string(i % 28 + 1) + "/12/1980";
            (*table)[++table->FriendCount] = person("MARTIN" + std::to_string(100 + i), "Paul",
                                                    {{FriendField::Anniversaire, day}});
        }
        table->SortFriends();
        ASSERT_TRUE(AtomicFileWriter().replace(folder / "Zelmor.dta", encodeDatabase(*table, {})).ok);
        launch();
    }

    static int firstVisibleLine(const gui::LinesListView& list) { return list.indexAt(QPoint(2, 2)).row(); }
};

TEST_F(ReadingTheWindow, TabGoesTopToBottomAndLeftToRightOnEveryTab)
{
    start({makeFriend("MARTIN", "Paul")});
    goTo("Options");
    EXPECT_EQ(tabStops(child<QWidget>("Surveillance0"), 7),
              (QStringList{"Surveillance0", "RadioGroup30", "Classement0", "RadioGroup20", "BitBtn5", "BitBtn6",
                           "BitBtn4"}));
    goTo("Exporto");
    EXPECT_EQ(tabStops(child<QWidget>("BitBtn12"), 8),
              (QStringList{"BitBtn12", "ImportVCard", "ExportVCard", "ExportCsv", "ExportCalendar", "RadioGroup10",
                           "BitBtn3", "BitBtn8"}));
    goTo("Dates");
    EXPECT_EQ(tabStops(child<QWidget>("ListBox2"), 7),
              (QStringList{"ListBox2", "Button1", "Button2", "Button5", "Button6", "BitBtn11", "BitBtn7"}));

    gui::OptsForm& options = app->optionsDialog();
    options.show();
    EXPECT_EQ(tabStops(options.findChild<QWidget*>(QStringLiteral("Langue0")), 8),
              (QStringList{"Langue0", "StartAuto", "TrayIcon", "ButtonDesign1", "InterGraf0", "RemindersButton",
                           "SyncButton", "OKButton"}));
    options.close();
}

TEST_F(ReadingTheWindow, TheFocusShowsClearlyOnTheTabsButtonsFieldsAndChoices)
{
    start({makeFriend("MARTIN", "Paul")});
    QTabBar* tabs = window().ListeChoix->tabBar();
    tabs->setFocus(Qt::OtherFocusReason); // not after a Tab key: the frame shows all the same
    EXPECT_GT(focusPixels(*tabs), 100);
    for (const char* page : {"Fiches", "Options", "Dates"}) {
        goTo(page);
        for (QWidget* control : window().ListeChoix->currentWidget()->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (!QStringList{"NOM", "NOTES", "NewName", "ListBox1", "Surveillance0", "BitBtn7"}.contains(name)) {
                continue;
            }
            control->setFocus(Qt::OtherFocusReason);
            EXPECT_GT(focusPixels(*control), 60) << name.toStdString();
            tabs->setFocus(Qt::OtherFocusReason);
            EXPECT_EQ(focusPixels(*control), 0) << name.toStdString();
        }
    }
}

TEST_F(ReadingTheWindow, AChangedFieldAndTheCardSayItBesidesTheirColour)
{
    start({makeFriend("MARTIN", "Paul")});
    goTo("Fiches");
    auto* city = child<QLineEdit>("VILLE");
    QTest::keyClicks(city, QStringLiteral("Lyon"));
    EXPECT_EQ(city->accessibleDescription(), QStringLiteral("Changed, not validated yet"));
    EXPECT_TRUE(child<QLineEdit>("NOM")->accessibleDescription().isEmpty());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Zelmora v3.0 *"));
    EXPECT_EQ(window().accessibleDescription(), QStringLiteral("The card holds changes not saved yet"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window())->text(QAccessible::Name),
              QStringLiteral("Zelmora v3.0 *"));

    app->optionsDialog().Langue->setItemIndex(1);
    EXPECT_EQ(city->accessibleDescription(), QStringLiteral("Modifié, pas encore validé"));
    QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_TRUE(city->accessibleDescription().isEmpty());
    EXPECT_TRUE(window().accessibleDescription().isEmpty());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Zelmora v3.0"));
}

TEST_F(ReadingTheWindow, AScreenReaderReadsAFieldAndTypesIntoIt)
{
    start({makeFriend("MARTIN", "Paul", {{FriendField::Ville, "Lyon"}})});
    goTo("Fiches");
    QAccessibleInterface* city = QAccessible::queryAccessibleInterface(child<QWidget>("VILLE"));
    EXPECT_EQ(city->text(QAccessible::Name), QStringLiteral("City")); // its label
    QAccessibleTextInterface* text = city->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 4);
    EXPECT_EQ(text->text(1, 3), QStringLiteral("yo"));
    text->setSelection(0, 0, 2);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 2));
    EXPECT_GT(text->characterRect(1).left(), text->characterRect(0).left());
    city->editableTextInterface()->replaceText(0, 4, QStringLiteral("Paris"));
    EXPECT_EQ(child<QLineEdit>("VILLE")->text(), QStringLiteral("Paris"));
    EXPECT_TRUE(app->session().isChanged(FriendField::Ville)); // typed, as from the keyboard
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child<QWidget>("EVILLE"))->editableTextInterface(), nullptr);
}

TEST_F(ReadingTheWindow, TheMainWindowIsAWindowToScreenReaders)
{
    start({});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window())->role(), QAccessible::Window);
}

TEST_F(ReadingTheWindow, ADateThatFallsTodaySaysSo)
{
    start({person("DUPONT", "Jean", {{FriendField::Anniversaire, "08/12/1990"}}),
           person("MARTIN", "Paul", {{FriendField::Anniversaire, "09/12/1990"}})});
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(child<QWidget>("ListBox2"));
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Description), QStringLiteral("Today"));
    EXPECT_TRUE(list->child(1)->text(QAccessible::Description).isEmpty());
}

TEST_F(ReadingTheWindow, ARebuiltDatesListStartsAtItsFirstLine)
{
    startWithManyDates(40);
    auto* list = child<gui::LinesListView>("ListBox2");
    const auto scrollToEnd = [list] {
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        ASSERT_GT(firstVisibleLine(*list), 20);
    };
    scrollToEnd();
    goTo("Fiches");
    goTo("Dates");
    QApplication::processEvents();
    EXPECT_EQ(firstVisibleLine(*list), 0);
    for (const char* sort : {"Button1", "Button2"}) {
        scrollToEnd();
        QTest::mouseClick(child<QPushButton>(sort), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(firstVisibleLine(*list), 0) << sort;
    }
}

TEST_F(ReadingTheWindow, TheDatesCardStaysEmptyAfterTheQuestionAndWhenTheListTakesTheFocus)
{
    start({person("DUPONT", "Jean", {{FriendField::Anniversaire, "09/12/1990"}}),
           person("MARTIN", "Paul", {{FriendField::Anniversaire, "10/12/1990"}})});
    goTo("Fiches");
    QTest::keyClicks(child<QLineEdit>("VILLE"), QStringLiteral("Lyon"));
    dialogs.answerNext(true);
    goTo("Dates");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    // Back from the question, the window is active again and its list takes the focus.
    auto* list = child<gui::LinesListView>("ListBox2");
    window().ListeChoix->tabBar()->setFocus();
    list->setFocus(Qt::ActiveWindowFocusReason);
    gui::DatesPage& dates = *window().datesPage;
    EXPECT_TRUE(dates.readOnlyText(FriendField::Nom).isEmpty());
    EXPECT_EQ(list->selectedRow(), -1);
    QTest::keyClick(list, Qt::Key_Down); // the first line is the first the arrow reaches
    EXPECT_EQ(list->selectedRow(), 0);
    EXPECT_EQ(dates.readOnlyText(FriendField::Nom), QStringLiteral("DUPONT"));
}

TEST_F(ReadingTheWindow, TheFindBoxSelectsTheNextFriendWhatEverItsCaseAndAccents)
{
    start({makeFriend("DUPONT", "Jean"), makeFriend("LEFEVRE", "Zo\xE9"), makeFriend("MARTIN", "Paul"),
           makeFriend("\xC9MERY", "Zo\xE9")});
    goTo("Fiches");
    auto* list = child<gui::LinesListView>("ListBox1");
    window().ListeChoix->tabBar()->setFocus(); // Ctrl+F works wherever the focus is on the page's tab
    QTest::keyClick(&window(), Qt::Key_F, Qt::ControlModifier);
    auto* find = child<QLineEdit>("ListBox1Find");
    ASSERT_TRUE(find->isVisible());
    EXPECT_TRUE(find->hasFocus());
    EXPECT_EQ(find->accessibleName(), QStringLiteral("Find"));
    QTest::keyClicks(find, QStringLiteral("zoe"));
    EXPECT_EQ(line("ListBox1", list->selectedRow()), QStringLiteral("LEFEVRE Zo\u00E9"));
    EXPECT_EQ(child<QLineEdit>("NOM")->text(), QStringLiteral("LEFEVRE")); // the card follows
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(line("ListBox1", list->selectedRow()), QStringLiteral("\u00C9MERY Zo\u00E9"));
    QTest::keyClick(find, Qt::Key_Return); // round to the first match
    EXPECT_EQ(line("ListBox1", list->selectedRow()), QStringLiteral("LEFEVRE Zo\u00E9"));
    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_FALSE(find->isVisible());
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(app->friends().FriendCount, 4); // Escape closed the box, it cancelled nothing
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(ReadingTheWindow, TheFindBoxFindsADateLine)
{
    start({person("DUPONT", "Jean", {{FriendField::Anniversaire, "09/12/1990"}}),
           person("\xC9MERY", "Zo\xE9", {{FriendField::Fete, "10/12/    "}})});
    QTest::keyClick(&window(), Qt::Key_F, Qt::ControlModifier);
    auto* find = child<QLineEdit>("ListBox2Find");
    ASSERT_TRUE(find->isVisible());
    QTest::keyClicks(find, QStringLiteral("emery"));
    EXPECT_EQ(child<gui::LinesListView>("ListBox2")->selectedRow(), 1);
    EXPECT_EQ(window().datesPage->readOnlyText(FriendField::Prenom), QStringLiteral("Zo\u00E9"));
}

} // namespace
} // namespace zelmora::test
