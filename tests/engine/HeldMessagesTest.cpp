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

// Only messages wait: every other dialog is the engine's own, asked at once, its answer
// handed back whole.
TEST_F(HeldMessagesTest, EveryOtherDialogIsAskedAtOnceWithItsAnswer) {
    prompter.yes = false;
    prompter.saveAs = "/games/7.qrl";
    prompter.folder = "/games";
    prompter.openAs = "/games/8.q2k";
    prompter.input = "617";
    prompter.inputOk = false;
    prompter.colour = 0x123456;
    HeldMessages held(engine);
    Prompter& asked = engine.prompter();
    EXPECT_FALSE(asked.Question("Quit?", "Quadrell 2000", MessageIcon::Question));
    EXPECT_EQ(prompter.questions, std::vector<std::string> { "Quit?" });
    EXPECT_EQ(prompter.questionIcons, std::vector<MessageIcon> { MessageIcon::Question });
    EXPECT_EQ(asked.SaveFileName("/games", "7.qrl", "*.qrl"), "/games/7.qrl");
    EXPECT_EQ(prompter.proposedNames, std::vector<std::string> { "7.qrl" });
    EXPECT_EQ(asked.BrowseForFolder("AutoSave", "/"), "/games");
    EXPECT_EQ(prompter.folderTitles, std::vector<std::string> { "AutoSave" });
    EXPECT_EQ(asked.OpenFileName("/games", "*.q2k"), "/games/8.q2k");
    EXPECT_EQ(prompter.filters, std::vector<std::string> { "*.q2k" });
    bool ok = true;
    EXPECT_EQ(asked.InputBox("Game number", "Select Game", ok), "617");
    EXPECT_FALSE(ok);
    EXPECT_EQ(prompter.prompts, std::vector<std::string> { "Game number" });
    EXPECT_EQ(asked.ChooseColour(0xffffff), 0x123456u);
    bool ran = false;
    asked.RunWithProgress("Rating", [&](const Prompter::Progress&) { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(prompter.progressLabels, std::vector<std::string> { "Rating" });
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
} // namespace quadrell::test
