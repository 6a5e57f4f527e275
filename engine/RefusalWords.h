#pragma once

#include "Card.h"
#include "Refusal.h"

#include <string>

namespace quadrell {

class Prompter;

// A card's name in the player's language: "Ten of Spades".
std::string CardName(Card card, Prompter& prompter);
// The rule a refusal names, as one short line: "The Ten of Spades goes on a red Jack";
// empty for Refusal::Rule::None.
std::string RefusalWords(const Refusal& refusal, Prompter& prompter);

} // namespace quadrell
