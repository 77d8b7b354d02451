#pragma once
// The options dialog: language, automatic start, tray icon, button design and background,
// and the button to the reminders' dialog. Each choice acts at once (the program listens
// to the signals); OK also saves them.

#include "core/settings/SettingsFile.h"
#include "gui/app/Captions.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace zelmora::gui {

class RadioGroup;

class OptsForm : public QDialog {
    Q_OBJECT

public:
    explicit OptsForm(QWidget* parent = nullptr);

    // The controls show `options`, without acting on them.
    void showOptions(const ProgramOptions& options);
    void ApplyLanguage(Language language);
    static std::span<const Caption> captions();
    static std::span<const ItemsCaption> itemCaptions();
    // The dialog's buttons, top to bottom, OK last: they take the rounded shape with the
    // others and follow the options in the keyboard's order.
    static constexpr const char* Buttons[] = {"RemindersButton", "SyncButton", "OKButton"};

    RadioGroup* Langue;
    QGroupBox* GroupBox1;
    QCheckBox* StartAuto;
    QCheckBox* TrayIcon;
    RadioGroup* ButtonDesign;
    RadioGroup* InterGraf;
    QPushButton* OKButton;
    QPushButton* RemindersButton;
    QPushButton* SyncButton;

signals:
    void languageChosen(Language language);
    void startAutoChosen(bool on);
    void trayIconChosen(bool on);
    void buttonDesignChosen(ButtonShape shape);
    void backgroundChosen(std::uint8_t background);
    void okChosen();
    void remindersWanted();
    void synchronisationWanted();
};

} // namespace zelmora::gui
