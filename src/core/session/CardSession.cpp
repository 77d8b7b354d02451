#include "core/session/CardSession.h"

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

// The label beside each date field, by which the user knows it.
std::uint16_t labelOf(FriendField date)
{
    switch (date) {
    case FriendField::Anniversaire: return lang::Birthday;
    case FriendField::Fete: return lang::SaintsDay;
    case FriendField::Date1: return lang::Date1;
    default: return lang::Date2;
    }
}

} // namespace

std::uint16_t CardSession::find(const FriendTable& table, const std::optional<TFriend>& record) const
{
    return record ? table.findAgain(*record) : 0;
}

void CardSession::notifyFriends()
{
    if (m_listener) {
        m_listener->friendsChanged();
    }
}

void CardSession::notifyCard()
{
    for (std::string& notice : m_store.takeNotices()) {
        m_asker.tell(notice);
    }
    if (m_listener) {
        m_listener->cardChanged();
    }
}

void CardSession::show(std::uint16_t slot)
{
    const FriendTable& table = friends();
    const bool isFriend = table.isFriend(slot);
    CardTexts shown = table.ShowCard(isFriend ? slot : 0);
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        if (isDateField(static_cast<FriendField>(i)) && shown[i].empty()) {
            shown[i] = EmptyDateText; // what a date mask shows for no text
        }
    }
    if (shown != m_card) {
        m_dataChanged = true; // the fields' change handlers also see the program's changes
    }
    m_card = std::move(shown);
    m_changed.reset();
    m_editPending = false;
    m_waiting = false;
    m_current = isFriend ? slot : 0;
    m_shown = isFriend ? std::optional<TFriend>(table[slot]) : std::nullopt;
}

void CardSession::emptyCard()
{
    if (m_card != emptyCardTexts()) {
        m_dataChanged = true;
    }
    m_card = emptyCardTexts();
    m_changed.reset();
}

void CardSession::loaded()
{
    m_card = emptyCardTexts();
    m_changed.reset();
    m_new = m_editPending = m_waiting = false;
    m_shown.reset();
    m_current = 0;
    m_editable = friends().FriendCount > 0;
    if (m_editable) {
        show(1);
    }
    notifyFriends();
    notifyCard();
}

void CardSession::findCardFriendAgain()
{
    const FriendTable& table = friends();
    m_editable = m_editable || table.FriendCount > 0;
    if (m_new) {
        return; // a new card is not among the friends yet
    }
    if (const std::uint16_t slot = find(table, m_shown)) {
        m_current = slot;
        if (!m_editPending) {
            show(slot);
        }
    } else if (m_editPending) {
        m_current = 0; // its friend is gone: validating asks what to do
    } else {
        show(std::clamp<std::uint16_t>(m_current, table.FriendCount > 0 ? 1 : 0, table.FriendCount));
    }
}

void CardSession::readAgainIfChanged()
{
    if (m_store.readAgainIfChanged()) {
        findCardFriendAgain();
        notifyFriends();
    }
    notifyCard();
}

void CardSession::edit(FriendField field, std::string text)
{
    if (!m_editable) {
        return;
    }
    m_card[fieldIndex(field)] = std::move(text);
    m_changed.set(fieldIndex(field));
    m_dataChanged = m_editPending = true;
    m_waiting = false; // edited again: to be validated again
    notifyCard();
}

void CardSession::select(int line)
{
    const Settled settled = settlePendingEdit();
    const FriendTable& table = friends();
    if (settled != Settled::StillPending && table.FriendCount > 0) {
        // After OK the friend just validated stays; otherwise the clicked one is wanted.
        const int wanted = settled == Settled::Validated ? selectedLine() : line;
        if (wanted >= 0 && wanted < table.FriendCount) {
            show(static_cast<std::uint16_t>(wanted + 1));
        }
    }
    notifyCard();
}

void CardSession::startNew()
{
    if (settlePendingEdit() != Settled::StillPending && !friends().isFull()) {
        m_editable = true;
        m_beforeNew = m_shown;
        emptyCard();
        m_new = m_editPending = true;
        m_current = 0;
        m_shown.reset();
    }
    notifyCard();
}

