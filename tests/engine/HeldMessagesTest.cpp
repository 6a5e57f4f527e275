#include "HeldMessages.h"

#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class HeldMessagesTest : public EngineFixture { };

TEST_F(HeldMessagesTest, MessagesWaitForTheReleaseWhileQuestionsGoStraightThrough) {
    build().column(0, "KH 3S").column(1, "KD 5C");
    {
        HeldMessages held(engine);
        engine.rules().CardClicked(8);
        engine.rules().CardClicked(9); // 3S onto 5C: refused
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_EQ(engine.prompter().AskEmptyColumn(), prompter.emptyColumn);
        EXPECT_EQ(prompter.dialogs, 1);
        held.Release();
        EXPECT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(&engine.prompter(), &prompter);
    } // released once: nothing is shown twice
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(HeldMessagesTest, LeftWithoutAReleaseItStillShowsWhatItHeld) {
    build().column(0, "KH 3S").column(1, "KD 5C");
    {
        HeldMessages held(engine);
        engine.rules().CardClicked(8);
        engine.rules().CardClicked(9);
    }
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(&engine.prompter(), &prompter);
}

} // namespace
} // namespace quadrell::test
