#include "AppStyle.h"

#include "Icons.h"

namespace quadrell {

QIcon AppStyle::standardIcon(
    StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        return Icons::Of(Icons::Glyph::MoreAcross);
    case SP_ToolBarVerticalExtensionButton:
        return Icons::Of(Icons::Glyph::MoreDown);
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}

} // namespace quadrell
