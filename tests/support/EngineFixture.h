#pragma once

#include "BoardBuilder.h"
#include "Engine.h"
#include "Fakes.h"

#include <gtest/gtest.h>

namespace quadrell::test {

// An engine wired to recording fakes, with a position built by hand.
class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() { engine.SetRecorder(&recorder); }

    BoardBuilder build() { return BoardBuilder(engine); }
    GameState& state() { return engine.state(); }
    cGame& board() { return engine.state().gBoard; }
    Card at(int location) { return board().GetCardIndex(static_cast<Loc>(location)); }

    RecordingView view;
    MemoryOptions options;
    ScriptedPrompter prompter;
    CountingWinListener winListener;
    StepRecorder recorder;
    Engine engine { view, options, prompter, winListener };
};

} // namespace quadrell::test
