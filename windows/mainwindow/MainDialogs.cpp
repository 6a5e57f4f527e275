#include "MainDialogs.h"

#include "DifficultyDraw.h"
#include "HelpWindow.h"
#include "Session.h"
#include "SessionDialogs.h"
#include "dlgAbout.h"
#include "dlgDifficulty.h"
#include "frmCustomize.h"
#include "frmMain.h"

#include <QGuiApplication>
#include <QScreen>

namespace quadrell {

namespace {
// A window of ours, shown modally over the main window until it closes.
template <typename Dialog> void showModal(Dialog&& dialog) { dialog.exec(); }
} // namespace

void MainDialogs::ShowSelectGame() { showModal(SessionDialogs::SelectGame(session_, &owner_)); }
void MainDialogs::ShowOpenGame() { showModal(SessionDialogs::OpenGame(session_, &owner_)); }
void MainDialogs::ShowScoreBoard() { showModal(SessionDialogs::ScoreBoard(session_, &owner_)); }
void MainDialogs::ShowOpenFav() { showModal(SessionDialogs::OpenFavourite(session_, &owner_)); }
void MainDialogs::ShowOrganizeFav() {
    showModal(SessionDialogs::OrganiseFavourites(session_, &owner_));
}
void MainDialogs::ShowAutoSave() { showModal(SessionDialogs::AutoSave(session_, &owner_)); }
void MainDialogs::ShowCustomize() {
    showModal(frmCustomize(session_.custom, owner_.Custom(), &owner_));
}

void MainDialogs::ShowOptions() {
    frmOptions options = SessionDialogs::Options(session_, &owner_);
    QObject::connect(&options, &frmOptions::PlayersChanged, &owner_, [this] {
        owner_.ListPlayers(session_.users.ComboNames(), session_.players.CurrentComboIndex());
    });
    options.exec();
}

void MainDialogs::ShowNewOfDifficulty() {
    const auto asked = DifficultyDraw::Asked(session_.opt.AskedDifficulty());
    dlgDifficulty choice(asked.value_or(Difficulty::Level::Easy), &owner_);
    if (choice.exec() == QDialog::Accepted) session_.menu.NewGameOfDifficulty(choice.Chosen());
}

void MainDialogs::ShowAddFav() {
    if (session_.state().gGameActive) showModal(SessionDialogs::AddFavourite(session_, &owner_));
}

void MainDialogs::ShowSource() {
    if (session_.state().gGameActive) showModal(SessionDialogs::Source(session_, &owner_));
}

void MainDialogs::ShowHelp() {
    if (!help_) help_ = new HelpWindow(&owner_);
    const QScreen* screen = owner_.screen() ? owner_.screen() : QGuiApplication::primaryScreen();
    help_->ShowWithin(screen->availableGeometry());
}

void MainDialogs::ShowAbout() { showModal(dlgAbout(&owner_)); }

} // namespace quadrell
