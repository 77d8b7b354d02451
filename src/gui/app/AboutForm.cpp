#include "gui/app/AboutForm.h"

#include "gui/app/Dialogs.h"
#include "gui/appearance/ProgramIcon.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/Place.h"
#include "gui/widgets/QtText.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace zelmora::gui {

namespace {

constexpr Caption AboutCaptions[] = {
    {"AboutForm", lang::AboutZelmora},
    {"Label2", lang::Warning},
    {"Label18", lang::OrVisitMySite},
    {"MakerLine", lang::MakerLine},
};

// The notice, one language pair per line from the first notice line on, 16 pixels apart.
constexpr const char* NoticeLabels[] = {"Label4",  "Label5",  "Label6",  "Label7",  "Label8",  "Label9", "Label10",
                                        "Label15", "Label16", "Label17", "Label11", "Label12", "Label13"};
static_assert(std::size(NoticeLabels) == lang::LastNoticeLine - lang::FirstNoticeLine + 1);

QLabel* label(QWidget* parent, const char* name, int left, int top, const QString& text = {})
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(QLatin1String(name));
    created->move(left, top);
    created->adjustSize();
    return created;
}

QPushButton* button(QWidget* parent, const char* name, int left, int top, int width, int height,
                    const QString& text)
{
    auto* created = place<QPushButton>(parent, name, left, top, width, height);
    created->setText(text);
    return created;
}

// The maker's addresses stand out: blue and bold.
void makeAddress(QWidget& widget)
{
    QFont bold = widget.font();
    bold.setBold(true);
    widget.setFont(bold);
    QPalette blue = widget.palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    blue.setColor(QPalette::ButtonText, Qt::blue);
    widget.setPalette(blue);
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->adjustSize(); // bold is wider
    }
}

} // namespace

std::span<const Caption> AboutForm::captions() { return AboutCaptions; }

AboutForm::AboutForm(const WebLauncher& launcher, Dialogs& dialogs, const Language& language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      GoToWeb1(launcher), m_dialogs(dialogs), m_language(language)
{
    setObjectName(QStringLiteral("AboutForm"));
    setFixedSize(497, 346);
    setFont(sansFont(11));
    GoToWeb1.BrowserState = TBrowserState::gwNormal;
    GoToWeb1.EMailSubject = "Zelmora";
    createPanel();
    createNotice();

    const QString mail = fromCp1252(ZelmoraMailAddress);
    const QString web = fromCp1252(ZelmoraWebPage);
    makeAddress(*label(this, "Label14", 328, 272, mail));
    makeAddress(*label(this, "Label19", 264, 288, web));
    EMailButton = button(this, "EMailButton", 8, 316, 161, 25, mail);
    OKButton = button(this, "OKButton", 183, 316, 75, 25, QStringLiteral("&OK"));
    WebButton = button(this, "WebButton", 272, 316, 217, 25, web);
    makeAddress(*EMailButton);
    makeAddress(*WebButton);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept); // CloseAbout
    connect(EMailButton, &QPushButton::clicked, this, &AboutForm::EMailButtonClick);
    connect(WebButton, &QPushButton::clicked, this, &AboutForm::WebButtonClick);
    ApplyLanguage(language);
}

void AboutForm::createPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 481, 65);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, white.color(QPalette::HighlightedText));
    panel->setPalette(white);

    auto* icon = label(panel, "ProgramIcon", 8, 8);
    icon->setGeometry(8, 8, 49, 49);
    icon->setPixmap(programIcon().pixmap(49, 49));
    icon->setAlignment(Qt::AlignCenter);
    QLabel* product = label(panel, "ProductName", 144, 8, QStringLiteral("Zelmora"));
    QFont big = product->font();
    big.setPixelSize(24);
    big.setBold(true);
    product->setFont(big);
    product->adjustSize();
    Version = label(panel, "Version", 408, 8);
    label(panel, "Label3", 400, 24, QStringLiteral("Win 9x/NT/2K"));
    label(panel, "MakerLine", 128, 40);
    label(panel, "Label1", 416, 40, QStringLiteral("freeware"));
}

void AboutForm::createNotice()
{
    QLabel* warning = label(this, "Label2", 8, 80);
    QFont underlined = warning->font();
    underlined.setUnderline(true);
    warning->setFont(underlined);
    int top = 80;
    for (const char* name : NoticeLabels) {
        label(this, name, 88, top);
        top += 16;
    }
    label(this, "Label18", 88, 288);
}

void AboutForm::setVersion(const QString& versionTag)
{
    Version->setText(QStringLiteral("Version ") + versionTag.mid(1));
    Version->adjustSize();
}

void AboutForm::ApplyLanguage(Language language)
{
    applyCaptions(*this, AboutCaptions, language);
    std::uint16_t pair = lang::FirstNoticeLine;
    for (const char* name : NoticeLabels) {
        auto* line = findChild<QLabel*>(QLatin1String(name));
        line->setText(fromCp1252(LangText(pair++, language)));
        line->adjustSize();
        line->setVisible(!line->text().isEmpty()); // no ground of its own for an empty line
    }
}

void AboutForm::EMailButtonClick()
{
    GoToWeb1.EMailSubject = "Zelmora v3.0";
    GoToWeb1.MessageLanguage = m_language;
    if (const Status started = GoToWeb1.SendMail(); !started.ok) {
        m_dialogs.tell(started.message);
    }
}

void AboutForm::WebButtonClick()
{
    GoToWeb1.MessageLanguage = m_language;
    if (const Status started = GoToWeb1.OpenUrl(); !started.ok) {
        m_dialogs.tell(started.message);
    }
}

} // namespace zelmora::gui
