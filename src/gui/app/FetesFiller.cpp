#include "gui/app/FetesFiller.h"

#include "core/data/DateText.h"
#include "core/saints/FeteProposals.h"
#include "gui/app/FillFetesDialog.h"

namespace zelmora::gui {

void FetesFiller::run(QWidget* window)
{
    if (m_session.settlePendingEdit() == CardSession::Settled::StillPending) {
        return; // the card could not be written: the user was told why
    }
    const std::vector<FeteProposal> proposals = proposeFetes(m_session.friends(), SaintsCalendar::french());
    if (proposals.empty()) {
        m_dialogs.tell(LangText(lang::NoFeteToPropose, m_language));
        return;
    }
    FillFetesDialog dialog(m_session.friends(), proposals, m_language, window);
    m_dialogs.showModal(dialog);
    const std::vector<ChosenFete> chosen = dialog.chosen();
    if (dialog.result() != QDialog::Accepted || chosen.empty()) {
        return;
    }
    // The friends may have moved since the dialog opened (another program's change read
    // again under the lock): each choice finds its friend in the table being changed.
    std::size_t written = 0;
    const FriendsStore::Outcome saved = m_session.changeFriends([&](FriendTable& table, DisplayOptions&) {
        written = applyFetes(table, choicesIn(table, chosen));
        return written > 0 ? Status::success() : Status::failure({}); // nothing new, nothing written
    });
    std::string message = std::string(LangText(lang::FetesSetCount, m_language))
                        + NumToText(static_cast<std::int32_t>(saved.status.ok ? written : 0));
    if (!saved.status.message.empty()) {
        message.append("\n\n").append(saved.status.message);
    }
    m_dialogs.tell(message);
}

} // namespace zelmora::gui