void CardSession::remove()
{
    if (settlePendingEdit() == Settled::StillPending || !friends().isFriend(m_current)) {
        notifyCard();
        return;
    }
    const TFriend& doomed = friends()[m_current];
    const std::string question = std::string(LangText(lang::DeleteQuestionStart, m_language))
                               + std::string(doomed.Prenom.view()) + " " + std::string(doomed.Nom.view())
                               + std::string(LangText(lang::DeleteQuestionEnd, m_language));
    if (!m_asker.askOkCancel(question)) {
        return;
    }
    std::uint16_t deletedAt = 0;
    const FriendsStore::Outcome outcome = m_store.change([&](FriendTable& table, DisplayOptions&) {
        // Read again meanwhile, the friend may be elsewhere, or gone already: so much the better.
        if ((deletedAt = find(table, m_shown)) != 0) {
            table.DeleteFriend(deletedAt);
        }
        return Status::success();
    });
    if (!outcome.status.ok) {
        m_asker.tellFailure(outcome.status.message);
    }
    if (outcome.status.ok && deletedAt != 0) {
        m_dataChanged = false;
        show(std::min(deletedAt, friends().FriendCount)); // the friend that moved up, or the new last one
    } else if (outcome.reread || outcome.status.ok) {
        findCardFriendAgain();
    }
    notifyFriends();
    notifyCard();
}

std::optional<FriendField> CardSession::impossibleTypedDate() const
{
    for (const FriendField date : {FriendField::Anniversaire, FriendField::Fete, FriendField::Date1, FriendField::Date2}) {
        const std::string& typed = m_card[fieldIndex(date)];
        const bool asStored = !isChanged(date) || (m_shown && typed == fieldText(*m_shown, date));
        if (!asStored && whyImpossibleDate(typed, m_language)) {
            return date;
        }
    }
    return std::nullopt;
}

std::string CardSession::impossibleDateMessage(FriendField date) const
{
    const std::string why = whyImpossibleDate(m_card[fieldIndex(date)], m_language).value_or("");
    return LangTextFilled(lang::ImpossibleDateInField, m_language, {LangText(labelOf(date), m_language), why});
}

CardSession::Settled CardSession::validateCard(Loudness loudness)
{
    if (!m_editable) {
        return Settled::NothingPending; // a locked card holds nothing to store
    }
    if (const std::optional<FriendField> date = impossibleTypedDate()) {
        if (loudness == Loudness::Tell) {
            m_asker.tell(impossibleDateMessage(*date));
        }
        return Settled::StillPending; // open and red until the user corrects it
    }
    if (!m_duplicateAccepted && friends().NameExists(listTextOf(m_card), m_new ? 0 : m_current)) {
        if (loudness == Loudness::Quiet) {
            return Settled::StillPending; // another program added the name meanwhile: ask when the user acts
        }
        if (!m_asker.askOkCancel(LangText(lang::DuplicateNameQuestion, m_language))) {
            cancel();
            return Settled::Cancelled;
        }
        m_duplicateAccepted = true;
    }
    return writeCard(loudness);
}

