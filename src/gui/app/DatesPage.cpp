#include "gui/app/DatesPage.h"

#include "gui/app/CardFields.h"
#include "gui/widgets/AlertColour.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/KeyboardOrder.h"
#include "gui/widgets/Place.h"
#include "gui/models/DatesListModel.h"
#include "gui/widgets/LinesListView.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/ReadOnlyField.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace zelmora::gui {

namespace {

// The read-only fields: grey, black text, out of the Tab order (a click still reaches
// them, so their text can be selected and copied).
void makeReadOnly(QWidget* field)
{
    setFieldReadOnly(*field, true);
    QPalette black = field->palette();
    black.setColor(QPalette::Text, Qt::black);
    field->setPalette(black);
    field->setFont(sansFont(13));
    field->setFocusPolicy(Qt::ClickFocus);
}

// A value is shown from its beginning, and whole in the tooltip: it may be wider than its field.
void showReadOnlyText(QWidget& field, const QString& text)
{
    if (auto* notes = qobject_cast<QPlainTextEdit*>(&field)) {
        notes->setPlainText(text);
    } else {
        auto& edit = static_cast<QLineEdit&>(field);
        edit.setText(text);
        edit.setCursorPosition(0);
    }
    field.setToolTip(text.trimmed().isEmpty() ? QString() : text);
}

} // namespace

DatesPage::DatesPage(DatesListModel& dates, const FriendTable& friends, QWidget* parent)
    : QWidget(parent), m_dates(dates), m_friends(friends)
{
    setObjectName(QStringLiteral("Dates"));
    ListBox2 = new LinesListView(14, this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(0, 0, 433, 89);
    ListBox2->setFont(monoFont(11));
    ListBox2->setModel(&dates);
    connect(ListBox2, &LinesListView::rowSelected, this, &DatesPage::ListBox2Click);

    Button1 = place<QPushButton>(this, "Button1", 440, 8, 57, 33);
    Button2 = place<QPushButton>(this, "Button2", 440, 48, 57, 33);
    connect(Button1, &QPushButton::clicked, this, [this] {
        m_dates.sortByPerson();
        ListBox2->scrollToTop();
    });
    connect(Button2, &QPushButton::clicked, this, [this] {
        m_dates.sortByDate();
        ListBox2->scrollToTop();
    });
    createReadOnlyCard();

    Button5 = place<QPushButton>(this, "Button5", 8, 296, 81, 25);
    Button6 = place<QPushButton>(this, "Button6", 232, 296, 49, 25);
    Button6->setText(QStringLiteral("e-mail"));
    BitBtn11 = place<QPushButton>(this, "BitBtn11", 384, 328, 33, 33);
    // A tall button: its picture above its caption.
    BitBtn7 = place<QToolButton>(this, "BitBtn7", 424, 304, 73, 57);
    BitBtn7->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(Button5, &QPushButton::clicked, this, [this] { emit webSiteWanted(readOnlyStored(FriendField::Www)); });
    connect(Button6, &QPushButton::clicked, this, [this] { emit mailWanted(readOnlyStored(FriendField::Mail)); });
    connect(BitBtn11, &QPushButton::clicked, this, [this] {
        emit printWanted(m_dates.dates().DateEntryCount, ListBox2->selectedRow(), selectedFriend());
    });
    connect(BitBtn7, &QToolButton::clicked, this, &DatesPage::quitWanted);
    setKeyboardOrder({ListBox2, Button1, Button2, Button5, Button6, BitBtn11, BitBtn7});
}

void DatesPage::createReadOnlyCard()
{
    for (const CardFieldPlace& place : CardFieldPlaces) {
        QWidget* field = nullptr;
        if (place.field == FriendField::Notes) {
            auto* notes = new QPlainTextEdit(this);
            notes->setReadOnly(true);
            notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            field = notes;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            field = edit;
        }
        field->setObjectName(QLatin1String("E") + QLatin1String(place.name));
        field->setGeometry(place.left, place.top, place.width, place.height);
        makeReadOnly(field);
        m_fields[fieldIndex(place.field)] = field;
        if (place.datesLabel) {
            auto* label = new QLabel(this);
            label->setObjectName(QLatin1String(place.datesLabel));
            label->move(place.labelLeft, place.labelTop + 4);
            label->setBuddy(field);
        }
    }
    auto* hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("Label29"));
    hint->move(DateHintLeft, DateHintTop + 4);
}

void DatesPage::BuildDatesList(const Clock& clock)
{
    m_dates.rebuild(m_friends, clock.today());
    showListColour();
    ListBox2->scrollToTop(); // a new list starts at its first line, today's dates first
}

void DatesPage::showListColour()
{
    ListBox2->setLinesColour(m_dates.dates().ShownInRed ? alertRed() : QColor(0, 0, 0));
}

std::uint16_t DatesPage::selectedFriend() const
{
    const TDateEntry* entry = m_dates.entryAt(ListBox2->selectedRow());
    return entry ? entry->FriendIndex : 0;
}

void DatesPage::selectFriendLine(std::uint16_t slot)
{
    for (int row = 0; const TDateEntry* entry = m_dates.entryAt(row); ++row) {
        if (entry->FriendIndex == slot) {
            ListBox2->setCurrentIndex(m_dates.index(row));
            ListBox2->setFocus();
            return;
        }
    }
}

void DatesPage::ListBox2Click(int)
{
    if (const std::uint16_t slot = selectedFriend()) {
        ShowReadOnlyCard(slot);
    }
}

void DatesPage::ShowReadOnlyCard(std::uint16_t slot)
{
    const CardTexts card = m_friends.ShowCard(slot);
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        showReadOnlyText(*m_fields[i], fromCp1252(card[i]));
    }
}

void DatesPage::ClearReadOnlyCard()
{
    for (QWidget* field : m_fields) {
        showReadOnlyText(*field, QString());
    }
}

QString DatesPage::readOnlyText(FriendField field) const
{
    QWidget* widget = m_fields[fieldIndex(field)];
    if (auto* notes = qobject_cast<QPlainTextEdit*>(widget)) {
        return notes->toPlainText();
    }
    return static_cast<QLineEdit*>(widget)->text();
}

std::string DatesPage::readOnlyStored(FriendField field) const
{
    return toCp1252(readOnlyText(field)).value_or(std::string());
}

} // namespace zelmora::gui
