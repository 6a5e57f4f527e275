#include "GameLists.h"

#include "GameFile.h"
#include "cRecent.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace quadrell {

GameListItem GameLists::Item(const QString& path) {
    const QFileInfo info(path);
    GameListItem item { path, info.completeBaseName(),
        GameFile::KindOf(path) == GameFile::Kind::Finished, {} };
    item.created = info.birthTime().isValid() ? info.birthTime() : info.lastModified();
    return item;
}

std::vector<GameListItem> GameLists::Folder(
    const QString& folder, Kinds kinds, const QString& keptGame) {
    std::vector<GameListItem> items;
    const QFileInfo kept(keptGame);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!keptGame.isEmpty() && QFileInfo(path) == kept) continue;
        const GameFile::Kind kind = GameFile::KindOf(path);
        const bool wanted = (kind == GameFile::Kind::Incomplete && kinds != Kinds::Finished)
            || (kind == GameFile::Kind::Finished && kinds != Kinds::Incomplete);
        if (wanted) items.push_back(Item(path));
    }
    return items;
}

std::vector<GameListItem> GameLists::Recent(const cRecent& recent, int first) {
    std::vector<GameListItem> items;
    for (int i = first; i < first + 5; ++i) {
        const QString path = recent.GetRecent(static_cast<qint16>(i));
        if (!path.isEmpty()) items.push_back(Item(path));
    }
    return items;
}

QStringList GameLists::FavouriteFolders(const QString& root) {
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot);
    // Qt counts a link to a device as a folder here: only what really is one is listed.
    while (it.hasNext())
        if (const QString folder = it.next(); QFileInfo(folder).isDir()) folders << folder;
    return folders;
}

QStringList GameLists::Remove(const QStringList& paths) {
    QStringList failed;
    for (const QString& path : paths)
        if (!QFile::remove(path)) failed << path;
    return failed;
}

} // namespace quadrell
