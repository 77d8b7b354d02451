#include "gui/app/ZelmoraForm.h"

#include "gui/app/DatesPage.h"
#include "gui/app/FriendCardPage.h"
#include "gui/app/SessionSignals.h"
#include "gui/models/DatesListModel.h"
#include "gui/models/FriendListModel.h"
#include "gui/appearance/Glyphs.h"
#include "gui/appearance/ProgramIcon.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/LinesListView.h"
#include "gui/widgets/ListFinder.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/RadioGroup.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QAbstractButton>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace zelmora::gui {

namespace {

constexpr Caption MainCaptions[] = {
    {"BitBtn7", lang::Quit},
    {"Dates", lang::DatesToCelebrate}, {"Fiches", lang::FriendsData}, {"Options", lang::OptionsHelp},
    {"Exporto", lang::ExportData},
    {"Button1", lang::SortByName}, {"Button2", lang::SortByDay},
    {"NewName", lang::NewName}, {"DeleteName", lang::DeleteName},
    {"Label15", lang::LastName}, {"Label16", lang::FirstName}, {"Label17", lang::Address},
    {"Label18", lang::ZipCode}, {"Label19", lang::City}, {"Label20", lang::Country},
    {"Label21", lang::PhoneNumber}, {"Label22", lang::Birthday}, {"Label23", lang::SaintsDay},
    {"Label25", lang::Date1}, {"Label24", lang::Reason1}, {"Label26", lang::Date2}, {"Label27", lang::Reason2},
    {"Label28", lang::Notes},
    {"Label1", lang::LastName}, {"Label2", lang::FirstName}, {"Label3", lang::Address}, {"Label4", lang::ZipCode},
    {"Label5", lang::City}, {"Label6", lang::Country}, {"Label7", lang::PhoneNumber}, {"Label8", lang::Birthday},
    {"Label9", lang::SaintsDay}, {"Label10", lang::Date1}, {"Label11", lang::Reason1}, {"Label12", lang::Date2},
    {"Label13", lang::Reason2}, {"Label14", lang::Notes},
    {"Label29", lang::DateFormatHint}, {"Label30", lang::DateFormatHint},
    {"Label31", lang::MobilePhone}, {"Label32", lang::MobilePhone},
    {"Label33", lang::State}, {"Label34", lang::State},
    {"BitBtn1", lang::Ok}, {"BitBtn2", lang::Cancel},
    {"Button3", lang::InternetSite}, {"Button5", lang::InternetSite},
    {"BitBtn12", lang::PrintAllCards},
    {"BitBtn3", lang::SaveToTextFile}, {"BitBtn5", lang::Help}, {"BitBtn6", lang::About},
    {"BitBtn8", lang::SaveToHtmlFile},
    {"Popup2", lang::About}, {"Popup4", lang::Help}, {"Popup5", lang::Quit},
    {"ImportVCard", lang::ImportVCard}, {"ExportVCard", lang::ExportVCard}, {"ExportCalendar", lang::ExportCalendar},
    {"ExportCsv", lang::ExportCsv}, {"FillFetes", lang::FillFetes},
};

const ItemsCaption MainItemCaptions[] = {
    {"RadioGroup1", lang::SaveCaption, {lang::SaveOnly, lang::SaveAndOpen}},
    {"Classement", lang::SortDatesCaption, {lang::ByDate, lang::ByPerson}},
    {"Surveillance", lang::WatchCaption, {lang::WithinOneMonth, lang::WithinTwoWeeks, lang::WithinOneWeek}},
    {"RadioGroup2", lang::TodayColourCaption, {lang::HighlightInRed, lang::LeaveInBlack}},
    {"RadioGroup3", lang::OptionalInformation, {lang::ShowAge, lang::ShowCountdown, lang::ShowNothing}},
};

// Buttons side by side, whose captions share one size.
constexpr const char* SortButtons[] = {"Button1", "Button2"};
constexpr const char* DatesWebButtons[] = {"Button5", "Button6"};
constexpr const char* CardListButtons[] = {"NewName", "DeleteName"};
constexpr const char* CardWebButtons[] = {"Button3", "Button4"};
constexpr const char* CardButtons[] = {"BitBtn1", "BitBtn2"};
constexpr const char* ExportButtons[] = {"BitBtn12", "BitBtn3", "BitBtn8"};
constexpr const char* OptionButtons[] = {"BitBtn5", "BitBtn6", "BitBtn4"};
constexpr ButtonRow MainRows[] = {SortButtons, DatesWebButtons, CardListButtons, CardWebButtons,
                                  CardButtons, ExportButtons, OptionButtons, ExchangeButtons};

} // namespace

std::span<const Caption> ZelmoraForm::captions() { return MainCaptions; }
std::span<const ItemsCaption> ZelmoraForm::itemCaptions() { return MainItemCaptions; }

