#pragma once
// The platform's style with the narrow button margins the window's layout was drawn
// for: captions such as "Sort/Name" must fit 57-pixel buttons.

#include <QProxyStyle>

namespace zelmora::gui {

class CompactStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace zelmora::gui
