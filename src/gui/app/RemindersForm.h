#pragma once
// The reminders' dialog, opened from the options dialog: for each kind of date, whether to
// be reminded on the day and up to three times before it; where 29 February falls in a
// common year; whether to keep the calendar file up to date. OK hands the choices on.

#include "core/settings/ExtraSettings.h"
#include "gui/app/Captions.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace zelmora::gui {

class RadioGroup;

class RemindersForm : public QDialog {
    Q_OBJECT

public:
    explicit RemindersForm(Language language, QWidget* parent = nullptr);

    // The controls show `settings`; the choices start from them.
    void showSettings(const ExtraSettings& settings);
    ExtraSettings chosenSettings() const;
    static std::span<const Caption> captions();
    static std::span<const ItemsCaption> itemCaptions();

    // One line per kind of date.
    struct LeadRow {
        LeadTimes ExtraSettings::*lead;
        QCheckBox* onTheDay;
        std::array<QSpinBox*, LeadTimes::MostBefore> daysBefore;
    };
    std::array<LeadRow, 3> rows;
    RadioGroup* LeapDay;
    QCheckBox* LiveCalendar;
    QPushButton* OKButton;
    QPushButton* CancelButton;

signals:
    void settingsChosen(const ExtraSettings& settings);

private:
    void createLeadRows();
    // What a screen reader says for the controls that only a row and a column name.
    void nameLeadControls(Language language);

    ExtraSettings m_shown;
};

} // namespace zelmora::gui
