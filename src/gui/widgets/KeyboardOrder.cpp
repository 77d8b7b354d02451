#include "gui/widgets/KeyboardOrder.h"

#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>

namespace zelmora::gui {

namespace {

void chain(const QList<QWidget*>& controls)
{
    QList<QWidget*> stops;
    for (QWidget* control : controls) {
        if (const auto* group = qobject_cast<RadioGroup*>(control)) {
            for (QAbstractButton* item : group->itemButtons()) {
                stops << item;
            }
        } else {
            stops << control;
        }
    }
    for (qsizetype i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(stops[i - 1], stops[i]);
    }
}

} // namespace

void setKeyboardOrder(const QList<QWidget*>& controls)
{
    chain(controls);
    // A group's items are made with its first captions, after the window: the order is
    // set again then, or they would come after every other control of the window.
    for (QWidget* control : controls) {
        if (auto* group = qobject_cast<RadioGroup*>(control)) {
            QObject::connect(group, &RadioGroup::itemsAdded, group, [controls] { chain(controls); });
        }
    }
}

QList<QWidget*> namedControls(const QWidget& window, std::span<const char* const> names)
{
    QList<QWidget*> controls;
    for (const char* name : names) {
        controls << window.findChild<QWidget*>(QLatin1String(name));
    }
    return controls;
}

} // namespace zelmora::gui
