#include "PointerInput.h"

#include "Engine.h"
#include "HeldMessages.h"
#include "Places.h"
#include "RefusalWords.h"
#include "Stacking.h"
#include "cCards.h"
#include "cOpt.h"

namespace quadrell {

PointerInput::PointerInput(Engine& engine, const cOpt& options, FlashStarter startFlash)
    : engine_(engine)
    , options_(options)
    , startFlash_(std::move(startFlash)) { }

void PointerInput::flashHint() {
    const GameState& s = engine_.state();
    if (options_.EnableFlash() != 1 || !s.gGameActive || s.gSelected != kNoLoc || !startFlash_)
        return;
    const int moves = s.gBoard.GetPossibleMoves();
    if (moves == 0) startFlash_(100, 7);
    if (moves == 1) startFlash_(300, 2);
}

void PointerInput::CardPressed(Card card, Button button) {
    flashHint();
    GameState& s = engine_.state();
    s.gClickedLoc = s.gBoard.GetLocation(card);
    if (button == Button::Left) {
        MoveRules& rules = engine_.rules();
        switch (cCards::GetStatus(s.gClickedLoc)) {
        case 1:
            rules.CardClicked(s.gClickedLoc);
            break;
        case 2:
            rules.CellCardClicked(s.gClickedLoc);
            break;
        default:
            rules.FoundationClicked(s.gClickedLoc);
            break;
        }
    } else if (button == Button::Right && isColumnPlace(s.gClickedLoc)) {
        engine_.view().BringToFront(card);
    }
}

void PointerInput::CardReleased(Card card, Button button) {
    GameState& s = engine_.state();
    s.gClickedLoc = s.gBoard.GetLocation(card);
    if (button != Button::Right || !isColumnPlace(s.gClickedLoc)) return;
    // The deepest card ends at the very back; those below the looked-at card stay in front.
    const int column = columnOf(s.gClickedLoc);
    for (int row = rowOf(s.gClickedLoc); row >= 0; --row) {
        const Card c = s.gBoard.GetCardIndex(static_cast<Loc>(row * kColumns + column));
        if (c != kNoCard) engine_.view().SendToBack(c);
    }
}

bool PointerInput::ShowsMovePointer(Card card) const {
    const GameState& s = engine_.state();
    const Loc loc = s.gBoard.GetLocation(card);
    if (!isColumnPlace(loc) || !s.gGameActive || s.gSelected == kNoLoc) return false;
    return RunOnto(s.gBoard, s.gSelected, loc).Fits();
}

void PointerInput::CardDoubleClicked(Card card) {
    const Loc loc = engine_.state().gBoard.GetLocation(card);
    if (cCards::GetStatus(loc) == 1) engine_.rules().CardDoubleClicked(loc);
}

void PointerInput::CellPictureClicked(int cell) {
    engine_.rules().CellClicked(static_cast<Loc>(kFirstCell + cell));
}

void PointerInput::SurfacePressed(int xTwips, int yTwips) {
    engine_.rules().BackgroundClicked(xTwips, yTwips);
}

void PointerInput::ClickPlace(Loc place) {
    const cGame& board = engine_.state().gBoard;
    if (isColumnPlace(place) && board.GetCardIndex(static_cast<Loc>(columnOf(place))) != kNoCard)
        place = board.GetBottomCardLocation(static_cast<Loc>(columnOf(place)));
    if (const Card card = board.GetCardIndex(place); card != kNoCard) {
        CardPressed(card, Button::Left);
    } else if (isCell(place)) {
        CellPictureClicked(place - kFirstCell);
    } else if (isColumnPlace(place)) {
        // The middle of the empty column's first place, as the pointer would press it.
        const auto first = static_cast<Loc>(columnOf(place));
        SurfacePressed(cCards::PlaceX(first) + kCardWidthTwips / 2,
            cCards::PlaceY(first) + kCardHeightTwips / 2);
    }
}

std::vector<Card> PointerInput::Liftable(Card card) const {
    const GameState& s = engine_.state();
    const Loc loc = s.gBoard.GetLocation(card);
    if (!s.gGameActive || s.gSelected == kNoLoc) return {};
    if (isCell(loc)) return s.gSelected == loc ? std::vector<Card> { card } : std::vector<Card> {};
    if (!isColumnPlace(loc) || s.gBoard.GetBottomCardLocation(loc) != s.gSelected
        || !IsRunToTheEnd(s.gBoard, loc))
        return {};
    std::vector<Card> lifted;
    for (Loc at = loc; at <= s.gSelected; at = static_cast<Loc>(at + kColumns))
        lifted.push_back(s.gBoard.GetCardIndex(at));
    return lifted;
}

Loc PointerInput::DropSpot(Loc place) const {
    const GameState& s = engine_.state();
    if (!s.gGameActive || !TakesDrop(s.gBoard, s.gSelected, place)) return kNoLoc;
    if (!isColumnPlace(place)) return place;
    const auto first = static_cast<Loc>(columnOf(place));
    return s.gBoard.GetCardIndex(first) == kNoCard ? first : s.gBoard.GetBottomCardLocation(first);
}

std::vector<Loc> PointerInput::EveryDropSpot() const {
    std::vector<Loc> spots;
    if (options_.MarkEveryTarget() != 1) return spots;
    const auto add = [&](Loc place) {
        if (const Loc spot = DropSpot(place); spot != kNoLoc) spots.push_back(spot);
    };
    for (const Loc column : allColumns())
        add(column);
    for (Loc place = kFirstCell; place <= kLastFoundation; ++place)
        add(place);
    return spots;
}

std::string PointerInput::DropOn(
    Loc place, std::size_t holding, const std::function<void()>& settled) {
    GameState& s = engine_.state();
    if (const Refusal why = WhyRefused(s.gBoard, s.gSelected, place, holding == 1);
        why.rule != Refusal::Rule::None) {
        engine_.rules().ClearSelection();
        settled();
        return RefusalWords(why, engine_.prompter());
    }
    HeldMessages held(engine_);
    ClickPlace(place);
    engine_.rules().ClearSelection();
    settled();
    held.Release();
    return {};
}

} // namespace quadrell
