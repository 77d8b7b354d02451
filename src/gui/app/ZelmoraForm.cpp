#include "gui/app/ZelmoraForm.h"

#include "gui/app/DatesPage.h"
#include "gui/app/FriendCardPage.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/RadioGroup.h"

#include <QCloseEvent>
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
};

const ItemsCaption MainItemCaptions[] = {
    {"RadioGroup1", lang::SaveCaption, {lang::SaveOnly, lang::SaveAndOpen}},
    {"Classement", lang::SortDatesCaption, {lang::ByDate, lang::ByPerson}},
    {"Surveillance", lang::WatchCaption, {lang::WithinOneMonth, lang::WithinTwoWeeks, lang::WithinOneWeek}},
    {"RadioGroup2", lang::TodayColourCaption, {lang::HighlightInRed, lang::LeaveInBlack}},
    {"RadioGroup3", lang::OptionalInformation, {lang::ShowAge, lang::ShowCountdown, lang::ShowNothing}},
};

} // namespace

std::span<const Caption> ZelmoraForm::captions() { return MainCaptions; }
std::span<const ItemsCaption> ZelmoraForm::itemCaptions() { return MainItemCaptions; }

ZelmoraForm::ZelmoraForm(CardEditor& editor, FriendTable& table, DatesList& dates, DisplayOptions& options,
                         const Language& language, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_editor(editor), m_clock(clock), m_optionGroups(options)
{
    setObjectName(QStringLiteral("ZelmoraForm"));
    setWindowTitle(QStringLiteral("Zelmora v3.0"));
    setFixedSize(529, 409);
    setFont(sansFont(11));

    ListeChoix = new QTabWidget(this);
    ListeChoix->setObjectName(QStringLiteral("ListeChoix"));
    ListeChoix->setGeometry(8, 8, 513, 393);
    ListeChoix->setFont(sansFont(13));
    datesPage = new DatesPage(dates, table, options, language);
    cardPage = new FriendCardPage(editor, table);
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
    connect(&m_optionGroups, &DisplayOptionGroups::changedByUser, this, &ZelmoraForm::displayOptionsChanged);
    connect(exportPage->BitBtn12, &QPushButton::clicked, this, &ZelmoraForm::printAllWanted);
    connect(exportPage->BitBtn3, &QPushButton::clicked, this, &ZelmoraForm::textExportWanted);
    connect(exportPage->BitBtn8, &QPushButton::clicked, this, &ZelmoraForm::htmlExportWanted);
    connect(optionsPage->BitBtn5, &QPushButton::clicked, this, &ZelmoraForm::helpWanted);
    connect(optionsPage->BitBtn6, &QPushButton::clicked, this, &ZelmoraForm::aboutWanted);
    connect(optionsPage->BitBtn4, &QPushButton::clicked, this, &ZelmoraForm::optionsWanted);
    ApplyLanguage(language);
}

void ZelmoraForm::ApplyLanguage(Language language)
{
    applyCaptions(*this, MainCaptions, language);
    applyCaptions(*this, MainItemCaptions, language);
}

void ZelmoraForm::showData()
{
    m_optionGroups.showOptions();
    refreshCard();
    datesPage->BuildDatesList(m_clock);
}

void ZelmoraForm::refreshCard() { cardPage->refresh(); }

void ZelmoraForm::ListeChoixChange()
{
    m_editor.settlePendingEdit();
    cardPage->refresh();
    datesPage->BuildDatesList(m_clock);
    datesPage->ClearReadOnlyCard();
}

void ZelmoraForm::closeEvent(QCloseEvent* event)
{
    const CloseOutcome outcome = onClose ? onClose() : CloseOutcome::End;
    cardPage->refresh(); // the close may have settled the card
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
