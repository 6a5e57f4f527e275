#pragma once

#include "Steps.h"
#include "TransRecord.h"
#include "cGame.h"

#include <random>
#include <vector>

namespace quadrell {

// Up to `moves` random legal single-card steps on `board`, without automatic play: the
// mid-game positions the benches solve and review. Each step is noted in `played` when given.
inline void PlayRandomly(
    cGame& board, int moves, std::mt19937& draw, std::vector<TransRecord>* played = nullptr) {
    for (int k = 0; k < moves; ++k) {
        std::vector<Step> legal;
        ForEachStep(
            BoardPosition(board), StepKinds::Player, [&legal](Step s) { legal.push_back(s); });
        if (legal.empty()) return;
        const Step s = legal[draw() % legal.size()];
        board.ApplyStep(s.from, s.to);
        if (played)
            played->push_back({ s.from, s.to, kModePlayer, static_cast<std::int16_t>(k + 1) });
    }
}

} // namespace quadrell
