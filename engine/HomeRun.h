#pragma once

#include "Steps.h"

#include <vector>

namespace quadrell {

class cGame;

// The steps that take every card left home by foundation moves alone, in an order that
// works; empty when some card could not get home that way (or none is left). Sending a card
// home only ever uncovers another, so going home whenever one can never blocks the rest.
std::vector<Step> StepsHome(const cGame& board);

} // namespace quadrell
