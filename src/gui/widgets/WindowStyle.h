#pragma once
// The platform's style, adjusted for the window's fixed layout and for keyboard users:
// narrow button margins (captions such as "Sort/Name" must fit 57-pixel buttons), a
// focus frame that cannot be missed on every control, and buttons cut to a rounded shape
// (a mask, see ShapeButton) drawn with their border along the cut.

#include <QColor>
#include <QProxyStyle>

class QApplication;

namespace zelmora::gui {

// The corner radius of the rounded buttons: ellipses of 20 × 20 pixels.
inline constexpr int RoundedCornerRadius = 10;

class WindowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // The colour of the focus frame: dark blue, clear on white, grey and the backgrounds.
    static QColor focusColour() { return {0x00, 0x3C, 0xB4}; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    void drawFocusFrame(const QStyleOption& option, QPainter& painter, const QWidget* widget) const;
    void drawRoundedPanel(PrimitiveElement element, const QStyleOption& option, QPainter& painter,
                          const QWidget& widget) const;
};

// Gives `application` the window's style over the platform's own.
void useWindowStyle(QApplication& application);

} // namespace zelmora::gui
