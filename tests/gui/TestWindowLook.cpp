// How the windows look in both languages: captions side by side in one size, the rounded
// buttons' border, small text on its own ground, the red of changes and of today, the
// locked card, long values, and the secondary windows (About, options, help, tray menu).

#include "WindowFixture.h"

#include "gui/app/AboutForm.h"
#include "gui/app/DatesPage.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/OptsForm.h"
#include "gui/appearance/BackgroundTiles.h"
#include "gui/widgets/AlertColour.h"
#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QWindow>

namespace zelmora::test {
namespace {

class WindowLook : public WindowFixture {
protected:
    void goTo(const char* page) { window().ListeChoix->setCurrentWidget(child<QWidget>(page)); }
    int captionSize(QWidget& window, const char* button)
    {
        return window.findChild<QAbstractButton*>(QLatin1String(button))->font().pixelSize();
    }
};

// The contrast of `colour` on white, as WCAG computes it.
double contrastOnWhite(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const double luminance =
        0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    return 1.05 / (luminance + 0.05);
}

TEST_F(WindowLook, ButtonsSideBySideShareOneCaptionSizeInBothLanguages)
{
    start({});
    const std::vector<std::vector<const char*>> rows = {
        {"Button1", "Button2"}, {"Button5", "Button6"}, {"Button3", "Button4"}, {"NewName", "DeleteName"},
        {"BitBtn1", "BitBtn2"}, {"ImportVCard", "ExportVCard", "ExportCalendar"}, {"BitBtn12", "BitBtn3", "BitBtn8"},
        {"BitBtn5", "BitBtn6", "BitBtn4"}};
    for (const Language language : {Language::French, Language::English}) {
        app->optionsDialog().Langue->setItemIndex(language == Language::French ? 1 : 0);
        for (const auto& row : rows) {
            for (const char* button : row) {
                EXPECT_EQ(captionSize(window(), button), captionSize(window(), row.front())) << button;
            }
        }
        EXPECT_EQ(captionSize(app->optionsDialog(), "StartAuto"), captionSize(app->optionsDialog(), "TrayIcon"));
    }
    EXPECT_LT(captionSize(window(), "Button6"), 13); // "e-mail" follows "Internet Site" down
}

TEST_F(WindowLook, RoundedButtonsKeepTheirBorderAndTheExchangeRowTakesTheShape)
{
    start({});
    app->optionsDialog().ButtonDesign->setItemIndex(0);
    for (const char* name : {"ImportVCard", "ExportVCard", "ExportCalendar", "BitBtn3"}) {
        EXPECT_FALSE(child<QWidget>(name)->mask().isEmpty()) << name;
    }
    goTo("Exporto");
    const QImage button = child<QWidget>("BitBtn3")->grab().toImage();
    // On the corner's curve the border is drawn; inside, the button's face.
    EXPECT_LT(qGray(button.pixel(3, 3)), qGray(button.pixel(20, 20)) - 40);
}

TEST_F(WindowLook, LabelsAndGroupsStandOnTheirOwnGroundOverTheTiles)
{
    start({});
    gui::OptsForm& options = app->optionsDialog();
    options.InterGraf->setItemIndex(5); // the puzzle
    const QImage dialog = options.grab().toImage();
    const QPoint besideCaption = options.InterGraf->geometry().topRight() + QPoint(-3, 2);
    EXPECT_EQ(dialog.pixelColor(besideCaption), gui::classicFace());
    const QImage about = app->aboutBox().grab().toImage();
    auto* notice = app->aboutBox().findChild<QLabel*>(QStringLiteral("Label4"));
    EXPECT_EQ(about.pixelColor(notice->geometry().topLeft() + QPoint(1, 1)), gui::classicFace());
    EXPECT_NE(about.pixelColor(notice->geometry().topLeft() - QPoint(4, 0)), gui::classicFace()); // the tile
}

TEST_F(WindowLook, TheRedOfChangesAndOfTodayReadsOnWhite)
{
    EXPECT_GE(contrastOnWhite(gui::alertRed()), 4.5);
    EXPECT_LT(contrastOnWhite(QColor(255, 0, 0)), 4.5);
}

TEST_F(WindowLook, TheLockedCardLooksAndSaysItCannotBeTypedInto)
{
    start({});
    goTo("Fiches");
    auto* name = child<QLineEdit>("NOM");
    const QColor white = QApplication::palette().color(QPalette::Base);
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_NE(name->palette().color(QPalette::Base), white);
    const auto state = [](QWidget* field) { return QAccessible::queryAccessibleInterface(field)->state(); };
    EXPECT_TRUE(state(name).readOnly);
    EXPECT_FALSE(state(name).editable);
    EXPECT_TRUE(state(child<QWidget>("NOTES")).readOnly);

    QTest::mouseClick(child<QPushButton>("NewName"), Qt::LeftButton);
    EXPECT_FALSE(name->isReadOnly());
    EXPECT_EQ(name->palette().color(QPalette::Base), white);
    EXPECT_FALSE(state(name).readOnly);
    EXPECT_TRUE(state(name).editable);
}

TEST_F(WindowLook, LongValuesShowTheirBeginningAndTheDatesCardTheWholeInATooltip)
{
    const std::string longName = "LA-ROCHEFOUCAULD-MONTMORENCY";
    start({person(longName, "Anne", {{FriendField::Anniversaire, "09/12/1980"}})});
    goTo("Fiches");
    auto* card = child<QLineEdit>("NOM");
    EXPECT_EQ(card->text().toStdString(), longName);
    EXPECT_EQ(card->cursorPosition(), 0);
    goTo("Dates");
    chooseLine("ListBox2", 0);
    auto* copy = child<QLineEdit>("ENOM");
    EXPECT_EQ(copy->cursorPosition(), 0);
    EXPECT_EQ(copy->toolTip().toStdString(), longName);
    EXPECT_TRUE(copy->isReadOnly()); // its text can still be selected and copied
    EXPECT_NE(copy->focusPolicy() & Qt::ClickFocus, 0);
    goTo("Fiches");
    goTo("Dates");
    EXPECT_TRUE(copy->toolTip().isEmpty());
}

TEST_F(WindowLook, SecondaryWindowsSayWhatThisSystemDoes)
{
    start({});
    EXPECT_EQ(app->optionsDialog().StartAuto->text(), QStringLiteral("Automatic launch at login"));
    for (const QLabel* label : app->aboutBox().findChildren<QLabel*>()) {
        EXPECT_NE(label->text(), QStringLiteral("Qt"));
    }
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowLook, EscapeClosesTheHelp)
{
    start({});
    gui::HelpWindow& help = app->helpWindow();
    help.ShowHelp(Language::English);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(help.browser(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

TEST_F(WindowLook, OneRightClickOnTheTrayIconClosesTheWindowsThenOpensTheMenu)
{
    writeSettings("00100");
    writeFriends({});
    launch();
    app->showMainWindow();
    // Opened from the main window, the options are modal to it alone: the icon still hears clicks.
    const QWindow* over = nullptr;
    dialogs.whileShown = [&over](QDialog& dialog) { over = dialog.windowHandle()->transientParent(); };
    goTo("Options");
    QTest::mouseClick(child<QPushButton>("BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(over, window().windowHandle());
    EXPECT_EQ(app->optionsDialog().windowHandle()->transientParent(), nullptr); // centred on the screen next time
    app->optionsDialog().show();
    emit app->trayIcon().activated(QSystemTrayIcon::Context);
    EXPECT_FALSE(app->optionsDialog().isVisible());
    EXPECT_FALSE(window().isVisible()); // hidden into the tray, after saving
    EXPECT_TRUE(window().PopupTrayIcon->isVisible());
    window().PopupTrayIcon->close();
}

} // namespace
} // namespace zelmora::test
