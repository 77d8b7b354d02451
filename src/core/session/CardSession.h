#pragma once
// The window's session over the friends: the friend card (which friend it shows, whether it
// is locked, browsing, modified or new, which fields have changed, which question comes
// first) and every change the window makes to the friends, all through the store's one
// road. The views show what it says and follow what it announces.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/MessageAsker.h"
#include "core/session/SessionListener.h"
#include "core/storage/FriendsStore.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>

namespace zelmora {

class CardSession {
public:
    CardSession(FriendsStore& store, MessageAsker& asker, const Language& language)
        : m_store(store), m_asker(asker), m_language(language)
    {
    }

    void setListener(SessionListener* listener) { m_listener = listener; }

    // The language the card speaks in, as the user chose it.
    const Language& language() const { return m_language; }
    // What the card and the friend list show.
    const FriendTable& friends() const { return m_store.table(); }
    const CardTexts& card() const { return m_card; }
    bool isChanged(FriendField field) const { return m_changed.test(fieldIndex(field)); }
    bool isEditable() const { return m_editable; }
    bool isNew() const { return m_new; }
    // The friend on the card (its slot), and its line in the friend list; 0 and -1 for none.
    std::uint16_t currentFriend() const { return m_current; }
    int selectedLine() const { return !m_new && m_current > 0 ? m_current - 1 : -1; }
    // The card holds edits the file does not have yet: typed, or validated but not written.
    bool hasUnsavedCard() const { return m_editPending; }
    // A validated card waits to be written (another program held the folder, or the disk refused).
    bool isWaitingToWrite() const { return m_waiting; }
    // The first date the user typed on the card that no calendar has (45/13/2000): the card
    // cannot be validated until it is corrected. A date as the file holds it is not looked at.
    std::optional<FriendField> impossibleTypedDate() const;

    // The friends were just read at the start: the first friend on the card, unlocked when there is one.
    void loaded();
    // Reads the file again when another program changed it. A card being edited stays as it is;
    // otherwise the card shows the same friend again, or its nearest neighbour.
    void readAgainIfChanged();

    // The user's actions on the card.
    void edit(FriendField field, std::string text);
    void select(int line);
    void startNew();
    void remove();
    void validate();
    void cancel();

    enum class Settled { NothingPending, Validated, Cancelled, StillPending };
    // Before anything leaves the card: a card waiting to be written is written, and pending
    // edits are validated or cancelled as the user answers. StillPending: the card could not
    // be written and stays.
    Settled settlePendingEdit();
    // Writes a waiting card, quietly, when the folder is free again.
    void retryWaitingWrite();

    // Any other change of the friends (an import, a fill of saint's days): through the same
    // road, after which the card finds its friend again. The card should be settled first.
    // `written` as for FriendsStore::change.
    FriendsStore::Outcome changeFriends(const FriendsStore::Change& change, const FriendsStore::Follower& written = {});
    // The display options chosen on screen, written at once (or with the next write).
    void chooseDisplayOptions(const DisplayOptions& options);

    // The close's save: writes what the file lacks; when that fails, asks whether to quit anyway.
    SaveOutcome saveAtClose();

private:
    enum class Loudness { Tell, Quiet }; // Quiet: a retry nobody asked for says and asks nothing
    Settled validateCard(Loudness loudness);
    Settled writeCard(Loudness loudness);
    std::string impossibleDateMessage(FriendField date) const;
    // Puts the friend of `slot` on the card, as the program's own change of every field.
    void show(std::uint16_t slot);
    void emptyCard();
    // Where the friend on the card is in `table` now; 0 when it is gone.
    std::uint16_t find(const FriendTable& table, const std::optional<TFriend>& record) const;
    // After the friends changed: the card's friend found again.
    void findCardFriendAgain();
    void notifyFriends();
    void notifyCard();

    FriendsStore& m_store;
    MessageAsker& m_asker;
    const Language& m_language;
    SessionListener* m_listener = nullptr;

    CardTexts m_card;
    std::bitset<FriendFieldCount> m_changed;
    bool m_editable = false;
    bool m_editPending = false;
    bool m_new = false;
    bool m_waiting = false;
    bool m_duplicateAccepted = false; // the user kept a duplicate name: a retry asks no more
    bool m_dataChanged = false;       // the close writes the file again (every shown friend counts)
    std::uint16_t m_current = 0;
    // The friend on the card and the one before "New Name", as stored: how they are found
    // again when the friends move or are read again.
    std::optional<TFriend> m_shown;
    std::optional<TFriend> m_beforeNew;
};

} // namespace zelmora
