#include "gui/widgets/Accessibility.h"

#include "gui/widgets/LineEditAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace zelmora::gui {

namespace {

// Asked for each class of an object, from the most derived down to QObject.
QAccessibleInterface* accessibleOf(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit")) {
        return new LineEditAccessible(static_cast<QLineEdit*>(object));
    }
    // Reached only by a widget that no class between it and QWidget gave an interface of its own.
    auto* widget = qobject_cast<QWidget*>(object);
    if (className == QLatin1String("QWidget") && widget && widget->isWindow()) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibility() { QAccessible::installFactory(accessibleOf); }

} // namespace zelmora::gui
