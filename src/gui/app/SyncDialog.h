#pragma once
// The synchronisation's dialog, opened from the options: the server's address, the user
// and the password (which goes to the keyring, never to a file), the address book chosen
// among those the server has, "Synchronise now", and how the last synchronisation went.
// What the buttons ask is done by the program, which listens to the signals.

#include "core/base/LangText.h"
#include "gui/app/Captions.h"

#include <QDialog>
#include <QUrl>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zelmora::gui {

class SyncDialog : public QDialog {
    Q_OBJECT

public:
    struct Book {
        QUrl url;
        QString name;
    };

    explicit SyncDialog(QWidget* parent = nullptr);

    void ApplyLanguage(Language language);
    static std::span<const Caption> captions();

    // The account kept, shown when the dialog opens; the password is never shown.
    void showAccount(const QString& server, const QString& user, const QUrl& book);
    void showBooks(const std::vector<Book>& books);
    void showResult(const QString& result);
    // While the program talks with the server, its buttons wait.
    void showBusy(bool busy);

    QString server() const;
    QString user() const;
    QString password() const;
    QUrl chosenBook() const;

    QLineEdit* ServerEdit;
    QLineEdit* UserEdit;
    QLineEdit* PasswordEdit;
    QPushButton* FindButton;
    QComboBox* BookChoice;
    QPushButton* SyncNowButton;
    QPushButton* StopButton;
    QPlainTextEdit* LastResult;
    QPushButton* OKButton;

signals:
    void booksWanted();
    void syncWanted();
    void stopWanted();
};

} // namespace zelmora::gui
