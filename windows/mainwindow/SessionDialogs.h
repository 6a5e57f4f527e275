#pragma once

#include "dlgFinish.h"
#include "frmAddFav.h"
#include "frmAutoSave.h"
#include "frmFavourites.h"
#include "frmOpenGame.h"
#include "frmOptions.h"
#include "frmScore.h"
#include "frmSelectFav.h"
#include "frmSelectGame.h"
#include "frmSource.h"

namespace quadrell {

class Session;

// Each dialog wired to the parts of the session it needs, in one place for the main window
// and the tests that open them. The dialogs never see the session itself.
namespace SessionDialogs {

frmSelectGame SelectGame(Session& s, QWidget* owner);
frmOpenGame OpenGame(Session& s, QWidget* owner);
frmScore ScoreBoard(Session& s, QWidget* owner);
frmOptions Options(Session& s, QWidget* owner);
frmAutoSave AutoSave(Session& s, QWidget* owner);
frmSource Source(Session& s, QWidget* owner);
frmAddFav AddFavourite(Session& s, QWidget* owner);
frmSelectFav OpenFavourite(Session& s, QWidget* owner);
frmFavourites OrganiseFavourites(Session& s, QWidget* owner);
// The finished-game dialog carries out its choices through `flow`.
dlgFinish Finish(Session& s, QWidget* owner, std::function<void()> review = {});

} // namespace SessionDialogs

} // namespace quadrell
