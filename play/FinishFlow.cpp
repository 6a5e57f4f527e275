#include "FinishFlow.h"

#include "Favourites.h"
#include "GameLists.h"
#include "GameState.h"
#include "Prompter.h"
#include "WinLatch.h"
#include "cFinish.h"
#include "cMenu.h"
#include "cPlayer.h"
#include "cRecent.h"
#include "cSave.h"
#include "cScore.h"
#include "cTrans.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quadrell {

const QStringList& FinishFlow::Captions() {
    static const QStringList captions { FinishFlow::tr("Start a New Game"),
        FinishFlow::tr("Select a New Game"), FinishFlow::tr("Restart the Same Game"),
        FinishFlow::tr("Open an Existing Game") };
    return captions;
}

FinishFlow::Choices FinishFlow::Proposed() const {
    Choices c;
    c.save = p_.finish.SaveEnable() == 1;
    c.savePath = PathIn(BrowseStart());
    c.favourite = p_.finish.FavEnable() == 1;
    c.favName = proposedFavName();
    c.favIndex = p_.finish.LastFavIndex();
    c.nextIndex = p_.finish.LastSelectIndex();
    return c;
}

QString FinishFlow::PathIn(const QString& folder) const {
    return folder + QLatin1Char('/') + QString::number(p_.state.gGameNumber);
}

QString FinishFlow::BrowseStart() const { return p_.save.GetLastDir(); }

QString FinishFlow::proposedFavName() const {
    const QString player = p_.players.CurrentName();
    return FinishFlow::tr("%1 Played by %2").arg(p_.state.gGameNumber).arg(player);
}

QStringList FinishFlow::FavouriteFolders() const {
    return GameLists::FavouriteFolders(p_.save.FavFolder());
}

void FinishFlow::saveCopy(const Choices& c) {
    const QString folder = QFileInfo(c.savePath).absolutePath();
    if (!c.save || c.savePath.isEmpty() || !QFileInfo(folder).isDir()) return; // nothing said
    p_.save.SaveLastDir(folder);
    const QString path = c.savePath + QStringLiteral(".q2k");
    if (p_.save.FinishedSave() == 0) p_.recent.AddtoRecent(path);
    p_.trans.SaveToFile(path);
}

QString FinishFlow::Refusal(const Choices& c) const {
    if (!c.favourite) return QString();
    if (c.favFolder.isEmpty())
        return FinishFlow::tr(
            "There is no favourite folder to add the game to.\r\nUntick \"Add To Favorites\", "
            "or make a folder with Organize Favorites.");
    // The one rule for a favourite's name: it never reaches outside its folder.
    return Favourites::CheckName(c.favName.trimmed());
}

void FinishFlow::saveFavourite(const Choices& c) {
    if (!c.favourite || !Refusal(c).isEmpty()) return;
    const QString name = c.favName.trimmed();
    const QString path = c.favFolder + QLatin1Char('/') + name + QStringLiteral(".q2k");
    if (QFileInfo::exists(path)
        && !p_.prompter.Question(
            Favourites::tr("File %1 exists! Do you want to overwrite ?").arg(path).toStdString(),
            kAppTitle, MessageIcon::Question))
        return;
    p_.trans.SaveToFile(path);
}

std::vector<FinishFlow::Figure> FinishFlow::Figures() const {
    const GameResult game = p_.menu.Result();
    const PlayerBests best = p_.score.CurrentBests();
    const auto figure = [&best](const QString& name, const QString& value, bool better,
                            const QString& bestValue) {
        if (!best.AnyWin) return Figure { name, value, tr("First win"), true };
        if (better) return Figure { name, value, tr("New best"), true };
        return Figure { name, value, tr("Best %1").arg(bestValue), false };
    };
    return {
        figure(tr("Moves"), QString::number(game.Moves), game.Moves < best.Moves,
            QString::number(best.Moves)),
        figure(tr("Time"), cScore::ConvertTimeS(game.Time), game.Time < best.Time,
            cScore::ConvertTimeS(best.Time)),
        figure(tr("Points"), QString::number(game.Score), game.Score > best.Score,
            QString::number(best.Score)),
    };
}

void FinishFlow::Accept(const Choices& c) {
    // Once a win: OK reached again while a question or message of this one is open (a
    // nested event loop) would record the game twice.
    if (!p_.win.Take()) return;
    p_.finish.SetFavEnable(c.favourite ? 1 : 0);
    p_.finish.SetLastFavIndex(static_cast<qint16>(c.favIndex));
    p_.finish.SetLastSelectIndex(static_cast<qint16>(c.nextIndex));
    p_.finish.SetSaveEnable(c.save ? 1 : 0);
    saveCopy(c);
    saveFavourite(c);
    p_.menu.GameWon();
    const bool known
        = c.nextIndex >= 1 && c.nextIndex <= static_cast<int>(kNextGameCommands.size());
    p_.menu.SelectGame(known ? kNextGameCommands[static_cast<std::size_t>(c.nextIndex - 1)]
                             : kNextGameCommands.front());
}

void FinishFlow::Cancel() {
    if (!p_.win.Take()) return;
    p_.menu.GameWon(); // which leaves the board empty, as after any game's end
}

} // namespace quadrell