ZelmoraForm::ZelmoraForm(CardSession& session, SessionSignals& sessionSignals, const DisplayOptions& options,
                         const Language& language, const LeapDayRule& leapDay, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_session(session), m_clock(clock), m_optionGroups(options),
      m_friendList(new FriendListModel(session.friends(), this)),
      m_datesList(new DatesListModel(options, language, leapDay, this))
{
    setObjectName(QStringLiteral("ZelmoraForm"));
    showTitle();
    setFixedSize(529, 409);
    setFont(sansFont(11));

    ListeChoix = new QTabWidget(this);
    ListeChoix->setObjectName(QStringLiteral("ListeChoix"));
    ListeChoix->setGeometry(8, 8, 513, 393);
    ListeChoix->setFont(sansFont(13));
    datesPage = new DatesPage(*m_datesList, session.friends());
    cardPage = new FriendCardPage(session, sessionSignals, *m_friendList);
    exportPage = new ExportPage(m_optionGroups);
    optionsPage = new OptionsPage(m_optionGroups);
    for (QWidget* page : {static_cast<QWidget*>(datesPage), static_cast<QWidget*>(cardPage),
                          static_cast<QWidget*>(exportPage), static_cast<QWidget*>(optionsPage)}) {
        ListeChoix->addTab(page, page->objectName());
    }
    ListeChoix->setCurrentWidget(datesPage);
    connect(ListeChoix, &QTabWidget::currentChanged, this, &ZelmoraForm::ListeChoixChange);

    connect(datesPage, &DatesPage::webSiteWanted, this, &ZelmoraForm::webSiteWanted);
    connect(datesPage, &DatesPage::mailWanted, this, &ZelmoraForm::mailWanted);
    connect(datesPage, &DatesPage::printWanted, this, &ZelmoraForm::printDateWanted);
    connect(datesPage, &DatesPage::quitWanted, this, &QWidget::close); // exactly as the close box
    connect(cardPage, &FriendCardPage::webSiteWanted, this, &ZelmoraForm::webSiteWanted);
    connect(cardPage, &FriendCardPage::mailWanted, this, &ZelmoraForm::mailWanted);
    connect(cardPage, &FriendCardPage::printWanted, this, &ZelmoraForm::printCardWanted);
    new ListFinder(*datesPage->ListBox2, *datesPage);
    new ListFinder(*cardPage->ListBox1, *cardPage);
    createTrayMenu();
    setGlyphs();
    connect(&m_optionGroups, &DisplayOptionGroups::chosen, this, &ZelmoraForm::displayOptionsChosen);
    connect(&sessionSignals, &SessionSignals::friendsUpdated, this, [this] {
        m_friendList->friendsChanged();
        datesPage->BuildDatesList(m_clock); // its lines name friends by their place
    });
    connect(&sessionSignals, &SessionSignals::cardUpdated, this, &ZelmoraForm::showTitle);
    connect(exportPage->BitBtn12, &QPushButton::clicked, this, &ZelmoraForm::printAllWanted);
    connect(exportPage->BitBtn3, &QPushButton::clicked, this, &ZelmoraForm::textExportWanted);
    connect(exportPage->BitBtn8, &QPushButton::clicked, this, &ZelmoraForm::htmlExportWanted);
    connect(exportPage->ImportVCard, &QPushButton::clicked, this, &ZelmoraForm::vCardImportWanted);
    connect(exportPage->ExportVCard, &QPushButton::clicked, this, &ZelmoraForm::vCardExportWanted);
    connect(exportPage->ExportCalendar, &QPushButton::clicked, this, &ZelmoraForm::calendarExportWanted);
    connect(exportPage->ExportCsv, &QPushButton::clicked, this, &ZelmoraForm::csvExportWanted);
    connect(optionsPage->FillFetes, &QPushButton::clicked, this, &ZelmoraForm::fillFetesWanted);
    connect(optionsPage->BitBtn5, &QPushButton::clicked, this, &ZelmoraForm::helpWanted);
    connect(optionsPage->BitBtn6, &QPushButton::clicked, this, &ZelmoraForm::aboutWanted);
    connect(optionsPage->BitBtn4, &QPushButton::clicked, this, &ZelmoraForm::optionsWanted);
    ApplyLanguage(language);
}

void ZelmoraForm::createTrayMenu()
{
    PopupTrayIcon = new QMenu(this);
    PopupTrayIcon->setObjectName(QStringLiteral("PopupTrayIcon"));
    const auto addItem = [this](const char* name, const QString& text = {}) {
        QAction* item = PopupTrayIcon->addAction(text);
        item->setObjectName(QLatin1String(name));
        return item;
    };
    Popup1 = addItem("Popup1", QStringLiteral("&Zelmora")); // the product's name in both languages
    Popup2 = addItem("Popup2");
    Popup4 = addItem("Popup4");
    PopupBarre1 = PopupTrayIcon->addSeparator();
    PopupBarre1->setObjectName(QStringLiteral("PopupBarre1"));
    Popup5 = addItem("Popup5");
}

void ZelmoraForm::setGlyphs()
{
    setWindowIcon(programIcon());
    const auto glyph = [this](const char* name, Glyph picture, int size) {
        auto* button = findChild<QAbstractButton*>(QLatin1String(name));
        button->setIcon(glyphIcon(picture));
        button->setIconSize(QSize(size, size));
    };
    for (const char* print : {"BitBtn10", "BitBtn11"}) {
        glyph(print, Glyph::Print, 24);
    }
    glyph("BitBtn12", Glyph::Print, 32);
    glyph("BitBtn3", Glyph::TextFile, 32);
    glyph("BitBtn8", Glyph::HtmlPage, 32);
    glyph("BitBtn5", Glyph::Help, 24);
    glyph("BitBtn6", Glyph::About, 24);
    glyph("BitBtn4", Glyph::Options, 24);
    glyph("BitBtn7", Glyph::Quit, 32);
    glyph("BitBtn1", Glyph::Ok, 16);
    glyph("BitBtn2", Glyph::Cancel, 16);
}

void ZelmoraForm::nameUnlabelled(Language language)
{
    const auto name = [this](const char* objectName, const QString& text) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(objectName));
        widget->setAccessibleName(text);
        if (qobject_cast<QAbstractButton*>(widget)) {
            widget->setToolTip(text);
        }
    };
    const QString secondLine = fromCp1252(LangText(lang::AddressSecondLine, language));
    const QString site = fromCp1252(LangText(lang::InternetSite, language));
    for (const char* prefix : {"", "E"}) {
        name(QByteArray(prefix).append("ADRESSE2").constData(), secondLine);
        name(QByteArray(prefix).append("WWW").constData(), site);
        name(QByteArray(prefix).append("MAIL").constData(), QStringLiteral("e-mail"));
    }
    name("ListBox2", fromCp1252(LangText(lang::DatesToCelebrate, language)));
    name("ListBox1", fromCp1252(LangText(lang::FriendsData, language)));
    name("BitBtn10", fromCp1252(LangText(lang::PrintThisCard, language)));
    name("BitBtn11", fromCp1252(LangText(lang::PrintDateCard, language)));
    name("FeteOffer", fromCp1252(LangText(lang::ProposedFetes, language)));
    for (ListFinder* finder : findChildren<ListFinder*>()) {
        finder->setTexts(fromCp1252(LangText(lang::Find, language)), fromCp1252(LangText(lang::FindKeys, language)));
    }
    // Colour is not the only mark of a change: a screen reader says it too.
    cardPage->setChangedDescription(fromCp1252(LangText(lang::FieldChanged, language)));
    m_unsavedDescription = fromCp1252(LangText(lang::CardNotValidated, language));
    showTitle();
}

