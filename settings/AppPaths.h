#pragma once

#include <QString>

namespace quadrell {

// Where this user's settings and the program folder live.
struct AppPaths {
    QString configFolder; // holds the settings store
    QString dataFolder;   // the program folder: score file, autosave folders, kept game

    // The per-user places (XDG_CONFIG_HOME, XDG_DATA_HOME honoured).
    static AppPaths Standard();
    // Both inside one folder, nothing outside it touched (tests, the headless driver).
    static AppPaths Inside(const QString& home);
    // Creates both folders; false when one cannot be made.
    bool Create() const;
};

} // namespace quadrell
