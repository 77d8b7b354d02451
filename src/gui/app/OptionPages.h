#pragma once
// The "Export data" and "Options / Help" tabs: buttons, and the option groups that are
// the live store of the five display options saved with the friends.

#include "core/data/DisplayOptions.h"

#include <QWidget>

#include <cstdint>

class QPushButton;

namespace zelmora::gui {

class RadioGroup;

// An option group that writes the user's choice into a display option.
class DisplayOptionGroups : public QObject {
    Q_OBJECT

public:
    explicit DisplayOptionGroups(DisplayOptions& options, QObject* parent = nullptr)
        : QObject(parent), m_options(options)
    {
    }

    void bind(RadioGroup* group, std::uint8_t DisplayOptions::*option);
    // The groups show the options as they stand (after a load), without any signal.
    void showOptions();

signals:
    void changedByUser();

private:
    DisplayOptions& m_options;
    std::vector<std::pair<RadioGroup*, std::uint8_t DisplayOptions::*>> m_bound;
};

class ExportPage : public QWidget {
    Q_OBJECT

public:
    ExportPage(DisplayOptionGroups& groups, QWidget* parent = nullptr);

    QPushButton* BitBtn12;
    QPushButton* ImportVCard;
    QPushButton* ExportVCard;
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
};

} // namespace zelmora::gui
