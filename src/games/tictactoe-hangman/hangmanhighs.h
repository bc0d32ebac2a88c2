#pragma once

#include "common/topthree.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <functional>

// What the high-score window needs of the Hangman window, which connects itself when it is made:
// the game window while it is loaded (null otherwise) and the table its holders keep.
struct HangmanHighsTable {
    std::function<platform::Form*()> loaded;
    std::function<common::TopThree()> entries;
};

// Hangman's three best scores with the names of the users who made them, shown as the game
// window's holders keep them. The game window takes no input while it is open.
class hangmanhighs : public platform::Form {
public:
    hangmanhighs();

    static void connect(HangmanHighsTable table);

    platform::Label Label1{*this};  // "Name:"
    platform::Label Label2{*this};  // "Score:"
    platform::Label Label3{*this}, Label4{*this}, Label5{*this};  // the ranks
    platform::Label firstname{*this}, secondname{*this}, thirdname{*this};
    platform::Label firstscore{*this}, secondscore{*this}, thirdscore{*this};
    platform::Line Line1{*this}, Line2{*this};

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
};
