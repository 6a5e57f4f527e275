#pragma once

class QDialog;

namespace quadrell {

// Keeps a dialog whole on its screen with a large font or a small screen: when its controls
// need more room than the screen has, they scroll inside it and its row of buttons stays in
// sight below them. A dialog that fits is left as it is.
void FitOnScreen(QDialog* dialog);

} // namespace quadrell
