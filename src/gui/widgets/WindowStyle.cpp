#include "gui/widgets/CompactStyle.h"

namespace zelmora::gui {

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ButtonMargin) {
        return 2;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace zelmora::gui
