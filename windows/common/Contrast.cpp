#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace quadrell::Contrast {

namespace {

double luminance(const QColor& c) {
    auto channel
        = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double t) {
    auto mix = [t](double a, double b) { return a + (b - a) * t; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
        static_cast<float>(mix(from.greenF(), to.greenF())),
        static_cast<float>(mix(from.blueF(), to.blueF())));
}

bool enough(const QColor& c, std::initializer_list<QColor> against, double ratio) {
    return std::all_of(
        against.begin(), against.end(), [&](const QColor& b) { return Ratio(c, b) >= ratio; });
}

} // namespace

double Ratio(const QColor& a, const QColor& b) {
    // minmax of two values hands back references to them: the list form keeps copies.
    const auto [dark, light] = std::minmax({ luminance(a), luminance(b) });
    return (light + 0.05) / (dark + 0.05);
}

QColor StandingOut(const QColor& base, std::initializer_list<QColor> against, double ratio) {
    // Towards the end the colours behind are furthest from, first.
    double behind = 0;
    for (const QColor& c : against)
        behind = std::max(behind, luminance(c));
    // The grey about as far from black as from white (4.6:1 and 4.5:1) is the first light one.
    const bool dark = behind < luminance(QColor(118, 118, 118));
    const QColor ends[2] = { dark ? QColor(Qt::white) : QColor(Qt::black),
        dark ? QColor(Qt::black) : QColor(Qt::white) };
    for (const QColor& end : ends)
        for (int step = 0; step <= 20; ++step)
            if (const QColor c = mixed(base, end, step / 20.0); enough(c, against, ratio)) return c;
    return ends[0];
}

} // namespace quadrell::Contrast
