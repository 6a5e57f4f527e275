#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace quadrell {

class cRecent;

// One listed game file.
struct GameListItem {
    QString path;
    QString name; // without folder and extension
    bool finished = false;
    QDateTime created;
};

// Which game files the open window and the autosave window list.
class GameLists {
public:
    enum class Kinds { Incomplete, Finished, Both };

    // The game files directly in the folder, of the kinds asked for, in the order the
    // file system gives them; a folder that cannot be read lists nothing. `keptGame`, the
    // file the game keeps for itself, is never listed: opened as a saved game it could be
    // played on and recorded a second time.
    static std::vector<GameListItem> Folder(
        const QString& folder, Kinds kinds, const QString& keptGame);
    // Recent slots first .. first + 4, empty ones skipped, whether or not the files exist.
    static std::vector<GameListItem> Recent(const cRecent& recent, int first);
    // The direct subfolders of the favourites root.
    static QStringList FavouriteFolders(const QString& root);
    static GameListItem Item(const QString& path);
    // Removes game files; answers the ones that could not be removed.
    static QStringList Remove(const QStringList& paths);
};

} // namespace quadrell
