#pragma once

#include <QProxyStyle>

namespace quadrell {

// The style the player's desktop gives, with two changes of the game's own:
// - its drawn arrows for the button a menu bar or toolbar shows when it is too narrow for
//   its entries. The platform's arrows are pictures: reading the first one loads every
//   image plugin, a twentieth of the start, for a button the first picture does not show;
// - a focus mark that can be seen: a solid ring two pixels wide, at least 3:1 against the
//   window, where the desktop's style draws a faint tint (check boxes, radio buttons) or a
//   one-pixel outline (push buttons), and round the current row of a list or tree, at least
//   3:1 against the rows.
class AppStyle final : public QProxyStyle {
public:
    static constexpr int kFocusRing = 2;

    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
    // The ring's colour for a palette: on the window, and on an item view's rows.
    static QColor FocusRing(const QPalette& palette);
    static QColor ItemFocusRing(const QPalette& palette);

private:
    static void drawRing(const QRect& around, const QColor& colour, QPainter* painter);
};

} // namespace quadrell
