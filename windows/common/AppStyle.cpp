#include "AppStyle.h"

#include "Contrast.h"
#include "Icons.h"

#include <QAbstractButton>
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

void AppStyle::drawRing(const QRect& around, const QPalette& palette, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(FocusRing(palette), kFocusRing);
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
    // Buttons' marks (a check box's or radio button's caption, a push button's face) become
    // the ring; item views keep theirs, drawn on rows the ring may not stand out from.
    if (element == PE_FrameFocusRect && qobject_cast<const QAbstractButton*>(widget)) {
        if (option->state & State_KeyboardFocusChange)
            drawRing(option->rect, option->palette, painter);
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
        drawRing(option->rect, option->palette, painter);
    if (element == CE_TabBarTab && keyboardFocus(option))
        drawRing(option->rect.adjusted(kFocusRing, kFocusRing, -kFocusRing, -kFocusRing),
            option->palette, painter);
}

} // namespace quadrell
