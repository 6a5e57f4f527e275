#include "MoveRules.h"

#include "Engine.h"
#include "RefusalWords.h"
#include "Stacking.h"
#include "Steps.h"

#include <algorithm>
#include <string>

namespace quadrell {

void MoveRules::SelectCard(Loc location) {
    GameState& s = engine_.state();
    const Card c = s.gBoard.GetCardIndex(location);
    s.gSelected = c >= 0 ? s.gBoard.GetLocation(c) : location;
    s.gSelectionShown = true;
    engine_.view().SelectionChanged(s.gSelected);
}

void MoveRules::ClearSelection() {
    GameState& s = engine_.state();
    s.gSelectionShown = false;
    s.gSelected = kNoLoc;
    engine_.view().SelectionChanged(kNoLoc); // a view with no frame shown has nothing to do
}

bool MoveRules::historyHasRoom() {
    const MoveRecorder* recorder = engine_.recorder();
    if (recorder == nullptr || recorder->RoomLeft() >= kStepsOfLongestMove) return true;
    ClearSelection();
    Prompter& prompter = engine_.prompter();
    prompter.Message(prompter.Translated("Engine",
                         "The move history of this game is full.\r\nNo more moves can be "
                         "recorded; undo, replay and saving still work."),
        MessageIcon::Information, kAppTitle);
    return false;
}

void MoveRules::CardClicked(Loc location) {
    GameState& s = engine_.state();
    const Loc b = s.gBoard.GetBottomCardLocation(location);
    if (s.gSelected == kNoLoc) {
        SelectCard(b);
        return;
    }
    if (s.gSelected == b) {
        ClearSelection();
        return;
    }
    if (!historyHasRoom()) return;
    const std::int16_t n = RunOnto(s.gBoard, s.gSelected, location).cards;
    if (n == 1) {
        MoveOntoCard(b);
    } else if (n == 0) {
        s.gBoard.ShowMessages(
            RefusalWords(WhyRefused(s.gBoard, s.gSelected, location), engine_.prompter()));
    } else if (cCards::GetStatus(s.gSelected) == 1) {
        MoveCards(s.gSelected, b, n);
    }
}

void MoveRules::CellCardClicked(Loc location) {
    GameState& s = engine_.state();
    if (s.gSelected == kNoLoc) {
        SelectCard(location);
    } else if (s.gSelected == location) {
        ClearSelection();
    }
}

void MoveRules::FoundationClicked(Loc location) {
    GameState& s = engine_.state();
    if (s.gSelected == kNoLoc || !historyHasRoom()) return;
    const Card top = s.gBoard.GetCardIndex(location);
    if (top < 0) return; // an empty foundation takes no click
    if (IsStep(s.gBoard, { s.gSelected, foundationOf(top) }))
        s.gBoard.SetLocation(s.gSelected, foundationOf(top), kModeClickPlace);
}

void MoveRules::CellClicked(Loc location) {
    GameState& s = engine_.state();
    if (s.gSelected != kNoLoc && !historyHasRoom()) return;
    if (s.gSelected != kNoLoc) s.gBoard.SetLocation(s.gSelected, location, kModeClickPlace);
    ClearSelection();
}

int MoveRules::ColumnAt(int x) {
    for (int i = 0; i < kColumns; ++i)
        if (120 + 1200 * i < x && x < 120 + 1200 * (i + 1)) return i;
    return -1;
}

void MoveRules::BackgroundClicked(int x, int y) {
    GameState& s = engine_.state();
    if (!s.gGameActive || y < 1800) return;
    const int column = ColumnAt(x);
    if (column < 0) return;
    if (s.gBoard.GetCardIndex(static_cast<Loc>(column)) != kNoCard) {
        CardClicked(s.gBoard.GetBottomCardLocation(static_cast<Loc>(column)));
    } else if (s.gSelected != kNoLoc && historyHasRoom()) {
        EmptyColumnClicked(column);
    }
}

void MoveRules::EmptyColumnClicked(int column) {
    GameState& s = engine_.state();
    const bool lone = cCards::GetStatus(s.gSelected) != 1
        || !CanStack(s.gBoard, s.gSelected, static_cast<Loc>(s.gSelected - kColumns));
    if (lone || GetFreeSpace(s.gBoard) < 2) {
        MoveSingleToColumn(column);
        return;
    }
    switch (engine_.prompter().AskEmptyColumn()) {
    case EmptyColumnChoice::Single:
        MoveSingleToColumn(column);
        break;
    case EmptyColumnChoice::Column:
        MoveRunToColumn(column);
        break;
    case EmptyColumnChoice::Cancel:
        CancelEmptyColumn();
        break;
    }
}

void MoveRules::MoveSingleToColumn(int column) {
    engine_.mover().MoveToColumn(engine_.state().gSelected, static_cast<Loc>(column), kNoLoc);
}

void MoveRules::MoveRunToColumn(int column) {
    GameState& s = engine_.state();
    const int length = CountSequenceLinks(s.gBoard, s.gSelected) + 1;
    const int n = std::min<int>(length, LongestRunIntoEmptyColumn(s.gBoard));
    engine_.mover().MoveColumn(s.gSelected, static_cast<Loc>(column - kColumns), n, column);
}

void MoveRules::CancelEmptyColumn() { ClearSelection(); }

void MoveRules::CardDoubleClicked(Loc location) {
    if (engine_.options().AllowDoubleClick() != 1 || !historyHasRoom()) return;
    const Loc b = engine_.state().gBoard.GetBottomCardLocation(location);
    if (b == kNoLoc) return;
    engine_.mover().MoveToEmptyCell(b, kModePlayer);
}

void MoveRules::MoveOntoCard(Loc target) {
    GameState& s = engine_.state();
    if (IsStep(s.gBoard, { s.gSelected, static_cast<Loc>(target + kColumns) }))
        s.gBoard.SetLocation(s.gSelected, static_cast<Loc>(target + kColumns), kModePlayer);
    ClearSelection();
}

void MoveRules::MoveCards(Loc source, Loc target, std::int16_t count) {
    const std::int16_t space = GetFreeSpace(engine_.state().gBoard);
    if (RunMove { count, space }.Fits()) {
        engine_.mover().MoveColumn(source, target, count, -1);
        return;
    }
    ClearSelection();
    Prompter& prompter = engine_.prompter();
    prompter.Message(FillIn(prompter.Translated("Engine",
                                "That Move requirs moving %1 Cards.\r\n"
                                "You only have enough free space to move %2."),
                         { std::to_string(count), std::to_string(space + 1) }),
        MessageIcon::Information, kAppTitle);
}

} // namespace quadrell
