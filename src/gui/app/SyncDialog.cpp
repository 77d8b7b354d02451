#include "gui/app/SyncDialog.h"

#include "gui/widgets/Fonts.h"
#include "gui/widgets/Place.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zelmora::gui {

namespace {

constexpr Caption SyncCaptions[] = {
    {"SyncDialog", lang::SynchronisationCaption},
    {"ServerLabel", lang::ServerAddress},
    {"UserLabel", lang::UserName},
    {"PasswordLabel", lang::Password},
    {"FindButton", lang::FindAddressBooks},
    {"BookLabel", lang::AddressBook},
    {"SyncNowButton", lang::SynchroniseNow},
    {"StopButton", lang::SyncStopUsing},
    {"LastLabel", lang::LastSynchronisation},
};

// A label before the control it names, so that screen readers say it with the control.
void label(QWidget* dialog, const char* name, int top, QWidget* buddy)
{
    auto* text = place<QLabel>(dialog, name, 8, top + 3, 128, 20);
    text->setBuddy(buddy);
}

} // namespace

std::span<const Caption> SyncDialog::captions() { return SyncCaptions; }

SyncDialog::SyncDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("SyncDialog"));
    setFixedSize(432, 340);
    setFont(sansFont(11));
    ServerEdit = place<QLineEdit>(this, "ServerEdit", 144, 8, 280, 24);
    ServerEdit->setPlaceholderText(QStringLiteral("https://"));
    UserEdit = place<QLineEdit>(this, "UserEdit", 144, 38, 280, 24);
    PasswordEdit = place<QLineEdit>(this, "PasswordEdit", 144, 68, 280, 24);
    PasswordEdit->setEchoMode(QLineEdit::Password);
    FindButton = place<QPushButton>(this, "FindButton", 144, 98, 280, 25);
    BookChoice = place<QComboBox>(this, "BookChoice", 144, 130, 280, 24);
    SyncNowButton = place<QPushButton>(this, "SyncNowButton", 8, 164, 204, 25);
    StopButton = place<QPushButton>(this, "StopButton", 220, 164, 204, 25);
    LastResult = place<QPlainTextEdit>(this, "LastResult", 144, 198, 280, 102);
    LastResult->setReadOnly(true); // a long result scrolls, and can be copied
    OKButton = place<QPushButton>(this, "OKButton", 349, 308, 75, 25);
    OKButton->setText(QStringLiteral("&OK"));
    label(this, "ServerLabel", 8, ServerEdit);
    label(this, "UserLabel", 38, UserEdit);
    label(this, "PasswordLabel", 68, PasswordEdit);
    label(this, "BookLabel", 130, BookChoice);
    label(this, "LastLabel", 198, LastResult);

    connect(FindButton, &QPushButton::clicked, this, &SyncDialog::booksWanted);
    connect(SyncNowButton, &QPushButton::clicked, this, &SyncDialog::syncWanted);
    connect(StopButton, &QPushButton::clicked, this, &SyncDialog::stopWanted);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    ApplyLanguage(Language::English);
}

void SyncDialog::ApplyLanguage(Language language) { applyCaptions(*this, SyncCaptions, language); }

void SyncDialog::showAccount(const QString& server, const QString& user, const QUrl& book)
{
    ServerEdit->setText(server);
    UserEdit->setText(user);
    PasswordEdit->clear();
    showBooks(book.isEmpty() ? std::vector<Book>{} : std::vector<Book>{{book, book.toDisplayString()}});
}

void SyncDialog::showBooks(const std::vector<Book>& books)
{
    BookChoice->clear();
    for (const Book& book : books) {
        BookChoice->addItem(book.name, book.url);
    }
}

void SyncDialog::showResult(const QString& result) { LastResult->setPlainText(result); }

void SyncDialog::showBusy(bool busy)
{
    for (QWidget* button : {static_cast<QWidget*>(FindButton), static_cast<QWidget*>(SyncNowButton),
                            static_cast<QWidget*>(StopButton)}) {
        button->setEnabled(!busy);
    }
}

QString SyncDialog::server() const { return ServerEdit->text().trimmed(); }
QString SyncDialog::user() const { return UserEdit->text().trimmed(); }
QString SyncDialog::password() const { return PasswordEdit->text(); }
QUrl SyncDialog::chosenBook() const { return BookChoice->currentData().toUrl(); }

} // namespace zelmora::gui
