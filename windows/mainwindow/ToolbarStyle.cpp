#include "ToolbarStyle.h"

namespace quadrell {

int ToolbarStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_ToolBarItemSpacing:
    case PM_ToolBarItemMargin:
    case PM_ToolBarFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize ToolbarStyle::sizeFromContents(
    ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const {
    // Room for the button's raised frame round the icon, and no more.
    if (type == CT_ToolButton) return size + QSize(5, 5);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

} // namespace quadrell
