#pragma once
// The "Friends Data" tab: the friend list, the card of nineteen fields and its buttons.
// What the card shows and what each action does is the session's; this page passes the
// user's actions on and shows the card whenever the session announces a change.

#include "core/session/CardSession.h"

#include <QWidget>

#include <array>
#include <string>

class QPushButton;

namespace zelmora::gui {

class FriendListModel;
class LinesListView;
class RefusedCharacterNotice;
class SessionSignals;

class FriendCardPage : public QWidget {
    Q_OBJECT

public:
    FriendCardPage(CardSession& session, SessionSignals& sessionSignals, FriendListModel& friends,
                   QWidget* parent = nullptr);

    QWidget* field(FriendField field) const { return m_fields[fieldIndex(field)]; }
    // The field's text as the card stores it (Windows-1252).
    std::string fieldText(FriendField field) const;
    // What a screen reader says of a changed field, in the current language.
    void setChangedDescription(const QString& description);

    LinesListView* ListBox1;
    QPushButton* NewName;
    QPushButton* DeleteName;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* BitBtn10;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

signals:
    void webSiteWanted(const std::string& address); // the address as it stands on the card
    void mailWanted(const std::string& address);
    void printWanted(int line); // the selected line of the friend list, -1 for none

private:
    void createFields();
    void createButtons();
    void setTabOrder();
    void fieldEdited(FriendField field);
    void setFieldText(FriendField field, const std::string& text);
    // A changed field is red and described as changed.
    void showChanged(FriendField field);
    // Shows the card as the session has it: texts, colours, whether it can be edited, the selection.
    void showCard();
    void NewNameClick();

    CardSession& m_session;
    RefusedCharacterNotice* m_refusals;
    std::array<QWidget*, FriendFieldCount> m_fields{};
    QString m_changedDescription;
};

} // namespace zelmora::gui
