#pragma once

#include <QString>
#include <QStringList>

namespace quadrell {

// Opening a ".q2k" or ".qrl" file from the desktop starts this program with it. An installed
// copy has its desktop entry, MIME types and icons in the system's data folders; a copy run
// from its build folder gets the same for this user, under an entry name of its own so it
// never hides an installed one. Failures are ignored: the association is a convenience.
class FileAssociation {
public:
    // The per-user entry; the installed one is "quadrell2000.desktop".
    static constexpr const char* kUserEntry = "quadrell2000-local.desktop";

    // At every start. `dataHome` is the per-user data folder (XDG_DATA_HOME, usually
    // ~/.local/share), `systemFolders` the system's (XDG_DATA_DIRS). Installed: whatever of
    // ours is in `dataHome` goes. Not installed: the per-user registration is made or
    // repaired, the desktop's caches included once their tools are there.
    static void Check(
        const QString& programPath, const QString& dataHome, const QStringList& systemFolders);
    // An entry for this program is in one of the system's data folders.
    static bool Installed(const QStringList& systemFolders);
    // The name of the entry in use, without ".desktop": the window announces it, so that the
    // desktop matches the window to its entry (its icon, pinning it).
    static QString EntryName(const QStringList& systemFolders);
    static QByteArray DesktopEntry(const QString& programPath);
};

} // namespace quadrell
