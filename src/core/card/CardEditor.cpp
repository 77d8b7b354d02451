#include "core/card/CardEditor.h"

#include "core/card/FriendStore.h"
#include "core/data/DateText.h"

#include <algorithm>

namespace zelmora {

namespace {

// What the card shows with no friend on it: empty fields, untouched date masks.
const CardTexts& emptyCardTexts()
{
    static const CardTexts empty = [] {
        CardTexts texts;
        for (std::size_t i = 0; i < FriendFieldCount; ++i) {
            if (isDateField(static_cast<FriendField>(i))) {
                texts[i] = EmptyDateText;
            }
        }
        return texts;
    }();
    return empty;
}

// Nom, one blank, Prenom as the card would store them.
std::string candidateListText(const CardTexts& card)
{
    TFriend named;
    named.Nom.assign(trimControls(card[fieldIndex(FriendField::Nom)]));
    named.Prenom.assign(trimControls(card[fieldIndex(FriendField::Prenom)]));
    return listText(named);
}

} // namespace

void CardEditor::loaded()
{
    listRefilled();
    m_card = emptyCardTexts();
    m_red.reset();
    m_editable = m_table.FriendCount > 0;
    if (m_table.FriendCount > 0) {
        show(1);
        selectCurrent();
    }
}

void CardEditor::reloaded()
{
    listRefilled();
    m_editable = m_editable || m_table.FriendCount > 0;
    findCardFriendAgain();
    if (!m_table.EditPending) {
        show(m_table.CurrentFriend);
    }
    selectCurrent();
}

void CardEditor::findCardFriendAgain()
{
    if (m_table.NewPending) {
        // The new slot was not in the file: append it again after the friend it followed.
        m_table.NewPending = false;
        m_table.CurrentFriend = m_table.FindFriend(m_previousFriendName);
        if (!m_table.AppendFriend()) {
            m_table.CurrentFriend = 0; // a full table: validating says so instead of storing
        }
        return;
    }
    if (const std::uint16_t slot = m_cardFriendName.empty() ? 0 : m_table.FindFriend(m_cardFriendName)) {
        m_table.CurrentFriend = slot;
    } else if (m_table.EditPending) {
        m_table.CurrentFriend = 0; // its friend is gone: validating adds the card as a new friend
    } else {
        m_table.CurrentFriend = std::clamp<std::uint16_t>(m_table.CurrentFriend, m_table.FriendCount > 0 ? 1 : 0,
                                                          m_table.FriendCount);
    }
}

void CardEditor::show(std::uint16_t slot)
{
    CardTexts shown = m_table.ShowCard(slot);
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        if (isDateField(static_cast<FriendField>(i)) && shown[i].empty()) {
            shown[i] = EmptyDateText; // what a date mask shows for no text
        }
    }
    if (shown != m_card) {
        m_table.DataChanged = true; // the fields' change handlers also see the program's changes
    }
    m_card = std::move(shown);
    m_red.reset();
    m_table.EditPending = false;
    const bool isFriend = slot >= 1 && slot <= m_table.FriendCount;
    m_cardFriendName = isFriend ? listText(m_table[slot]) : std::string();
}

void CardEditor::emptyCard()
{
    if (m_card != emptyCardTexts()) {
        m_table.DataChanged = true;
    }
    m_card = emptyCardTexts();
    m_red.reset();
}

void CardEditor::selectCurrent()
{
    const std::uint16_t current = m_table.CurrentFriend;
    const bool listed = !m_table.NewPending && current >= 1 && current <= m_table.FriendCount;
    m_selectedLine = listed ? current - 1 : -1;
}

void CardEditor::fieldEdited(FriendField field, std::string text)
{
    if (!m_editable) {
        return;
    }
    m_card[fieldIndex(field)] = std::move(text);
    m_red.set(fieldIndex(field));
    m_table.DataChanged = true;
    m_table.EditPending = true;
}

void CardEditor::commit(const std::function<void()>& change)
{
    const Status written = m_store.update([this] { reloaded(); }, change);
    if (!written.ok) {
        m_asker.tell(LangTextWithReason(lang::DatabaseNotSaved, m_language, written.message));
    }
}

void CardEditor::ListBox1Click(int line)
{
    m_selectedLine = line;
    const bool wasNew = m_table.NewPending;
    const std::uint16_t countBefore = m_table.FriendCount;
    settlePendingEdit();
    if (m_table.FriendCount == 0) {
        return;
    }
    if (wasNew && m_table.FriendCount < countBefore) {
        m_selectedLine = line; // the answer dropped the new card: the clicked friend is wanted
    }
    if (m_selectedLine < 0 || m_selectedLine >= m_table.FriendCount) {
        return;
    }
    m_table.CurrentFriend = static_cast<std::uint16_t>(m_selectedLine + 1);
    show(m_table.CurrentFriend);
}

void CardEditor::NewNameClick()
{
    settlePendingEdit();
    if (m_table.isFull()) {
        return;
    }
    m_editable = true;
    m_previousFriendName = m_cardFriendName;
    m_table.AppendFriend();
    emptyCard();
    m_cardFriendName.clear();
    m_table.EditPending = true;
    m_table.NewPending = true;
}

void CardEditor::DeleteNameClick()
{
    settlePendingEdit();
    const std::uint16_t current = m_table.CurrentFriend;
    if (m_table.FriendCount == 0 || current < 1 || current > m_table.FriendCount) {
        return;
    }
    const TFriend& doomed = m_table[current];
    const std::string question = std::string(LangText(lang::DeleteQuestionStart, m_language))
                               + std::string(doomed.Prenom.view()) + " " + std::string(doomed.Nom.view())
                               + std::string(LangText(lang::DeleteQuestionEnd, m_language));
    if (!m_asker.askOkCancel(question)) {
        return;
    }
    const std::string name = listText(doomed);
    commit([&] {
        // After a reload the card's friend was found again; if it is gone, so much the better.
        const std::uint16_t slot = m_table.CurrentFriend;
        if (slot >= 1 && slot <= m_table.FriendCount && listText(m_table[slot]) == name) {
            m_table.DeleteFriend(slot);
        }
        listRefilled();
    });
    show(m_table.CurrentFriend);
    selectCurrent();
}

void CardEditor::ValidateCard()
{
    if (!m_editable) {
        return; // a locked card holds nothing to store
    }
    if (m_table.FriendCount >= 2 && m_table.NameExists(candidateListText(m_card))
        && !m_asker.askOkCancel(LangText(lang::DuplicateNameQuestion, m_language))) {
        CancelCard();
        return;
    }
    bool stored = false;
    commit([&] {
        stored = m_table.ValidateCard(m_card, [] { return true; }); // already asked, before the lock
        listRefilled();
    });
    if (!stored) {
        m_asker.tell(LangText(lang::TableFull, m_language));
        return;
    }
    m_red.reset();
    m_cardFriendName = listText(m_table[m_table.CurrentFriend]);
    selectCurrent();
}

void CardEditor::CancelCard()
{
    const bool wasNew = m_table.NewPending;
    m_table.CancelCard();
    show(m_table.CurrentFriend);
    if (wasNew) {
        listRefilled();
        selectCurrent(); // the list shows again the friend shown before "New Name"
    }
}

void CardEditor::AskPendingEdit()
{
    if (m_asker.askOkCancel(LangText(lang::PendingEditQuestion, m_language))) {
        ValidateCard();
    } else {
        CancelCard();
    }
}

void CardEditor::settlePendingEdit()
{
    if (m_table.EditPending) {
        AskPendingEdit();
    }
}

} // namespace zelmora
