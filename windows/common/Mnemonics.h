#pragma once

#include <QString>

class QWidget;

namespace quadrell {

// Gives every labelled control of a window an Alt+letter of its own: buttons, check boxes,
// option buttons, tabs and the labels that name a field. A letter a caption already marks is
// kept unless an earlier control has it; the rest take the first free initial of a word, then
// any free letter. Done on the translated texts, so German windows get German letters.
void GiveMnemonics(QWidget* window);

// The mnemonic letter of a caption, lower case, or nothing.
QChar MnemonicOf(const QString& caption);

} // namespace quadrell
