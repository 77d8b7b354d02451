#include "gui/app/RemindersForm.h"

#include "gui/widgets/Fonts.h"
#include "gui/widgets/Place.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <vector>

namespace zelmora::gui {

namespace {

constexpr Caption ReminderCaptions[] = {
    {"RemindersForm", lang::RemindersTitle},
    {"RemindWhen", lang::RemindWhen},
    {"OnTheDayLabel", lang::RemindOnTheDay},
    {"DaysBeforeLabel", lang::RemindDaysBefore},
    {"BirthdaysLabel", lang::RemindBirthdays},
    {"SaintsDaysLabel", lang::RemindSaintsDays},
    {"OtherDatesLabel", lang::RemindOtherDates},
    {"LiveCalendar", lang::LiveCalendarOption},
    {"OKButton", lang::Ok},
    {"CancelButton", lang::Cancel},
};

const ItemsCaption ReminderItemCaptions[] = {
    {"LeapDay", lang::LeapDayCaption, {lang::LeapDayMarchFirst, lang::LeapDayFebruaryLast}},
};

// The rows in the order of the captions above: "Birthdays" names the label
// "BirthdaysLabel", the check box "BirthdaysOnTheDay" and "BirthdaysBefore1" to 3.
struct RowPlace {
    const char* name;
    LeadTimes ExtraSettings::*lead;
};
const RowPlace RowPlaces[] = {
    {"Birthdays", &ExtraSettings::birthdays},
    {"SaintsDays", &ExtraSettings::saintsDays},
    {"OtherDates", &ExtraSettings::otherDates},
};

constexpr int FirstRowTop = 44;
constexpr int RowHeight = 28;
constexpr int DaysBeforeLeft = 190;
constexpr int DaysBeforeStep = 60;

QByteArray childName(const char* row, const char* part) { return QByteArray(row).append(part); }

} // namespace

std::span<const Caption> RemindersForm::captions() { return ReminderCaptions; }
std::span<const ItemsCaption> RemindersForm::itemCaptions() { return ReminderItemCaptions; }

RemindersForm::RemindersForm(Language language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("RemindersForm"));
    setFixedSize(393, 277);
    setFont(sansFont(11));
    createLeadRows();
    LeapDay = place<RadioGroup>(this, "LeapDay", 8, 148, 377, 57);
    LiveCalendar = place<QCheckBox>(this, "LiveCalendar", 8, 212, 377, 24);
    OKButton = place<QPushButton>(this, "OKButton", 222, 244, 75, 25);
    OKButton->setDefault(true);
    CancelButton = place<QPushButton>(this, "CancelButton", 305, 244, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, [this] {
        emit settingsChosen(chosenSettings());
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    applyCaptions(*this, ReminderCaptions, language);
    applyCaptions(*this, ReminderItemCaptions, language);
    nameLeadControls(language);
}

void RemindersForm::createLeadRows()
{
    auto* group = place<QGroupBox>(this, "RemindWhen", 8, 8, 377, 133);
    place<QLabel>(group, "OnTheDayLabel", 100, 20, 80, 16);
    place<QLabel>(group, "DaysBeforeLabel", DaysBeforeLeft, 20, 180, 16);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const char* name = RowPlaces[i].name;
        const int top = FirstRowTop + RowHeight * static_cast<int>(i);
        auto* label = place<QLabel>(group, childName(name, "Label").constData(), 8, top + 4, 88, 16);
        LeadRow& row = rows[i];
        row.lead = RowPlaces[i].lead;
        row.onTheDay = place<QCheckBox>(group, childName(name, "OnTheDay").constData(), 124, top, 24, 24);
        label->setBuddy(row.onTheDay);
        for (std::size_t k = 0; k < row.daysBefore.size(); ++k) {
            const QByteArray spinName = childName(name, "Before").append(QByteArray::number(static_cast<int>(k) + 1));
            QSpinBox* days = place<QSpinBox>(group, spinName.constData(),
                                             DaysBeforeLeft + DaysBeforeStep * static_cast<int>(k), top, 54, 24);
            days->setRange(0, LeadTimes::LongestLead);
            days->setSpecialValueText(QStringLiteral("–")); // 0: no reminder in this box
            row.daysBefore[k] = days;
        }
    }
}

void RemindersForm::nameLeadControls(Language language)
{
    const QString onTheDay = fromCp1252(LangText(lang::RemindOnTheDay, language));
    const QString daysBefore = fromCp1252(LangText(lang::RemindDaysBefore, language));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString row = findChild<QLabel*>(QLatin1String(childName(RowPlaces[i].name, "Label")))->text();
        rows[i].onTheDay->setAccessibleName(row + QStringLiteral(", ") + onTheDay);
        for (std::size_t k = 0; k < rows[i].daysBefore.size(); ++k) {
            rows[i].daysBefore[k]->setAccessibleName(row + QStringLiteral(", ") + daysBefore + QLatin1Char(' ')
                                                     + QString::number(k + 1));
        }
    }
}

void RemindersForm::showSettings(const ExtraSettings& settings)
{
    m_shown = settings;
    for (const LeadRow& row : rows) {
        const LeadTimes& lead = settings.*row.lead;
        row.onTheDay->setChecked(lead.contains(0));
        auto box = row.daysBefore.begin();
        for (const std::uint16_t days : lead) {
            if (days > 0) {
                (*box++)->setValue(days);
            }
        }
        std::for_each(box, row.daysBefore.end(), [](QSpinBox* empty) { empty->setValue(0); });
    }
    LeapDay->setItemIndex(settings.leapDay == LeapDayRule::FebruaryLast ? 1 : 0);
    LiveCalendar->setChecked(settings.liveCalendar);
}

ExtraSettings RemindersForm::chosenSettings() const
{
    ExtraSettings chosen = m_shown; // what the dialog does not show stays as it was
    for (const LeadRow& row : rows) {
        std::vector<int> days;
        if (row.onTheDay->isChecked()) {
            days.push_back(0);
        }
        for (const QSpinBox* box : row.daysBefore) {
            if (box->value() > 0) {
                days.push_back(box->value());
            }
        }
        std::sort(days.begin(), days.end());
        days.erase(std::unique(days.begin(), days.end()), days.end()); // the same day twice reminds once
        // Three boxes of 1 to LongestLead at most: always lead times.
        chosen.*row.lead = LeadTimes::from(days).value();
    }
    chosen.leapDay = LeapDay->itemIndex() == 1 ? LeapDayRule::FebruaryLast : LeapDayRule::MarchFirst;
    chosen.liveCalendar = LiveCalendar->isChecked();
    return chosen;
}

} // namespace zelmora::gui
