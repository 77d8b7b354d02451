#pragma once
// The windows are laid out as they were drawn: every control at its own place and size,
// named so that captions, tests and screen readers find it.

#include <QString>
#include <QWidget>

namespace zelmora::gui {

template <class Widget>
Widget* place(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace zelmora::gui
