#pragma once
// The "Export data" and "Options / Help" tabs: buttons, and the option groups that are
// the live store of the five display options saved with the friends.

#include "core/data/DisplayOptions.h"

#include <QWidget>

#include <cstdint>

class QPushButton;

namespace zelmora::gui {

class RadioGroup;

// The option groups of the display options: they show the options as they stand and
// announce the user's choice.
class DisplayOptionGroups : public QObject {
    Q_OBJECT

public:
    explicit DisplayOptionGroups(const DisplayOptions& options, QObject* parent = nullptr)
        : QObject(parent), m_options(options)
    {
    }

    void bind(RadioGroup* group, DisplayOption option);
    // The groups show the options as they stand (after a load), without any signal.
    void showOptions();

signals:
    // The options with the user's new choice in them.
    void chosen(const DisplayOptions& options);

private:
    const DisplayOptions& m_options;
    std::vector<std::pair<RadioGroup*, DisplayOption>> m_bound;
};

// The exchange row of the export tab, left to right: its place in the keyboard's order,
// its rounded shape and its one caption size all come from this list.
inline constexpr const char* ExchangeButtons[] = {"ImportVCard", "ExportVCard", "ExportCsv", "ExportCalendar"};

class ExportPage : public QWidget {
    Q_OBJECT

public:
    ExportPage(DisplayOptionGroups& groups, QWidget* parent = nullptr);

    QPushButton* BitBtn12;
    QPushButton* ImportVCard;
    QPushButton* ExportVCard;
    QPushButton* ExportCsv;
    QPushButton* ExportCalendar;
    RadioGroup* RadioGroup1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn8;
};

class OptionsPage : public QWidget {
    Q_OBJECT

public:
    OptionsPage(DisplayOptionGroups& groups, QWidget* parent = nullptr);

    RadioGroup* Surveillance;
    RadioGroup* RadioGroup3;
    RadioGroup* Classement;
    RadioGroup* RadioGroup2;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn4;
    QPushButton* FillFetes;
};

} // namespace zelmora::gui
