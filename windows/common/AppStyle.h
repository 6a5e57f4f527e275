#pragma once

#include <QProxyStyle>

namespace quadrell {

// The style the player's desktop gives, with the game's own drawn arrows for the button a
// menu bar or toolbar shows when it is too narrow for its entries. The platform's arrows are
// pictures: reading the first one loads every image plugin, a twentieth of the start, for a
// button the first picture does not show.
class AppStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};

} // namespace quadrell
