#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace quadrell {

// The program speaks the language of the system's locale when it carries a translation for
// it (LANG=de_DE.UTF-8: German), English otherwise. Qt's own dialog buttons follow suit when
// Qt's translations are installed.
class Translations {
public:
    // Installs the translators for the first of `locale`'s languages that has one
    // (QLocale::system() follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG); the language
    // taken ("de_DE"), or "en".
    static QString Install(QCoreApplication& app, const QLocale& locale);
};

} // namespace quadrell
