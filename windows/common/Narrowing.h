#pragma once

class QWidget;

namespace quadrell {

// Makes a dialog's controls narrow enough for a screen they are too wide for, so they never
// scroll sideways: long labels wrap, long check box and radio button texts break into lines
// (their spoken names stay whole), and rows of controls side by side become columns, the
// widest first, until the controls fit. Controls that already fit are left as they are.
void NarrowTo(QWidget* controls, int width);

} // namespace quadrell
