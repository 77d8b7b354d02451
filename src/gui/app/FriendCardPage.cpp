#include "gui/app/FriendCardPage.h"

#include "gui/app/CardFields.h"
#include "gui/app/FeteOffer.h"
#include "gui/widgets/AlertColour.h"
#include "gui/widgets/Place.h"
#include "gui/widgets/Cp1252Validator.h"
#include "gui/widgets/DateEdit.h"
#include "gui/widgets/NotesEdit.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/RefusedCharacterNotice.h"
#include "gui/widgets/ReadOnlyField.h"

#include "gui/app/SessionSignals.h"
#include "gui/models/FriendListModel.h"
#include "gui/widgets/LinesListView.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace zelmora::gui {

namespace {

QLineEdit* createLineEdit(QWidget* parent, FriendField field)
{
    auto* edit = new QLineEdit(parent);
    const bool capitals = field == FriendField::Nom;
    edit->setValidator(new Cp1252Validator(
        capitals ? Cp1252Validator::Letters::Capitals : Cp1252Validator::Letters::AsTyped, edit));
    // The state field takes any length and is cut when stored.
    if (field != FriendField::Etat) {
        TFriend sizes;
        edit->setMaxLength(static_cast<int>(fieldRef(sizes, field).capacity()));
    }
    return edit;
}

} // namespace

FriendCardPage::FriendCardPage(CardSession& session, SessionSignals& sessionSignals, FriendListModel& friends,
                               QWidget* parent)
    : QWidget(parent), m_session(session), m_refusals(new RefusedCharacterNotice(session.language(), this))
{
    setObjectName(QStringLiteral("Fiches"));
    ListBox1 = new LinesListView(16, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(0, 0, 377, 89);
    ListBox1->setModel(&friends);
    connect(ListBox1, &LinesListView::rowSelected, this, [this](int line) { m_session.select(line); });
    createFields();
    createButtons();
    setTabOrder();
    new FeteOffer(session, sessionSignals, field(FriendField::Fete), this);
    connect(&sessionSignals, &SessionSignals::cardUpdated, this, &FriendCardPage::showCard);
    connect(m_refusals, &RefusedCharacterNotice::burstChanged, this, &FriendCardPage::showCard);
    showCard();
}

void FriendCardPage::createFields()
{
    for (const CardFieldPlace& place : CardFieldPlaces) {
        QWidget* widget = nullptr;
        if (place.field == FriendField::Notes) {
            auto* notes = new NotesEdit(this);
            connect(notes, &QPlainTextEdit::textChanged, this, [this] { fieldEdited(FriendField::Notes); });
            widget = notes;
        } else if (isDateField(place.field)) {
            auto* date = new DateEdit(this);
            connect(date, &QLineEdit::textEdited, this, [this, f = place.field] { fieldEdited(f); });
            widget = date;
        } else {
            QLineEdit* edit = createLineEdit(this, place.field);
            connect(edit, &QLineEdit::textEdited, this, [this, f = place.field] { fieldEdited(f); });
            widget = edit;
        }
        widget->setObjectName(QLatin1String(place.name));
        widget->setGeometry(place.left, place.top, place.width, place.height);
        m_fields[fieldIndex(place.field)] = widget;
        m_refusals->watch(widget);
        if (place.label) {
            auto* label = new QLabel(this);
            label->setObjectName(QLatin1String(place.label));
            label->move(place.labelLeft, place.labelTop + 4);
            label->setBuddy(widget); // names the field for screen readers and Alt+letter
        }
    }
    auto* hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("Label30"));
    hint->move(DateHintLeft, DateHintTop + 4);
}

