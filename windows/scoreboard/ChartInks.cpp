#include "ChartInks.h"

#include "Contrast.h"

namespace quadrell {

ChartInks ChartInks::For(const QPalette& palette) {
    ChartInks c;
    c.ground = palette.color(QPalette::Base);
    const auto on = [&c](const QColor& hue, double ratio) {
        return Contrast::StandingOut(hue, { c.ground }, ratio);
    };
    c.ink = on(palette.color(QPalette::Text), 4.5);
    // Half-way from the ground to the ink: seen, and well under any text.
    c.grid = QColor((c.ground.red() * 3 + c.ink.red()) / 4,
        (c.ground.green() * 3 + c.ink.green()) / 4, (c.ground.blue() * 3 + c.ink.blue()) / 4);
    c.played = on(QColor(0x9c, 0xc3, 0xe6), 3.0);
    c.won = on(QColor(0x1f, 0x5f, 0x9e), 3.0);
    c.rate = on(QColor(0xd9, 0x5f, 0x02), 4.5);
    return c;
}

} // namespace quadrell
