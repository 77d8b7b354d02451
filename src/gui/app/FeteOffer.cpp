#include "gui/app/FeteOffer.h"

#include "core/saints/FeteProposals.h"
#include "gui/app/SessionSignals.h"
#include "gui/widgets/QtText.h"

#include <QMenu>
#include <QShortcut>

namespace zelmora::gui {

QString candidateText(const SaintCandidate& candidate)
{
    return fromCp1252(candidate.day.text()) + QLatin1Char(' ') + fromCp1252(candidate.name);
}

FeteOffer::FeteOffer(CardSession& session, SessionSignals& sessionSignals, QWidget* feteField, QWidget* parent)
    : QToolButton(parent), m_session(session), m_feteField(feteField), m_days(new QMenu(this))
{
    setObjectName(QStringLiteral("FeteOffer"));
    // In the gap between the field and the date hint, so that nothing else moves.
    const QRect field = feteField->geometry();
    setGeometry(field.right() + 2, field.top(), 12, field.height());
    setArrowType(Qt::DownArrow);
    setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(feteField, this);
    connect(this, &QToolButton::clicked, this, &FeteOffer::offer);
    auto* openFromField = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), feteField, this, [this] {
        if (isVisible()) {
            offer();
        }
    });
    openFromField->setContext(Qt::WidgetShortcut);
    connect(&sessionSignals, &SessionSignals::cardUpdated, this, &FeteOffer::followCard);
    followCard();
}

void FeteOffer::offer() { m_days->exec(mapToGlobal(rect().bottomLeft())); }

void FeteOffer::followCard()
{
    const CardTexts& card = m_session.card();
    const std::string& firstName = card[fieldIndex(FriendField::Prenom)];
    if (firstName != m_firstName) {
        m_firstName = firstName;
        m_days->clear();
        for (const SaintCandidate& candidate : SaintsCalendar::french().candidates(firstName)) {
            QAction* day = m_days->addAction(candidateText(candidate));
            connect(day, &QAction::triggered, this, [this, feteText = candidate.day.feteText()] {
                m_session.edit(FriendField::Fete, std::string(feteText.view()));
                m_feteField->setFocus();
            });
        }
    }
    setVisible(m_session.isEditable() && isEmptyFete(card[fieldIndex(FriendField::Fete)]) && !m_days->isEmpty());
}

} // namespace zelmora::gui
