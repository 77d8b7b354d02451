#include "gui/widgets/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace zelmora::gui {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(0);
    connect(&m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            makeTabStop(id);
            emit itemIndexChanged(id);
        }
    });
}

void RadioGroup::setItems(const QStringList& items)
{
    const int chosen = itemIndex();
    const QList<QAbstractButton*> buttons = m_buttons.buttons();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (i < buttons.size()) {
            buttons[i]->setText(items[i]);
            continue;
        }
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName() + QString::number(i));
        m_buttons.addButton(button, i);
        layout()->addWidget(button);
        static_cast<QVBoxLayout*>(layout())->setStretchFactor(button, 1);
    }
    setItemIndex(chosen < 0 ? 0 : chosen);
    if (items.size() > buttons.size()) {
        emit itemsAdded();
    }
}

QList<QAbstractButton*> RadioGroup::itemButtons() const { return m_buttons.buttons(); }

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (const QAbstractButton* button : m_buttons.buttons()) {
        texts << button->text();
    }
    return texts;
}

void RadioGroup::makeTabStop(int index)
{
    // Tab enters the group at its chosen item, the arrow keys move between the items.
    for (QAbstractButton* button : m_buttons.buttons()) {
        button->setFocusPolicy(m_buttons.id(button) == index ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = m_buttons.button(index)) {
        button->setChecked(true);
    }
}

} // namespace zelmora::gui
