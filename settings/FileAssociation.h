#pragma once

#include <QString>

namespace quadrell {

// Opening a ".q2k" or ".qrl" file from the desktop starts this program with it: a desktop
// entry, the two MIME types and their icons, written for this user. Failures are ignored.
class FileAssociation {
public:
    // `dataHome` is the per-user data folder (XDG_DATA_HOME, usually ~/.local/share).
    static void RegisterFileTypes(const QString& programPath, const QString& dataHome);
    static QByteArray DesktopEntry(const QString& programPath);
    // At every start: an entry written earlier for a program somewhere else is written
    // again for this one. Nothing is written when there is no entry of ours.
    static void RefreshIfMoved(const QString& programPath, const QString& dataHome);
};

} // namespace quadrell
