#pragma once

#include "games/memory/memory_turns.h"

#include "common/gamewindow.h"
#include "core/scaling.h"
#include "platform/controls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Card Memorization against a named computer opponent. The big and the small board are one
// design; memorycompbig and memorycompsmall give only its values. The rules live in plain
// functions over `table`; the window shows the cards, runs the computer's turn on its timers and
// asks the questions.
class memorycomp : public common::GameWindow {
public:
    // A fresh board with the user to play first; also Yes to the end-of-game question.
    void newgame_Click();
    // The same with a deal chosen by the caller: the pair codes of positions 1..N.
    void dealKnown(const std::vector<std::int16_t>& order);
    // The computer's random picks come from `draw` (a test's script) instead of rndnum.
    void drawWith(memoryrules::Draw draw) { draw_ = std::move(draw); }

    memoryrules::MemoryTable table;
    // The text of "\conskill.dat" as read at load and as last chosen; it decides the skill.
    std::string skillsetting;
    float scale = 1;

    platform::ControlArray<platform::Image> Image1;
    platform::Label Label1{*this};  // the user's name
    platform::Label Label3{*this};  // the user's pairs
    platform::Label Label2{*this};  // the opponent's name
    platform::Label Label4{*this};  // the opponent's pairs
    platform::Image Image2{*this};  // the card back
    platform::Timer Timer1{*this, 1000, false};  // the computer's first card
    platform::Timer Timer2{*this, 1000, false};  // its second card
    platform::Timer Timer3{*this, 1000, false};  // its cards back after a miss

    platform::Menu newgame{file, "New Game", div};
    platform::Menu skill;
    platform::Menu easy{skill, "Easy"};
    platform::Menu medium{skill, "Medium"};
    platform::Menu hard{skill, "Hard"};

protected:
    struct LabelPlace {
        double left, top, width;
    };
    // What the two boards' windows differ in.
    struct BoardDesign {
        memoryrules::Board board;
        double width, height;         // the window, in twips
        std::string_view skillCaption;
        core::ScaleFactors factors;
        double grow640Width, grow640Height;  // added to the window at 640 x 480, after scaling
        LabelPlace name, pairs, oppName, oppPairs;
    };
    explicit memorycomp(const BoardDesign& design);

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setcards();
    void startover();
    void scalewindow(const core::ScaleChoice& choice);
    void tickskill();
    void setskill(std::string_view word);
    memoryrules::Skill skilllevel() const;
    void endtest();

    void Image1_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void easy_Click();
    void medium_Click();
    void hard_Click();

    const BoardDesign board_;
    memoryrules::Draw draw_;
};
