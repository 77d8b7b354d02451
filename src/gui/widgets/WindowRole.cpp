#include "gui/widgets/WindowRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace zelmora::gui {

namespace {

// Asked for each class of an object, from the most derived: a plain widget, here, is one
// that no class between it and QWidget gave an interface of its own.
QAccessibleInterface* plainWindow(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (className == QLatin1String("QWidget") && widget && widget->isWindow()) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void giveWindowsTheirRole() { QAccessible::installFactory(plainWindow); }

} // namespace zelmora::gui
