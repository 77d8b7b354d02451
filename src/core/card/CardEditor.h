#pragma once
// The rules of the friend card: which friend it shows, whether it is locked, browsing,
// modified or new, which fields are red, what each button and a click in the friend
// list do, and which question comes first. The window only shows what this says and
// passes on what the user does.

#include "core/base/LangText.h"
#include "core/data/FriendTable.h"
#include "core/platform/MessageAsker.h"

#include <bitset>
#include <cstdint>
#include <string>

namespace zelmora {

class FriendStore;

class CardEditor {
public:
    CardEditor(FriendTable& table, FriendStore& store, MessageAsker& asker, const Language& language)
        : m_table(table), m_store(store), m_asker(asker), m_language(language)
    {
    }

    // What the card and the friend list show.
    const CardTexts& card() const { return m_card; }
    bool isRed(FriendField field) const { return m_red.test(fieldIndex(field)); }
    bool isEditable() const { return m_editable; }
    int selectedLine() const { return m_selectedLine; } // from 0; -1 for none
    // Changes whenever the friend list must be filled again from the table.
    unsigned listRevision() const { return m_listRevision; }

    // The table was just loaded: the first friend on the card, unlocked when there is one.
    void loaded();
    // The table was read again because another program changed the file. A card being
    // edited stays as it is and finds its friend again by name (or becomes new when that
    // friend is gone); otherwise the card shows the same friend, or its nearest neighbour.
    void reloaded();

    // The text of a field changed under the user's hands.
    void fieldEdited(FriendField field, std::string text);

    void ListBox1Click(int line);
    void NewNameClick();
    void DeleteNameClick();
    void BitBtn1Click() { ValidateCard(); }
    void BitBtn2Click() { CancelCard(); }

    // Before anything leaves the card (another tab, closing, an export): the pending-edit
    // question, when edits are pending.
    void settlePendingEdit();

    void ValidateCard();
    void CancelCard();
    void AskPendingEdit();

private:
    // Puts the record of `slot` on the card, as the program's own change of every field.
    void show(std::uint16_t slot);
    void emptyCard();
    void selectCurrent();
    void listRefilled() { ++m_listRevision; m_selectedLine = -1; }
    // Writes the table through the store, after `change`; says why when that failed.
    void commit(const std::function<void()>& change);
    // Finds the card's friend in a table read again (see reloaded()).
    void findCardFriendAgain();

    FriendTable& m_table;
    FriendStore& m_store;
    MessageAsker& m_asker;
    const Language& m_language;

    CardTexts m_card;
    std::bitset<FriendFieldCount> m_red;
    bool m_editable = false;
    int m_selectedLine = -1;
    unsigned m_listRevision = 0;
    // The names of the friend on the card and of the one before "New Name", as stored:
    // how they are found again when the table is read again.
    std::string m_cardFriendName;
    std::string m_previousFriendName;
};

} // namespace zelmora
