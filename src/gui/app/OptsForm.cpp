#include "gui/app/OptsForm.h"

#include "core/platform/AutoStart.h"
#include "gui/widgets/KeyboardOrder.h"
#include "gui/widgets/Place.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace zelmora::gui {

namespace {

const Caption OptsCaptions[] = {
    {"GroupBox1", lang::ProgramOptionsCaption},
    {"StartAuto", AutoStartCaption},
    {"TrayIcon", lang::AddInTrayIcon},
    {"OptsForm", lang::ZelmoraOptions},
    {"RemindersButton", lang::RemindersButton},
    {"SyncButton", lang::SynchronisationButton},
};

const ItemsCaption OptsItemCaptions[] = {
    {"ButtonDesign", lang::ButtonsDesign, {lang::RoundedButtons, lang::RightAngleButtons}},
    {"InterGraf", lang::GraphicalBackground,
     {lang::GreyBackground, lang::Sahara1Background, lang::Sahara2Background, lang::SpottyBackground,
      lang::RoadBackground, lang::PuzzleBackground, lang::WallpaperBackground}},
};

constexpr const char* OptionChecks[] = {"StartAuto", "TrayIcon"};
constexpr ButtonRow OptsRows[] = {OptionChecks};

// The options in the keyboard's order, top to bottom and left to right; the buttons follow.
constexpr const char* OptionControls[] = {"Langue", "StartAuto", "TrayIcon", "ButtonDesign", "InterGraf"};

} // namespace

std::span<const Caption> OptsForm::captions() { return OptsCaptions; }
std::span<const ItemsCaption> OptsForm::itemCaptions() { return OptsItemCaptions; }

OptsForm::OptsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("OptsForm"));
    setFixedSize(434, 304);
    setFont(sansFont(11));
    Langue = place<RadioGroup>(this, "Langue", 8, 8, 129, 89);
    Langue->setTitle(QStringLiteral("Langue / Language"));
    Langue->setItems({QStringLiteral("Anglais / English"), QStringLiteral("Français / French")});
    GroupBox1 = place<QGroupBox>(this, "GroupBox1", 144, 8, 281, 89);
    StartAuto = place<QCheckBox>(this, "StartAuto", 152, 24, 265, 33);
    TrayIcon = place<QCheckBox>(GroupBox1, "TrayIcon", 8, 48, 161, 33);
    ButtonDesign = place<RadioGroup>(this, "ButtonDesign", 8, 104, 209, 81);
    InterGraf = place<RadioGroup>(this, "InterGraf", 224, 104, 201, 193);
    RemindersButton = place<QPushButton>(this, "RemindersButton", 8, 192, 209, 23);
    SyncButton = place<QPushButton>(this, "SyncButton", 8, 219, 209, 23);
    OKButton = place<QPushButton>(this, "OKButton", 55, 248, 75, 25);
    OKButton->setText(QStringLiteral("&OK"));
    OKButton->setDefault(true);

    connect(Langue, &RadioGroup::itemIndexChanged, this,
            [this](int index) { emit languageChosen(index == 1 ? Language::French : Language::English); });
    connect(StartAuto, &QCheckBox::toggled, this, &OptsForm::startAutoChosen);
    connect(TrayIcon, &QCheckBox::toggled, this, &OptsForm::trayIconChosen);
    connect(ButtonDesign, &RadioGroup::itemIndexChanged, this,
            [this](int index) { emit buttonDesignChosen(static_cast<ButtonShape>(index)); });
    connect(InterGraf, &RadioGroup::itemIndexChanged, this,
            [this](int index) { emit backgroundChosen(static_cast<std::uint8_t>(index)); });
    connect(RemindersButton, &QPushButton::clicked, this, &OptsForm::remindersWanted);
    connect(SyncButton, &QPushButton::clicked, this, &OptsForm::synchronisationWanted);
    connect(OKButton, &QPushButton::clicked, this, [this] {
        emit okChosen();
        accept();
    });
    ApplyLanguage(Language::English);
    setKeyboardOrder(namedControls(*this, OptionControls) << namedControls(*this, Buttons));
}

void OptsForm::showOptions(const ProgramOptions& options)
{
    const QSignalBlocker quiet(this); // the program applies them itself, in its own order
    Langue->setItemIndex(options.language == Language::French ? 1 : 0);
    StartAuto->setChecked(options.startAtLogin);
    TrayIcon->setChecked(options.trayIcon);
    ButtonDesign->setItemIndex(static_cast<int>(options.buttonShape));
    InterGraf->setItemIndex(options.background);
}

void OptsForm::ApplyLanguage(Language language)
{
    // Setting the items again must not act: the choices stay what they were.
    const QSignalBlocker quiet(this);
    applyCaptions(*this, OptsCaptions, language);
    applyCaptions(*this, OptsItemCaptions, language);
    fitButtonRows(*this, OptsRows);
}

} // namespace zelmora::gui
