#pragma once

#include <QString>

namespace quadrell {

// Where this user's settings and the program folder live.
struct AppPaths {
    QString configFolder; // holds the settings store
    QString dataFolder;   // the program folder: score file, autosave folders, kept game
    QString cacheFolder;  // what may be lost and made again: the first picture's drawings

    // The per-user places (XDG_CONFIG_HOME, XDG_DATA_HOME honoured).
    static AppPaths Standard();
    // Both inside one folder, nothing outside it touched (tests, the headless driver).
    static AppPaths Inside(const QString& home);
    // Creates the settings and program folders; false when one cannot be made, and `why`
    // then says which and the system's reason. The cache folder is made when first written
    // to, and a start never waits for it.
    bool Create(QString* why = nullptr) const;
};

} // namespace quadrell
