#include "AppStyle.h"

#include "Contrast.h"
#include "Icons.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>

namespace quadrell {

namespace {

// Drawn only where the player moves with the keyboard, as the desktop's own mark is.
bool keyboardFocus(const QStyleOption* option) {
    return option && (option->state & QStyle::State_HasFocus)
        && (option->state & QStyle::State_KeyboardFocusChange);
}

} // namespace

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

QColor AppStyle::FocusRing(const QPalette& palette) {
    return Contrast::StandingOut(palette.color(QPalette::Highlight),
        { palette.color(QPalette::Window), palette.color(QPalette::Button) }, 3.0);
}

QColor AppStyle::ItemFocusRing(const QPalette& palette) {
    // On a row, selected or not, of either shade.
    return Contrast::StandingOut(palette.color(QPalette::Highlight),
        { palette.color(QPalette::Base), palette.color(QPalette::AlternateBase),
            palette.color(QPalette::Highlight) },
        3.0);
}

void AppStyle::drawRing(const QRect& around, const QColor& colour, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour, kFocusRing);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    // The pen straddles the path: inset by half its width, it lies wholly inside.
    const int half = kFocusRing / 2;
    painter->drawRect(QRectF(around).adjusted(half, half, -half, -half));
    painter->restore();
}

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const {
    // Buttons' marks (a check box's or radio button's caption, a push button's face) and an
    // item view's current row become the ring, in a colour that stands out from the rows.
    const bool onRows = qobject_cast<const QAbstractItemView*>(widget);
    if (element == PE_FrameFocusRect && (onRows || qobject_cast<const QAbstractButton*>(widget))) {
        if (option->state & State_KeyboardFocusChange)
            drawRing(option->rect,
                onRows ? ItemFocusRing(option->palette) : FocusRing(option->palette), painter);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void AppStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
    const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // Around the push button's own face and inside the current tab, whatever the base style
    // tints there.
    if (element == CE_PushButtonBevel && keyboardFocus(option))
        drawRing(option->rect, FocusRing(option->palette), painter);
    if (element == CE_TabBarTab && keyboardFocus(option))
        drawRing(option->rect.adjusted(kFocusRing, kFocusRing, -kFocusRing, -kFocusRing),
            FocusRing(option->palette), painter);
}

} // namespace quadrell
