#pragma once

#include "Translations.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

namespace quadrell::test {

// The program in the language of `locale` while this lives, in English again after.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const QString& locale) {
        Translations::Install(*qApp, QLocale(locale));
    }
    ~ScopedLanguage() {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

} // namespace quadrell::test
