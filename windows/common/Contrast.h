#pragma once

#include <QColor>
#include <initializer_list>

namespace quadrell::Contrast {

// The contrast ratio of two opaque colours by their relative luminance, 1 to 21, as the
// accessibility guidelines measure it (3 for shapes, 4.5 for text).
double Ratio(const QColor& a, const QColor& b);
// The colour nearest `base` that stands out at least `ratio` against every one of
// `against`: `base` moved towards white, or towards black where white cannot reach it.
QColor StandingOut(const QColor& base, std::initializer_list<QColor> against, double ratio);

} // namespace quadrell::Contrast
