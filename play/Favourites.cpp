#include "Favourites.h"

#include "Engine.h"
#include "GameWindow.h"
#include "SafeFile.h"
#include "cMenu.h"
#include "cPlayer.h"
#include "cSave.h"
#include "cTrans.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quadrell {

QString Favourites::Root() const { return save_.FavFolder(); }

QStringList Favourites::Folders() const { return GameLists::FavouriteFolders(Root()); }

QString Favourites::DisplayName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.size() > 4 ? name.left(name.size() - 4) : name;
}

std::vector<GameListItem> Favourites::Games(const QString& folder) const {
    std::vector<GameListItem> games;
    if (folder.isEmpty() || QDir(folder) == QDir(Root())) return games;
    for (const QFileInfo& file :
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::NoSort)) {
        // A device, a pipe or a link to one would never end when read as a game.
        if (!file.isFile()) continue;
        GameListItem item = GameLists::Item(file.filePath());
        item.name = DisplayName(file.filePath());
        games.push_back(item);
    }
    return games;
}

QString Favourites::CheckName(const QString& name) {
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return Favourites::tr("\"%1\" cannot be used as a name here.").arg(name);
    for (QChar c : name)
        if (c.unicode() < 0x20) return Favourites::tr("A name cannot hold control characters.");
    return QString();
}

void Favourites::tell(const QString& text, bool information) const {
    prompter_.Message(text.toStdString(),
        information ? MessageIcon::Information : MessageIcon::Exclamation, kAppTitle);
}

QString Favourites::AddProposal() const {
    const QString player = players_.CurrentName();
    return Favourites::tr("%1 - Played by %2").arg(state_.gGameNumber).arg(player);
}

bool Favourites::Add(const QString& folder, const QString& name) {
    const QString refusal = CheckName(name);
    if (!refusal.isEmpty()) {
        tell(refusal, false);
        return false;
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || QDir(folder) == QDir(Root())) {
        tell(Favourites::tr("Choose a favourites folder for the game."));
        return false;
    }
    const QString ext = state_.gFinishedView ? QStringLiteral(".q2k") : QStringLiteral(".qrl");
    return trans_.SaveToFile(folder + QLatin1Char('/') + name + ext);
}

bool Favourites::Play(const QString& path) {
    // Checked first; leaving a game in play asks once.
    if (!menu_.OpenChecked(path)) return false;
    window_.SetCaption(
        window_.Caption() + QStringLiteral(" [") + DisplayName(path) + QLatin1Char(']'));
    return true;
}

bool Favourites::CreateFolder() {
    bool ok = false;
    const QString name = QString::fromStdString(prompter_.InputBox(
        Favourites::tr("Enter the folder name you want to create").toStdString(), kAppTitle, ok));
    if (!ok || name.isEmpty() || name.toUcs4().size() > 30) return false;
    const QString refusal = CheckName(name);
    if (!refusal.isEmpty()) {
        tell(refusal, false);
        return false;
    }
    const QString path = Root() + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) {
        tell(Favourites::tr("Folder Exists"));
        return false;
    }
    if (!QDir().mkpath(path)) {
        tell(Favourites::tr("The folder %1 could not be created.").arg(path), false);
        return false;
    }
    return true;
}

bool Favourites::DeleteFolder(const QString& folder) {
    if (Folders().size() < 2) {
        tell(Favourites::tr("Minimum one folder must exists"));
        return false;
    }
    const std::string question = Favourites::tr("Are you sure you want to delete %1 ?")
                                     .arg(QFileInfo(folder).fileName())
                                     .toStdString();
    if (!prompter_.Question(question, kAppTitle, MessageIcon::Stop)) return false;
    if (!SafeFile::RemoveTree(folder, Root())) {
        tell(Favourites::tr("The folder %1 could not be deleted.").arg(folder), false);
        return false;
    }
    return true;
}

void Favourites::DeleteGames(const QStringList& paths) {
    if (paths.isEmpty()
        || !prompter_.Question(Favourites::tr("Are you sure you want to delete ?").toStdString(),
            kAppTitle, MessageIcon::Stop))
        return;
    const QStringList failed = GameLists::Remove(paths);
    if (!failed.isEmpty())
        tell(Favourites::tr("These games could not be deleted:\r\n")
                + failed.join(QStringLiteral("\r\n")),
            false);
}

void Favourites::MoveGames(const QStringList& paths, const QString& target) {
    QStringList failed;
    for (const QString& path : paths) {
        const QString destination = target + QLatin1Char('/') + QFileInfo(path).fileName();
        if (QFileInfo(path).absolutePath() == QFileInfo(target).absoluteFilePath())
            continue; // already there
        if (QFileInfo::exists(destination)) {
            const std::string question
                = Favourites::tr("File %1 exists! Do you want to overwrite ?")
                      .arg(destination)
                      .toStdString();
            if (!prompter_.Question(question, kAppTitle, MessageIcon::Question)) continue;
            QFile::remove(destination);
        }
        if (!QFile::rename(path, destination)) failed << path;
    }
    if (!failed.isEmpty())
        tell(Favourites::tr("These games could not be moved:\r\n")
                + failed.join(QStringLiteral("\r\n")),
            false);
}

} // namespace quadrell