void FriendCardPage::createButtons()
{
    NewName = place<QPushButton>(this, "NewName", 384, 8, 113, 33);
    DeleteName = place<QPushButton>(this, "DeleteName", 384, 48, 113, 33);
    Button3 = place<QPushButton>(this, "Button3", 8, 296, 81, 25);
    Button4 = place<QPushButton>(this, "Button4", 232, 296, 49, 25);
    Button4->setText(QStringLiteral("e-mail"));
    BitBtn10 = place<QPushButton>(this, "BitBtn10", 384, 328, 33, 33);
    BitBtn1 = place<QPushButton>(this, "BitBtn1", 424, 304, 73, 25);
    BitBtn2 = place<QPushButton>(this, "BitBtn2", 424, 336, 73, 25);

    connect(NewName, &QPushButton::clicked, this, &FriendCardPage::NewNameClick);
    connect(DeleteName, &QPushButton::clicked, this, [this] { m_session.remove(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        m_session.validate();
        if (const std::optional<FriendField> date = m_session.impossibleTypedDate()) {
            field(*date)->setFocus(); // where the user corrects it
        }
    });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { m_session.cancel(); });
    connect(Button3, &QPushButton::clicked, this, [this] { emit webSiteWanted(fieldText(FriendField::Www)); });
    connect(Button4, &QPushButton::clicked, this, [this] { emit mailWanted(fieldText(FriendField::Mail)); });
    connect(BitBtn10, &QPushButton::clicked, this, [this] { emit printWanted(m_session.selectedLine()); });

    // The OK and Cancel buttons of the card answer Enter and Escape anywhere on it.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* validate = new QShortcut(key, this, BitBtn1, &QPushButton::click);
        validate->setContext(Qt::WidgetWithChildrenShortcut);
    }
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this, BitBtn2, &QPushButton::click);
    cancel->setContext(Qt::WidgetWithChildrenShortcut);
}

void FriendCardPage::setTabOrder()
{
    QList<QWidget*> order = {ListBox1, NewName, DeleteName};
    for (const FriendField f : {FriendField::Nom, FriendField::Prenom, FriendField::Adresse1, FriendField::Adresse2,
                                FriendField::Ville, FriendField::Code, FriendField::Etat, FriendField::Pays,
                                FriendField::Telephone, FriendField::Portable, FriendField::Anniversaire,
                                FriendField::Fete, FriendField::Date1, FriendField::Raison1, FriendField::Date2,
                                FriendField::Raison2}) {
        order << field(f);
    }
    order << Button3 << field(FriendField::Www) << Button4 << field(FriendField::Mail) << field(FriendField::Notes)
          << BitBtn10 << BitBtn1 << BitBtn2;
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

std::string FriendCardPage::fieldText(FriendField f) const
{
    QWidget* widget = field(f);
    if (auto* date = qobject_cast<DateEdit*>(widget)) {
        return date->storedText();
    }
    if (auto* notes = qobject_cast<NotesEdit*>(widget)) {
        return notes->storedText();
    }
    return toCp1252(static_cast<QLineEdit*>(widget)->text()).value_or(std::string());
}

void FriendCardPage::setFieldText(FriendField f, const std::string& text)
{
    if (fieldText(f) == text) {
        return; // leaves the cursor where the user is typing
    }
    QWidget* widget = field(f);
    const QSignalBlocker quiet(widget); // the program, not the user, changes it
    if (auto* date = qobject_cast<DateEdit*>(widget)) {
        date->setStoredText(text);
    } else if (auto* notes = qobject_cast<NotesEdit*>(widget)) {
        notes->setStoredText(text);
    } else {
        auto* edit = static_cast<QLineEdit*>(widget);
        edit->setText(fromCp1252(text));
        edit->setCursorPosition(0); // a long value shows its beginning
    }
}

void FriendCardPage::setChangedDescription(const QString& description)
{
    m_changedDescription = description;
    showCard();
}

void FriendCardPage::showChanged(FriendField f)
{
    const bool changed = m_session.isChanged(f);
    QWidget* widget = field(f);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, changed ? alertRed() : QColor(0, 0, 0));
    widget->setPalette(palette);
    // Not by colour alone; and a refusal being told is said with it.
    QStringList said;
    for (const QString& part : {changed ? m_changedDescription : QString(), m_refusals->descriptionOf(widget)}) {
        if (!part.isEmpty()) {
            said << part;
        }
    }
    const QString description = said.join(QStringLiteral(". "));
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description); // each change is announced: only real ones
    }
}

void FriendCardPage::fieldEdited(FriendField f) { m_session.edit(f, fieldText(f)); }

void FriendCardPage::showCard()
{
    ListBox1->showSelectedRow(m_session.selectedLine());
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        const auto f = static_cast<FriendField>(i);
        setFieldText(f, m_session.card()[i]);
        showChanged(f);
        setFieldReadOnly(*field(f), !m_session.isEditable()); // locked until the first friend
    }
}

void FriendCardPage::NewNameClick()
{
    m_session.startNew();
    if (m_session.isNew()) {
        field(FriendField::Nom)->setFocus(); // ready for the new friend's name
    }
}

} // namespace zelmora::gui