CardSession::Settled CardSession::writeCard(Loudness loudness)
{
    bool gone = false;
    bool full = false;
    std::uint16_t stored = 0;
    // A retry nobody asked for only looks whether the folder is free: the window must not freeze.
    const auto patience = loudness == Loudness::Quiet ? std::chrono::milliseconds(0) : LockPatience;
    const auto store = [&](bool asNewFriend) {
        return m_store.change([&](FriendTable& table, DisplayOptions&) {
            std::uint16_t slot = 0;
            if (!asNewFriend && (slot = find(table, m_shown)) == 0) {
                gone = true;
                return Status::failure({});
            }
            stored = table.ValidateCard(slot, m_card);
            full = stored == 0;
            return full ? Status::failure(std::string(LangText(lang::TableFull, m_language))) : Status::success();
        }, patience);
    };
    FriendsStore::Outcome outcome = store(m_new);
    if (gone) {
        // Deleted by another program while it was being edited: never brought back unasked.
        if (loudness == Loudness::Quiet) {
            return Settled::StillPending;
        }
        if (!m_asker.askOkCancel(LangText(lang::FriendDeletedMeanwhile, m_language))) {
            m_new = false;
            m_editPending = false;
            findCardFriendAgain();
            notifyFriends();
            notifyCard();
            return Settled::Cancelled;
        }
        outcome = store(true);
    }
    if (outcome.reread) {
        findCardFriendAgain();
        notifyFriends();
    }
    if (!outcome.status.ok) {
        m_waiting = !full;
        if (loudness == Loudness::Tell) {
            m_asker.tellFailure(outcome.lockBusy ? LangTextWithReason(lang::CardKeptUntilSaved, m_language, outcome.status.message)
                                          : outcome.status.message);
        }
        notifyCard();
        return Settled::StillPending;
    }
    m_current = stored;
    m_shown = friends()[stored];
    m_new = m_editPending = m_waiting = m_duplicateAccepted = false;
    m_changed.reset();
    m_dataChanged = false;
    notifyFriends();
    notifyCard();
    return Settled::Validated;
}

void CardSession::validate() { validateCard(Loudness::Tell); }

void CardSession::cancel()
{
    const bool wasNew = m_new;
    m_new = m_waiting = m_duplicateAccepted = false;
    // A dropped new card goes back to the friend shown before "New Name".
    show(find(friends(), wasNew ? m_beforeNew : m_shown));
    notifyCard();
}

CardSession::Settled CardSession::settlePendingEdit()
{
    if (m_waiting) {
        return validateCard(Loudness::Tell);
    }
    if (!m_editPending) {
        return Settled::NothingPending;
    }
    if (m_asker.askOkCancel(LangText(lang::PendingEditQuestion, m_language))) {
        return validateCard(Loudness::Tell);
    }
    cancel();
    return Settled::Cancelled;
}

void CardSession::retryWaitingWrite()
{
    if (m_waiting) {
        validateCard(Loudness::Quiet);
    }
}

FriendsStore::Outcome CardSession::changeFriends(const FriendsStore::Change& change,
                                                const FriendsStore::Follower& written)
{
    FriendsStore::Outcome outcome = m_store.change(change, LockPatience, written);
    if (outcome.reread || outcome.status.ok) {
        findCardFriendAgain();
        notifyFriends();
    }
    notifyCard();
    return outcome;
}

void CardSession::chooseDisplayOptions(const DisplayOptions& options)
{
    m_store.chooseOptions(options);
    const FriendsStore::Outcome outcome = changeFriends([](FriendTable&, DisplayOptions&) { return Status::success(); });
    if (!outcome.status.ok) {
        m_asker.tellFailure(outcome.status.message);
    }
}

SaveOutcome CardSession::saveAtClose()
{
    const bool cardWaited = m_waiting;
    retryWaitingWrite();
    if (cardWaited && !m_waiting && !m_store.hasUnsavedChanges()) {
        return SaveOutcome::Saved;
    }
    if (m_store.isNewerVersion() || !(m_dataChanged || m_waiting || m_store.hasUnsavedChanges())) {
        return SaveOutcome::NothingToSave; // a newer version is never written, nor asked about
    }
    std::string reason;
    if (m_waiting || m_editPending) { // still pending after the close's question: the user was told why
        reason = LangText(lang::CardNotSaved, m_language);
    } else if (const FriendsStore::Outcome outcome = m_store.saveUnsaved(); !outcome.status.ok) {
        reason = outcome.status.message;
    } else {
        m_dataChanged = false;
        return SaveOutcome::Saved;
    }
    if (m_asker.askAfterFailure(LangTextWithReason(lang::DatabaseNotSavedQuitAnyway, m_language, reason))) {
        m_dataChanged = false;
        return SaveOutcome::FailedQuitAnyway;
    }
    return SaveOutcome::FailedStayOpen;
}

} // namespace zelmora
