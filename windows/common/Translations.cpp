#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quadrell {

QString Translations::Install(QCoreApplication& app, const QLocale& wanted) {
    // Built into the program: an unpacked or moved copy never loses them.
    auto* ours = new QTranslator(&app);
    if (!ours->load(wanted, QStringLiteral("quadrell2000"), QStringLiteral("_"),
            QStringLiteral(":/i18n"))) {
        delete ours;
        return QStringLiteral("en");
    }
    QCoreApplication::installTranslator(ours);
    auto* qt = new QTranslator(&app);
    if (qt->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return ours->language();
}

} // namespace quadrell
