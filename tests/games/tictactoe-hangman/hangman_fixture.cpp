#include "hangman_fixture.h"

#include "common/topthree.h"
#include "platform/files.h"

#include <map>

namespace {

std::string image(std::string_view name) { return "\\Images\\" + std::string(name) + ".bmp"; }

// Whether the control shows the game's picture of that name. Each picture is loaded once: the
// random-play run reads every tile and button back after each step, and no test redraws them.
bool shows(const platform::Control& c, std::string_view name) {
    static std::map<std::string, platform::Picture, std::less<>> pictures;
    auto known = pictures.find(name);
    if (known == pictures.end()) known = pictures.emplace(std::string(name), platform::LoadPicture(image(name))).first;
    return known->second && c.Picture.get() && c.Picture->image() == known->second.image();
}

// The control shows the named picture greyed, as a button that does nothing looks.
bool showsGreyed(const platform::Control& c, std::string_view name) {
    static std::map<std::string, platform::Picture, std::less<>> pictures;
    auto known = pictures.find(name);
    if (known == pictures.end())
        known = pictures.emplace(std::string(name), platform::greyed(platform::LoadPicture(image(name)))).first;
    return known->second && c.Picture.get() && c.Picture->image() == known->second.image();
}

}  // namespace

void HangmanTest::wordlist(const std::vector<Entry>& entries) {
    std::string text;
    for (const Entry& e : entries)
        text += std::to_string(e.number) + "***" + e.word + "***@@@" + e.category + "@@@!!!\r\n";
    platform::writeSetting("\\easywords.dat", text);
}

void HangmanTest::nextanswer(std::string_view word, std::string_view category) {
    wordlist({{140, std::string(word), std::string(category)}});
}

void HangmanTest::storetable(const std::vector<std::string>& six) {
    for (int rank = 1; rank <= 3; ++rank) {
        platform::writeSetting(common::topthreefile("hangman", "name", rank), six[2 * (rank - 1)]);
        platform::writeSetting(common::topthreefile("hangman", "score", rank), six[2 * (rank - 1) + 1]);
    }
}

std::vector<std::string> HangmanTest::storedtable() {
    std::vector<std::string> six;
    for (int rank = 1; rank <= 3; ++rank) {
        six.push_back(platform::readSetting(common::topthreefile("hangman", "name", rank)));
        six.push_back(platform::readSetting(common::topthreefile("hangman", "score", rank)));
    }
    return six;
}

hangman& HangmanTest::openHangman(std::string_view word, std::string_view category) {
    nextanswer(word, category);
    return openGame<hangman>();
}

void HangmanTest::guess(hangman& w, std::string_view guessed) {
    for (char letter : guessed) click(w.Command1[letter - 'a' + 1]);
}

std::string HangmanTest::tiles(const hangman& w) {
    std::string shown;
    bool hiddenSeen = false;
    for (int i = 1; i <= hangmanrules::kTiles; ++i) {
        const platform::Image& tile = w.space[i];
        if (!tile.Visible) {
            hiddenSeen = true;
            continue;
        }
        EXPECT_FALSE(hiddenSeen) << "tile " << i << " shows after a hidden one";
        char c = '?';
        if (shows(tile, "letter"))
            c = '_';
        else if (shows(tile, "blank"))
            c = ' ';
        else
            for (char letter = 'a'; letter <= 'z' && c == '?'; ++letter)
                if (shows(tile, "little" + std::string(1, letter))) c = letter;
        shown += c;
    }
    return shown;
}

int HangmanTest::gallows(const hangman& w) {
    for (int stage = 1; stage <= 7; ++stage)
        if (shows(w.Image1, "stage" + std::to_string(stage))) return stage;
    return 0;
}

std::string HangmanTest::letters(const hangman& w) {
    std::string shown;
    for (int i = 1; i <= hangmanrules::kLetters; ++i) {
        const platform::Image& button = w.Command1[i];
        const char letter = static_cast<char>('a' + i - 1);
        if (button.Enabled && shows(button, std::string(1, letter)))
            shown += static_cast<char>(letter - 'a' + 'A');
        else if (!button.Enabled && showsGreyed(button, std::string(1, letter)))
            shown += letter;
        else if (!button.Enabled && shows(button, "blankletteer"))
            shown += '-';
        else
            shown += '?';
    }
    return shown;
}

std::vector<std::string> HangmanTest::heldtable(const hangman& w) {
    const common::TopThree& t = w.highscores;
    return {t[0].name, t[0].value, t[1].name, t[1].value, t[2].name, t[2].value};
}
