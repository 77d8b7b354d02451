#include "gui/widgets/WindowStyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QWidget>

namespace zelmora::gui {

namespace {

constexpr int FocusWidth = 2;

// A button cut to the rounded shape carries a mask (see ShapeButton).
bool isRounded(const QWidget* widget) { return widget && !widget->mask().isEmpty(); }

QPainterPath roundedOutline(const QRectF& area, qreal radius)
{
    QPainterPath outline;
    outline.addRoundedRect(area, radius, radius);
    return outline;
}

// Frames that show whether the field or list inside them has the focus.
bool isFieldFrame(QStyle::PrimitiveElement element, const QWidget* widget)
{
    return element == QStyle::PE_FrameLineEdit
        || (element == QStyle::PE_Frame && qobject_cast<const QAbstractScrollArea*>(widget));
}

} // namespace

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ButtonMargin) {
        return 2;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element == PE_FrameFocusRect) {
        // Always, not only after a Tab key: a mouse user who turns to the keyboard sees it too.
        drawFocusFrame(*option, *painter, widget);
        return;
    }
    if (element == PE_PanelButtonCommand && isRounded(widget)) {
        drawRoundedPanel(element, *option, *painter, *widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (isFieldFrame(element, widget) && (option->state & State_HasFocus)) {
        drawFocusFrame(*option, *painter, widget);
    }
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // The platform's style draws these controls' focus itself, faintly and only after a Tab key.
    if (!(option->state & State_HasFocus)) {
        return;
    }
    QStyleOption focus = *option;
    switch (element) {
    case CE_PushButton: focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget); break;
    case CE_CheckBox: focus.rect = subElementRect(SE_CheckBoxFocusRect, option, widget); break;
    case CE_RadioButton: focus.rect = subElementRect(SE_RadioButtonFocusRect, option, widget); break;
    case CE_TabBarTabLabel: focus.rect = option->rect.adjusted(2, 2, -2, -2); break;
    default: return;
    }
    drawFocusFrame(focus, *painter, widget);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ToolButton && (option->state & State_HasFocus)) {
        QStyleOption focus = *option;
        focus.rect = option->rect.adjusted(3, 3, -3, -3);
        drawFocusFrame(focus, *painter, widget);
    }
}

void WindowStyle::drawFocusFrame(const QStyleOption& option, QPainter& painter, const QWidget* widget) const
{
    const qreal inset = FocusWidth / 2.0;
    const QRectF area = QRectF(option.rect).adjusted(inset, inset, -inset, -inset);
    // Inside a rounded button the frame follows the corners, which the mask would cut.
    const qreal radius = isRounded(widget) ? RoundedCornerRadius - option.rect.left() : 0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, radius > 0);
    painter.setPen(QPen(focusColour(), FocusWidth));
    painter.setBrush(Qt::NoBrush);
    if (radius > 0) {
        painter.drawPath(roundedOutline(area, radius));
    } else {
        painter.drawRect(area);
    }
    painter.restore();
}

void WindowStyle::drawRoundedPanel(PrimitiveElement element, const QStyleOption& option, QPainter& painter,
                                   const QWidget& widget) const
{
    // The platform's panel inside the shape, then a border along the cut, where the mask
    // took the platform's own border away.
    const QPainterPath outline = roundedOutline(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5),
                                                RoundedCornerRadius);
    painter.save();
    painter.setClipPath(outline, Qt::IntersectClip);
    QProxyStyle::drawPrimitive(element, &option, &painter, &widget);
    painter.restore();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(option.palette.color(QPalette::Window).darker(170), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

void useWindowStyle(QApplication& application)
{
    application.setStyle(new WindowStyle(application.style()->name()));
}

} // namespace zelmora::gui
