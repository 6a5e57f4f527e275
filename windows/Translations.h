#pragma once

#include <QString>

class QCoreApplication;

namespace quadrell {

// The program speaks the language of the system's locale when it carries a translation for
// it (LANG=de_DE.UTF-8: German), English otherwise. Qt's own dialog buttons follow suit when
// Qt's translations are installed.
class Translations {
public:
    // Installs the translators for `locale` ("de_DE"); the language taken, or "en".
    static QString Install(QCoreApplication& app, const QString& locale);
};

} // namespace quadrell
