#pragma once
// Beside the card's saint's day: while it is empty and the first name on the card has
// saints' days, a small button offers them (click, Space, or Alt+Down in the field). The
// day chosen goes into the field as typing would, so it turns red and is validated with
// the card; nothing is filled unasked.

#include "core/saints/SaintsCalendar.h"
#include "core/session/CardSession.h"

#include <QToolButton>

#include <string>

class QMenu;

namespace zelmora::gui {

class SessionSignals;

// How a proposed day reads, in the offer and in the list of the fill: "24/06 Jean-Baptiste".
QString candidateText(const SaintCandidate& candidate);

class FeteOffer : public QToolButton {
    Q_OBJECT

public:
    // `feteField` is the card's saint's day, which the button sits beside.
    FeteOffer(CardSession& session, SessionSignals& sessionSignals, QWidget* feteField, QWidget* parent);

private:
    // The days, in a menu under the button.
    void offer();
    // Shown only with something to offer; the menu follows the first name on the card.
    void followCard();

    CardSession& m_session;
    QWidget* m_feteField;
    QMenu* m_days;
    std::string m_firstName; // whose days the menu holds
};

} // namespace zelmora::gui
