#include "SessionDialogs.h"

#include "Session.h"

namespace quadrell::SessionDialogs {

frmSelectGame SelectGame(Session& s, QWidget* owner) {
    return frmSelectGame(s.menu, s.opt, s.prompter, owner);
}

frmOpenGame OpenGame(Session& s, QWidget* owner) {
    return frmOpenGame(s.menu, s.files, s.save, s.recent, s.prompter, owner);
}

frmScore ScoreBoard(Session& s, QWidget* owner) {
    return frmScore(
        s.score, s.players, s.users, s.save, s.state(), s.trans, s.time, s.prompter, owner);
}

frmOptions Options(Session& s, QWidget* owner) {
    return frmOptions(s.opt, s.save, s.recent, s.players, s.users, s.prompter, s.clock, owner);
}

frmAutoSave AutoSave(Session& s, QWidget* owner) { return frmAutoSave(s.save, s.prompter, owner); }

frmSource Source(Session& s, QWidget* owner) {
    return frmSource(s.trans.CreateSource(), s.state().gGameNumber, s.players.CurrentName(),
        s.save.GetLastDir(), s.prompter, s.clock, owner);
}

frmAddFav AddFavourite(Session& s, QWidget* owner) { return frmAddFav(s.MakeFavourites(), owner); }

frmSelectFav OpenFavourite(Session& s, QWidget* owner) {
    return frmSelectFav(s.MakeFavourites(), owner);
}

frmFavourites OrganiseFavourites(Session& s, QWidget* owner) {
    return frmFavourites(s.MakeFavourites(), owner);
}

dlgFinish Finish(Session& s, QWidget* owner, std::function<void()> review) {
    return dlgFinish(s.finishing, s.prompter, owner, std::move(review));
}

} // namespace quadrell::SessionDialogs
