#pragma once

#include <QDateTime>
#include <functional>

namespace quadrell {

// The time of day as the session reads it: the machine's in play, a test's own in tests.
// Everything that dates or times something is handed the session's one clock.
using Clock = std::function<QDateTime()>;

} // namespace quadrell
