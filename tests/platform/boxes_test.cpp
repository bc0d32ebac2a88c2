#include "platform/boxes.h"
#include "platform/scheduler.h"
#include "support/fakes.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace platform;

TEST(ScriptedBoxes, AnswersAreTakenInOrderMatchedByTitleOrPrompt) {
    gp::ScriptedBoxes boxes;
    boxes.expect("Keep Playing?", vbNo);
    boxes.expect("You Win", vbYes);
    boxes.expectInput("Ada");
    boxes.expect("", vbOK);
    EXPECT_EQ(MsgBox("You Lost! Play again?", 68, "Keep Playing?"), vbNo);
    EXPECT_EQ(MsgBox("You Win! Play again?", 68, "Keep Playing?"), vbYes);
    EXPECT_EQ(InputBox("Enter your name", "", "Guest"), "Ada");
    EXPECT_EQ(MsgBox("The computer refuses."), vbOK);

    const auto& shown = boxes.shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].prompt, "You Lost! Play again?");
    EXPECT_EQ(shown[0].style, 68);
    EXPECT_EQ(shown[1].title, "Keep Playing?");
    EXPECT_EQ(shown[2].kind, BoxRequest::Kind::Input);
    EXPECT_EQ(shown[2].defaultText, "Guest");
    // An untitled box shows the program's title.
    EXPECT_EQ(shown[2].title, kProgramTitle);
    EXPECT_EQ(shown[3].title, kProgramTitle);
}

TEST(ScriptedBoxes, ABoxNobodyScriptedFailsNamingItsPromptAndGetsTheSafeAnswer) {
    gp::ScriptedBoxes boxes;
    int yesNo = 0, ok = 0;
    std::string text = "x";
    EXPECT_NONFATAL_FAILURE(yesNo = MsgBox("Deal again?", vbYesNo, "Keep Playing?"), "\"Deal again?\"");
    EXPECT_NONFATAL_FAILURE(ok = MsgBox("Hand over.", vbInformation, "Score"), "\"Hand over.\"");
    EXPECT_NONFATAL_FAILURE(text = InputBox("Your name?"), "\"Your name?\"");
    EXPECT_EQ(yesNo, vbNo);
    EXPECT_EQ(ok, vbOK);
    EXPECT_EQ(text, "");
    EXPECT_EQ(boxes.shown().size(), 3u);
}

TEST(ScriptedBoxes, ABoxOutOfTurnFailsAndLeavesTheScriptedAnswerForItsOwnBox) {
    gp::ScriptedBoxes boxes;
    boxes.expect("Keep Playing?", vbYes);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Trick taken.", vbOKOnly, "Notice"), "next scripted answer is for");
    EXPECT_EQ(answer, vbOK);
    std::string text;
    EXPECT_NONFATAL_FAILURE(text = InputBox("Keep Playing?"), "next scripted answer is for");
    EXPECT_EQ(MsgBox("Again?", 68, "Keep Playing?"), vbYes);
}

TEST(ScriptedBoxes, AnAnswerThatIsNotAButtonOfTheBoxFails) {
    gp::ScriptedBoxes boxes;
    boxes.expect("Notice", vbYes);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Done.", vbInformation, "Notice"), "not a button");
    EXPECT_EQ(answer, vbOK);
}

TEST(ScriptedBoxes, AnAnswerNeverUsedFailsWhenTheScriptEnds) {
    EXPECT_NONFATAL_FAILURE(
        {
            gp::ScriptedBoxes boxes;
            boxes.expect("Keep Playing?", vbYes);
        },
        "\"Keep Playing?\" was never used");
}

TEST(ScriptedBoxes, AnInnerScriptTakesOverAndTheOuterOneResumes) {
    gp::ScriptedBoxes outer;
    outer.expect("Outer", vbOK);
    {
        gp::ScriptedBoxes inner;
        inner.expect("Inner", vbNo);
        EXPECT_EQ(MsgBox("Inner", vbYesNo), vbNo);
    }
    EXPECT_EQ(MsgBox("Outer"), vbOK);
}

TEST(ScriptedBoxes, AnAnswerCanActWhileItsBoxIsOpen) {
    gp::ScriptedBoxes boxes;
    std::vector<bool> heldWhileOpen;
    boxes.expect("Match", vbOK, [&] { heldWhileOpen.push_back(scheduler::held()); });
    boxes.expect("Keep Playing?", vbYes);
    EXPECT_EQ(MsgBox("You've found a match", 64, "Match"), vbOK);
    EXPECT_EQ(MsgBox("You Win, Keep Playing?", 68, "Keep Playing?"), vbYes);
    EXPECT_EQ(heldWhileOpen, std::vector<bool>{true}) << "it ran once, while the box held the timers";
}

TEST(ScriptedBoxes, StandingAnswersTakeWhatTheScriptDoesNotAndNeedNotBeUsed) {
    gp::ScriptedBoxes boxes;
    boxes.allow("Notice", vbOK);
    boxes.allow("Unused", vbOK);
    boxes.expect("Keep Playing?", vbYes);
    EXPECT_EQ(MsgBox("One.", vbInformation, "Notice"), vbOK);
    EXPECT_EQ(MsgBox("Two.", vbInformation, "Notice"), vbOK);
    EXPECT_EQ(MsgBox("Again?", 68, "Keep Playing?"), vbYes);
    EXPECT_NONFATAL_FAILURE(MsgBox("Something else."), "\"Something else.\"");
    EXPECT_EQ(boxes.shown().size(), 4u);
}

TEST(Boxes, BothBoxesHoldTheTimersWhileTheyAreOpen) {
    std::vector<bool> held;
    setBoxHook([&](const BoxRequest&) {
        held.push_back(scheduler::held());
        return BoxReply{vbOK, "typed"};
    });
    EXPECT_EQ(MsgBox("Hello"), vbOK);
    EXPECT_EQ(InputBox("Name?"), "typed");
    setBoxHook({});
    EXPECT_EQ(held, (std::vector<bool>{true, true}));
    EXPECT_FALSE(scheduler::held());
}
