#include "Session.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quadrell {

Session::Session(const AppPaths& appPaths, BoardView& view, Prompter& asker, GameWindow& window,
    ReplayControl& replay, Lifecycle::Registrar registerFileTypes, Clock timeOfDay)
    : prompter(asker)
    , clock(std::move(timeOfDay))
    , paths(appPaths)
    , store(appPaths.configFolder)
    , opt(store)
    , save(store, appPaths.dataFolder)
    , players(store, save)
    , recent(store)
    , finish(store)
    , custom(store)
    , engine(view, opt, prompter, *this)
    , users(players, prompter)
    , trans(engine, opt, replay, prompter)
    , menu(engine, trans, opt, save, players, recent, window, replay, prompter, clock)
    , time(engine, save, clock)
    , score(save, players, prompter, clock)
    , pointer(engine, opt,
          [this](int intervalMs, int count) {
              if (flashStarter_) flashStarter_(intervalMs, count);
          })
    , lifecycle({ .store = store,
                    .save = save,
                    .opt = opt,
                    .players = players,
                    .users = users,
                    .score = score,
                    .kept = kept,
                    .menu = menu,
                    .state = engine.state(),
                    .prompter = prompter,
                    .clock = clock },
          std::move(registerFileTypes))
    , window_(window) {
    menu.SetFiles(&files);
    menu.SetScoring(&score, &time);
    // Recording a game and forgetting its kept copy are one write to the store.
    score.SetForgetGame([this] { kept.Forget(); });
    store.SetFailureHandler([this](const QString& path) {
        // Only a file that is there keeps settings: none saved yet means none kept.
        const QString text = QFileInfo::exists(path)
            ? Session::tr(
                "The settings could not be saved to\r\n%1\r\nThe last saved settings are kept.")
            : Session::tr("The settings could not be saved to\r\n%1\r\nNo settings have been "
                          "saved yet: the game goes on with its defaults.");
        prompter.Message(text.arg(path).toStdString(), MessageIcon::Exclamation, kAppTitle);
    });
    store.SetSetAsideHandler([this](const QString& path, const QString& aside, const QString& why) {
        const QString text = aside.isEmpty()
            ? Session::tr(
                "The settings file\r\n%1\r\ncannot be used. %2\r\nThe game starts with its "
                "default settings and cannot keep them.")
                  .arg(path, why)
            : Session::tr(
                "The settings file\r\n%1\r\ncannot be used. %2\r\nIt was moved to\r\n%3\r\n"
                "and the game starts with its default settings.")
                  .arg(path, why, aside);
        prompter.Message(text.toStdString(), MessageIcon::Exclamation, kAppTitle);
    });
}

void Session::GameWonDetected() {
    // Every automatic-play pass that follows the last king tests again; one win is one dialog.
    // A finished game being watched was recorded when it ended.
    if (win.Pending() || engine.state().gFinishedView) return;
    menu.FreezeResult();
    win.Raise();
}

Favourites Session::MakeFavourites() {
    return Favourites(save, players, engine.state(), trans, menu, window(), prompter);
}

} // namespace quadrell
