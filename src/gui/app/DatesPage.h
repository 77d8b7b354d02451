#pragma once
// The "Dates to celebrate" tab: the dates list at the top, re-sorted by name or by day,
// and below it a read-only copy of the card of the friend whose line is selected.

#include "core/data/FriendTable.h"
#include "core/platform/Clock.h"

#include <QWidget>

#include <array>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace zelmora::gui {

class DatesListModel;
class LinesListView;

class DatesPage : public QWidget {
    Q_OBJECT

public:
    DatesPage(DatesListModel& dates, const FriendTable& friends, QWidget* parent = nullptr);

    // Rebuilds the list from the friends and the options as they stand today.
    void BuildDatesList(const Clock& clock);
    void ClearReadOnlyCard();
    // The friend of the selected line, 0 for none.
    std::uint16_t selectedFriend() const;
    // Selects the first line of the friend of `slot` as a click would, so that its card
    // shows; nothing when the friend has no line.
    void selectFriendLine(std::uint16_t slot);
    QString readOnlyText(FriendField field) const;

    LinesListView* ListBox2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* BitBtn11;
    QToolButton* BitBtn7;

signals:
    void webSiteWanted(const std::string& address);
    void mailWanted(const std::string& address);
    void printWanted(std::uint16_t dateEntryCount, int line, std::uint16_t friendSlot);
    void quitWanted();

private:
    void createReadOnlyCard();
    void showListColour();
    void ListBox2Click(int line);
    void ShowReadOnlyCard(std::uint16_t slot);
    std::string readOnlyStored(FriendField field) const;

    DatesListModel& m_dates;
    const FriendTable& m_friends;
    std::array<QWidget*, FriendFieldCount> m_fields{};
};

} // namespace zelmora::gui
