#pragma once

#include "Card.h"

#include <functional>
#include <string>
#include <vector>

namespace quadrell {

class Engine;
class cOpt;

// Routes the pointer on the board to the click rules, and adds the pointer's own
// feedback: the look at a covered card, the pointer over a possible target, the title
// flash that hints at a game with one move or none left.
class PointerInput {
public:
    enum class Button { Left, Right, Other };
    // Starts a title flash: `count` flashes, `intervalMs` apart.
    using FlashStarter = std::function<void(int intervalMs, int count)>;

    PointerInput(Engine& engine, const cOpt& options, FlashStarter startFlash);

    void CardPressed(Card card, Button button);
    void CardReleased(Card card, Button button);
    // The pointer over a card shows that the selected cards could go there.
    bool ShowsMovePointer(Card card) const;
    void CardDoubleClicked(Card card);
    void CellPictureClicked(int cell);
    void SurfacePressed(int xTwips, int yTwips);
    // A click on a place as a whole: on its top card (a column's exposed card), or on the
    // empty cell or column. An empty foundation takes no click.
    void ClickPlace(Loc place);

    // Dragging: after a press on `card`, the cards a drag lifts (that card and those below
    // it) when the press selected them and the rules would move them together; none
    // otherwise.
    std::vector<Card> Liftable(Card card) const;
    // Where the held cards would land if dropped on `place`: the card they would go on, or
    // the empty place they would go to; kNoLoc where the rules refuse them.
    Loc DropSpot(Loc place) const;
    // Where else they could land, when the player has asked to see every place that takes
    // them; none otherwise.
    std::vector<Loc> EveryDropSpot() const;
    // Dropped on `place`: the click on that place, then nothing stays selected. What the
    // rules say of it waits until `settled` has put the cards where the move left them.
    // A drop the rules refuse makes no click and asks nothing: the answer is the rule that
    // refused it, for the status bar (of the one card, when `holding` one); empty when the
    // drop was taken.
    std::string DropOn(Loc place, std::size_t holding, const std::function<void()>& settled);

private:
    void flashHint();

    Engine& engine_;
    const cOpt& options_;
    FlashStarter startFlash_;
};

} // namespace quadrell
