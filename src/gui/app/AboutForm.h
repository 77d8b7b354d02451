#pragma once
// The About box: the product, its version, the notice in the current language, and
// buttons that write to and visit the program's makers.

#include "core/web/GoToWeb.h"
#include "gui/app/Captions.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zelmora::gui {

class Dialogs;

class AboutForm : public QDialog {
    Q_OBJECT

public:
    AboutForm(const WebLauncher& launcher, Dialogs& dialogs, const Language& language, QWidget* parent = nullptr);

    void ApplyLanguage(Language language);
    static std::span<const Caption> captions();
    void setVersion(const QString& versionTag); // "v3.0" shows as "Version 3.0"

    QLabel* Version;
    QPushButton* EMailButton;
    QPushButton* OKButton;
    QPushButton* WebButton;
    TGoToWeb GoToWeb1;

private:
    void createPanel();
    void createNotice();
    void EMailButtonClick();
    void WebButtonClick();

    Dialogs& m_dialogs;
    const Language& m_language;
};

} // namespace zelmora::gui
