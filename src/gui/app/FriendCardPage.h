#pragma once
// The "Friends Data" tab: the friend list, the card of nineteen fields and its buttons.
// What the card shows and what each action does is decided by CardEditor; this page
// only shows it and passes the user's actions on.

#include "core/card/CardEditor.h"

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace zelmora::gui {

class FriendCardPage : public QWidget {
    Q_OBJECT

public:
    FriendCardPage(CardEditor& editor, const FriendTable& table, QWidget* parent = nullptr);

    // Shows what the card rules say: the list and its selection, the texts, their
    // colours and whether they can be edited.
    void refresh();

    QWidget* field(FriendField field) const { return m_fields[fieldIndex(field)]; }
    // The field's text as the card stores it (Windows-1252).
    std::string fieldText(FriendField field) const;

    QListWidget* ListBox1;
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
    void fieldChanged(FriendField field);
    void setFieldText(FriendField field, const std::string& text);
    void showColour(FriendField field);
    void refillList();

    void ListBox1Click(int line);
    void NewNameClick();

    CardEditor& m_editor;
    const FriendTable& m_table;
    std::array<QWidget*, FriendFieldCount> m_fields{};
    unsigned m_listRevision = ~0u;
    bool m_refreshing = false; // the program, not the user, is changing the fields
};

} // namespace zelmora::gui
