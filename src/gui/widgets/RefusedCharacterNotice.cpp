#include "gui/widgets/RefusedCharacterNotice.h"

#include "gui/widgets/Cp1252Validator.h"
#include "gui/widgets/NotesEdit.h"
#include "gui/widgets/QtText.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace zelmora::gui {

namespace {

// Long enough to read the note; a refused key meanwhile keeps it up without saying it again.
constexpr int BurstMilliseconds = 4000;

// A character as the user can read it: an invisible control by its code.
QString readable(const QString& character)
{
    const char16_t code = character.front().unicode();
    if (character.size() == 1 && (code < 32 || code == 127)) {
        return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
    }
    return character;
}

} // namespace

RefusedCharacterNotice::RefusedCharacterNotice(const Language& language, QObject* parent)
    : QObject(parent), m_language(language)
{
    m_burst.setSingleShot(true);
    m_burst.setInterval(BurstMilliseconds);
    connect(&m_burst, &QTimer::timeout, this, &RefusedCharacterNotice::endBurst);
}

void RefusedCharacterNotice::watch(QWidget* field)
{
    const auto tellFor = [this, field](const QString& characters) { tell(field, characters); };
    if (auto* notes = qobject_cast<NotesEdit*>(field)) {
        connect(notes, &NotesEdit::refused, this, tellFor);
    } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        if (const auto* validator = qobject_cast<const Cp1252Validator*>(edit->validator())) {
            connect(validator, &Cp1252Validator::refused, this, tellFor);
        }
    }
}

QString RefusedCharacterNotice::message() const
{
    QStringList characters;
    for (const QString& character : m_characters) {
        characters << readable(character);
    }
    const std::uint16_t pair = characters.size() == 1 ? lang::CharacterNotStorable : lang::CharactersNotStorable;
    return fromCp1252(LangText(pair, m_language)) + characters.join(QLatin1Char(' '));
}

void RefusedCharacterNotice::tell(QWidget* field, const QString& characters)
{
    const bool newBurst = field != m_field || !m_burst.isActive();
    if (newBurst) {
        endBurst();
        m_field = field;
    }
    for (const QString& character : charactersOf(characters)) {
        if (!m_characters.contains(character)) {
            m_characters << character;
        }
    }
    showNote();
    if (newBurst) {
        emit burstChanged(); // spoken once, at the start of the burst
    }
    m_burst.start();
}

void RefusedCharacterNotice::showNote()
{
    QWidget* area = m_field->parentWidget();
    if (!m_note || m_note->parentWidget() != area) {
        delete m_note;
        m_note = new QLabel(area);
        m_note->setObjectName(QStringLiteral("RefusedCharacters"));
        m_note->setFrameShape(QFrame::Box);
        m_note->setMargin(2);
        m_note->setAutoFillBackground(true);
        m_note->setForegroundRole(QPalette::ToolTipText);
        m_note->setBackgroundRole(QPalette::ToolTipBase);
    }
    m_note->setText(message());
    m_note->adjustSize();
    // Under the field, or over it when the field is at the bottom; never past the sides.
    const QRect field = m_field->geometry();
    const int top = field.bottom() + m_note->height() < area->height() ? field.bottom() + 1 : field.top() - m_note->height() - 1;
    const int left = std::max(0, std::min(field.left(), area->width() - m_note->width()));
    m_note->move(left, top);
    m_note->raise();
    m_note->show();
}

QString RefusedCharacterNotice::shown() const { return m_note && m_note->isVisible() ? m_note->text() : QString(); }

void RefusedCharacterNotice::endBurst()
{
    m_burst.stop();
    if (m_note) {
        m_note->hide();
    }
    const bool wasBursting = m_field;
    m_field = nullptr;
    m_characters.clear();
    if (wasBursting) {
        emit burstChanged();
    }
}

} // namespace zelmora::gui