void ZelmoraForm::ApplyLanguage(Language language)
{
    applyCaptions(*this, MainCaptions, language);
    applyCaptions(*this, MainItemCaptions, language);
    fitButtonRows(*this, MainRows);
    nameUnlabelled(language);
}

void ZelmoraForm::showData()
{
    m_optionGroups.showOptions();
    datesPage->BuildDatesList(m_clock);
}

void ZelmoraForm::showTitle()
{
    const QString product = QStringLiteral("Zelmora v3.0");
    const bool unsaved = m_session.hasUnsavedCard();
    if (const QString description = unsaved ? m_unsavedDescription : QString(); description != accessibleDescription()) {
        setAccessibleDescription(description);
    }
    const QString title = unsaved ? product + QStringLiteral(" *") : product;
    if (title != windowTitle()) {
        setWindowTitle(title);
        QAccessibleEvent renamed(this, QAccessible::NameChanged); // read out at once, as the mark appears
        QAccessible::updateAccessibility(&renamed);
    }
}

void ZelmoraForm::ListeChoixChange()
{
    m_session.settlePendingEdit();
    datesPage->BuildDatesList(m_clock);
    datesPage->ClearReadOnlyCard();
}

void ZelmoraForm::closeEvent(QCloseEvent* event)
{
    const CloseOutcome outcome = onClose ? onClose() : CloseOutcome::End;
    if (outcome == CloseOutcome::End) {
        event->accept();
        return;
    }
    event->ignore();
    if (outcome == CloseOutcome::Hide) {
        hide();
    }
}

void ZelmoraForm::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* screen = this->screen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
    }
    QWidget::showEvent(event);
}

} // namespace zelmora::gui
