#pragma once

#include <QByteArray>
#include <QString>

namespace quadrell {

// The files built into the program: the help document, the icons, the desktop entry and
// the MIME definitions.
QByteArray ResourceBytes(const QString& name);

} // namespace quadrell
