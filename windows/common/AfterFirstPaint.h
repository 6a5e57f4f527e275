#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace quadrell {

// Runs `work` once `widget` has been painted for the first time, so that what the first
// picture does not show (the window's icon, a check of the desktop's files) never delays it.
// The work handed over last runs first, as event filters are heard.
void AfterFirstPaint(QWidget* widget, std::function<void()> work);

} // namespace quadrell
