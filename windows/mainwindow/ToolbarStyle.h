#pragma once

#include <QProxyStyle>

namespace quadrell {

// The toolbar's buttons packed tight, so all 26 places show at the window's first width:
// no spacing or margin between the buttons, each just round its icon. A style, not a style
// sheet: a style sheet costs the first picture more than the whole toolbar.
class ToolbarStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(
        PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget) const override;
};

} // namespace quadrell
