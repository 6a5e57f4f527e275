#include "AutoSaves.h"

#include "Prompter.h"
#include "cSave.h"

#include <QCoreApplication>
#include <QFile>

namespace quadrell {

QString AutoSaves::Path(Folder folder) const {
    return folder == Folder::Incomplete ? save_.IncompleteDir() : save_.FinishedDir();
}

std::vector<GameListItem> AutoSaves::Games(Folder folder) const {
    return GameLists::Folder(Path(folder),
        folder == Folder::Incomplete ? GameLists::Kinds::Incomplete : GameLists::Kinds::Finished,
        save_.KeptGamePath());
}

bool AutoSaves::Delete(const QStringList& paths, bool wholeFolder) {
    if (paths.isEmpty()) return false;
    const QString question = wholeFolder
        ? AutoSaves::tr("Are you sure you want to delete all files in this Folder ?")
        : AutoSaves::tr("Are you sure you want to delete these Files ?");
    if (!prompter_.Question(question.toStdString(), kAppTitle, MessageIcon::Stop)) return false;
    const QStringList failed = GameLists::Remove(paths);
    if (!failed.isEmpty())
        prompter_.Message((AutoSaves::tr("These files could not be deleted:\r\n")
                              + failed.join(QStringLiteral("\r\n")))
                              .toStdString(),
            MessageIcon::Exclamation, kAppTitle);
    return true;
}

} // namespace quadrell
