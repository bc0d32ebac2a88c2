#include "support/random_play.h"

#include "common/mainwindow.h"
#include "common/names.h"
#include "common/topthree.h"
#include "core/scaling.h"
#include "games/tictactoe-hangman/hangman.h"
#include "games/tictactoe-hangman/hangman_rules.h"
#include "games/tictactoe-hangman/hangmanhighs.h"
#include "games/tictactoe-hangman/tictacsettings.h"
#include "games/tictactoe-hangman/tictactoe.h"
#include "platform/files.h"

#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Tic-Tac-Toe: the board agrees with its counts, holds no finished game and waits for someone: the
// side the arrow points at and the turn's counts agree with which cells take a click and whether
// the computer's move is pending; the settings dialog writes what it shows. Hangman: the puzzle
// agrees with its counts, with the letters clicked and with what its tiles and gallows show; the
// top three keeps its order, agrees with its files and changes only where a score was offered.
namespace {

// The pixels of a picture file, or of its greyed look, each read once, so that the runs stay quick.
const QImage& expected(const std::string& file, bool grey = false) {
    static std::map<std::pair<std::string, bool>, QImage> pictures;
    auto found = pictures.find({file, grey});
    if (found == pictures.end()) {
        const platform::Picture own = platform::LoadPicture(file);
        found = pictures.emplace(std::pair{file, grey}, grey && own ? platform::greyed(own).image() : own.image()).first;
    }
    return found->second;
}

bool shows(const platform::Control& c, const std::string& file, bool grey = false) {
    const QImage& want = expected(file, grey);
    return !want.isNull() && c.Picture.get() && c.Picture->image() == want;
}

int below(std::mt19937& r, int n) { return std::uniform_int_distribution<int>(0, n - 1)(r); }

// --- Tic-Tac-Toe ---------------------------------------------------------------------------------

using namespace tictactoerules;

std::string tictactoeHolds(tictactoe& g) {
    const TicTacToeTable& t = g.table;
    static const char* files[] = {"\\Images\\greenblank.bmp", "\\Images\\greenx.bmp", "\\Images\\greeno.bmp"};
    int player = 0, computer = 0, empty = 0, enabledEmpty = 0;
    for (int cell = 1; cell <= kCells; ++cell) {
        const int mark = t.tag[cell];
        if (mark < kEmpty || mark > kO) return "cell " + std::to_string(cell) + " holds " + std::to_string(mark);
        if (!shows(g.Picture1[cell], files[mark]))
            return "cell " + std::to_string(cell) + " does not show what the table holds";
        player += mark == t.playermark;
        computer += mark == t.compmark;
        empty += mark == kEmpty;
        if (g.Picture1[cell].Enabled) {
            if (mark != kEmpty) return "a marked cell takes a click: " + std::to_string(cell);
            ++enabledEmpty;
        }
    }
    if (player != t.playermoves || computer != t.compmoves)
        return "the board shows " + std::to_string(player) + " and " + std::to_string(computer) + " marks, counted " +
               std::to_string(t.playermoves) + " and " + std::to_string(t.compmoves);
    if (anyline(t.tag)) return "a finished game is still on the board";
    if (empty == 0) return "a full board is still on the table";
    if (t.catgame) return "a drawn game is left uncounted";
    if (!g.Timer1.running()) {
        if (enabledEmpty != empty) return "the user's turn, yet not every empty cell takes a click";
        if (t.playermoves > t.compmoves || t.compmoves > t.playermoves + 1) return "the user moves out of turn";
    } else {
        if (enabledEmpty != 0 && enabledEmpty != empty) return "the computer's turn, yet some empty cells take a click";
        if (t.compmoves > t.playermoves || t.playermoves > t.compmoves + 1) return "the computer moves out of turn";
        if (enabledEmpty > 0 && (marksplaced(t) != 0 || t.playermark != kX))
            return "a click is taken in the computer's wait other than before the first mark";
    }
    const bool arrowAtUser = g.Image1.Top == core::scaled(1440, g.scale);
    if (arrowAtUser != (enabledEmpty > 0)) return "the arrow does not point at the side that moves";
    const auto suffix = [](int mark) { return std::string(mark == kX ? ": X's" : ": O's"); };
    if (g.Label1.Caption.get() != g.playername + suffix(t.playermark)) return "the user's label is wrong";
    if (g.Label2.Caption.get() != g.oppname + suffix(t.compmark)) return "the opponent's label is wrong";
    if (std::ranges::find(common::oppnames, g.oppname) == common::oppnames.end())
        return "the opponent " + g.oppname + " is none of the six";
    if (g.Label3.Caption.get() != "Wins: " + std::to_string(t.playerwins) ||
        g.Label4.Caption.get() != "Wins: " + std::to_string(t.compwins))
        return "the wins shown are not the totals";
    if (t.playermark == t.compmark) return "both sides play one mark";
    return {};
}

// The cell the computer's own rules would choose for the user, so that games are drawn and now
// and then won as well as lost.
std::vector<platform::Control*> tictactoeMoves(tictactoe& g) {
    TicTacToeTable mirror = g.table;
    std::swap(mirror.playermark, mirror.compmark);
    std::swap(mirror.playermoves, mirror.compmoves);
    int n = 0;
    compturn(mirror, [&n](int k) { return 1 + (n++ * 7) % k; });
    if (mirror.compcell < 1 || mirror.compcell > kCells) return {};
    return {&g.Picture1[mirror.compcell]};
}

// Setting files changed behind the program's back: a target that is no whole number from 1 to 15
// plays to 3, and a mark that is neither "X" nor "O" is drawn.
std::string damageSettings(tictactoe&, std::mt19937& r) {
    static const char* playto[] = {"", "0", "16", "abc", "1", "1", "2", "15"};
    static const char* playas[] = {"", "x", "Q", "R", "O", "X"};
    if (below(r, 2)) {
        const char* text = playto[below(r, 8)];
        platform::writeSetting("\\tictacto.dat", text);
        return std::string("tictacto.dat is changed to \"") + text + '"';
    }
    const char* text = playas[below(r, 6)];
    platform::writeSetting("\\tictacwhat.dat", text);
    return std::string("tictacwhat.dat is changed to \"") + text + '"';
}

// The dialog writes what it shows, whatever the game read back into its table meanwhile; with no
// mark chosen the table's play-as goes back unchanged.
constexpr std::string_view kSettingsClose = "the settings close and their files hold what they showed";

std::string closeSettings(tictacsettings& dialog, std::mt19937&) {
    const std::string playto = dialog.Combo1.Text.get();
    const char* playas = dialog.Option1.Value ? "X" : dialog.Option2.Value ? "O" : dialog.Option3.Value ? "R" : nullptr;
    const tictactoe* game = platform::loaded<tictactoe>();
    const std::string held = game ? game->table.playas : platform::readSetting("\\tictacwhat.dat");
    dialog.topLevel()->close();
    EXPECT_EQ(platform::loaded<tictacsettings>(), nullptr);
    EXPECT_EQ(platform::readSetting("\\tictacto.dat"), playto);
    EXPECT_EQ(platform::readSetting("\\tictacwhat.dat"), playas ? std::string(playas) : held);
    EXPECT_EQ(tictactoerules::playto(playto), std::stoi(playto)) << "the dialog shows a target it plays to";
    return std::string(kSettingsClose);
}

platform::Form* tictactoeWindow() { return platform::loaded<tictactoe>(); }

const bool tictactoePlayed = gp::playRules<tictactoe>(
    "tictactoe", {.timers = 1,
                  .locks = common::mainwindow,
                  .holds = tictactoeHolds,
                  .moves = tictactoeMoves,
                  .acts = damageSettings,
                  .reaches = {"You Win", "Computer Wins", "Cat", "You win the match! Play again?",
                              "You Lost the match! Play again?", std::string(kSettingsClose)},
                  .seeds = 5});
const bool settingsPlayed = gp::playRules<tictacsettings>(
    "tictactoe settings", {.played = false, .locks = tictactoeWindow, .acts = closeSettings});

// --- Hangman -------------------------------------------------------------------------------------

using namespace hangmanrules;

constexpr std::string_view kWords = "\\easywords.dat";

// The letter buttons as they look: upper case while one takes clicks and shows its letter, lower
// case when it takes none and shows its letter greyed, "-" once used, "?" otherwise.
std::string letters(const hangman& g) {
    std::string shown;
    for (int i = 1; i <= kLetters; ++i) {
        const platform::Image& button = g.Command1[i];
        const char letter = static_cast<char>('a' + i - 1);
        const std::string file = "\\Images\\" + std::string(1, letter) + ".bmp";
        if (button.Enabled && shows(button, file))
            shown += static_cast<char>(letter - 'a' + 'A');
        else if (!button.Enabled && shows(button, file, true))
            shown += letter;
        else if (!button.Enabled && shows(button, "\\Images\\blankletteer.bmp"))
            shown += '-';
        else
            shown += '?';
    }
    return shown;
}

// Per answer position: its letter when it shows, "_" for a face-down tile, "?" for anything else.
std::string tiles(const hangman& g) {
    std::string shown;
    for (std::size_t k = 0; k < g.table.txtword.size(); ++k) {
        const platform::Image& tile = g.space[static_cast<int>(k) + 1];
        const char c = g.table.txtword[k];
        if (c == ' ' && shows(tile, "\\Images\\blank.bmp"))
            shown += ' ';
        else if (c != ' ' && shows(tile, "\\Images\\little" + std::string(1, c) + ".bmp"))
            shown += c;
        else if (shows(tile, "\\Images\\letter.bmp"))
            shown += '_';
        else
            shown += '?';
    }
    return shown;
}

std::string expectedTiles(const HangmanTable& t, const std::string& buttons) {
    std::string shown;
    for (char c : t.txtword) {
        const bool clicked = c != ' ' && buttons[static_cast<std::size_t>(c - 'a')] == '-';
        shown += c == ' ' || clicked || t.wrongcount == kLostAt ? c : '_';
    }
    return shown;
}

std::vector<std::string> storedTable() {
    const common::TopThree t = common::loadtopthree("hangman");
    return {t[0].name, t[0].value, t[1].name, t[1].value, t[2].name, t[2].value};
}

int valueOf(const std::string& text) { return text.empty() ? 0 : std::stoi(text); }

// What a step may change of the table: noted before it.
struct HangmanBefore {
    std::int32_t score = 0;
    std::vector<std::string> table;
};
HangmanBefore hangmanBefore;

void noteHangman(hangman& g) { hangmanBefore = {g.table.score, storedTable()}; }

// The table changes only where a score is offered: at the loss question, the score the puzzle was
// lost with, and at No to the win question (the puzzle then stays solved), the score kept. An
// offered score is in the table afterwards unless it beat none of the three.
std::string offerHolds(const hangman& g) {
    std::optional<std::int32_t> offered;
    for (const std::string& prompt : gp::promptsOfStep()) {
        if (prompt == "You Lost, Play Again?") offered = hangmanBefore.score;
        if (prompt == "You Win, Keep Playing?" && solved(g.table) && !g.table.txtword.empty()) offered = g.table.score;
    }
    const std::vector<std::string> six = storedTable();
    const common::TopThree& held = g.highscores;
    if (std::vector<std::string>{held[0].name, held[0].value, held[1].name, held[1].value, held[2].name,
                                 held[2].value} != six)
        return "the window's top three is not what the files hold";
    if (valueOf(six[1]) < valueOf(six[3]) || valueOf(six[3]) < valueOf(six[5])) return "the top three is out of order";
    if (!offered) return six == hangmanBefore.table ? "" : "the top three changed though no score was offered";
    const std::string value = std::to_string(*offered);
    const bool entered = (six[0] == g.playername && six[1] == value) || (six[2] == g.playername && six[3] == value) ||
                         (six[4] == g.playername && six[5] == value);
    if (!entered && *offered > valueOf(six[5])) return "the offered score " + value + " did not enter";
    return {};
}

std::string hangmanHolds(hangman& g) {
    const HangmanTable& t = g.table;
    const std::string buttons = letters(g);
    if (t.txtword.empty()) {
        // No usable entry: nothing to guess until New Game finds one.
        if (buttons != "abcdefghijklmnopqrstuvwxyz") return "with no puzzle the letters show " + buttons;
        for (int i = 1; i <= kTiles; ++i)
            if (g.space[i].Visible) return "with no puzzle tile " + std::to_string(i) + " shows";
        if (!g.Label1.Caption.get().empty()) return "with no puzzle a category shows";
        return offerHolds(g);
    }
    if (!usable({t.txtword, t.txtcat})) return "the puzzle \"" + t.txtword + "\" is not a usable entry";
    if (buttons.find('?') != std::string::npos) return "a letter looks other than it acts: " + buttons;
    if (tiles(g) != expectedTiles(t, buttons))
        return "the tiles show " + tiles(g) + " for " + expectedTiles(t, buttons);
    if (!shows(g.Image1, "\\Images\\stage" + std::to_string(t.wrongcount) + ".bmp"))
        return "the gallows do not show stage " + std::to_string(t.wrongcount);
    int found = 0, wrong = 0;
    for (int i = 0; i < kLetters; ++i) {
        if (buttons[static_cast<std::size_t>(i)] != '-') continue;
        const auto hits = std::ranges::count(t.txtword, static_cast<char>('a' + i));
        found += static_cast<int>(hits);
        wrong += hits == 0;
    }
    if (t.lettersfound != found) return "the letters found are not every place of each clicked letter";
    if (t.wrongcount != 1 + wrong) return "the wrong guesses are not the clicked letters the answer lacks";
    if (t.wrongcount < kLostAt && t.score < kLetterScore * t.lettersfound) return "the score lost what was found";
    const int length = static_cast<int>(t.txtword.size());
    for (int i = 1; i <= kTiles; ++i)
        if (g.space[i].Visible != (i <= length)) return "tile " + std::to_string(i) + " shows wrongly";
    if (t.letterstofind != std::ranges::count_if(t.txtword, [](char c) { return c != ' '; }))
        return "the letters to find are miscounted";
    if (t.lettersfound > t.letterstofind || t.wrongcount < 1 || t.wrongcount > kLostAt)
        return "the counts are out of range";
    if (t.score % kLetterScore != 0 || t.score < 0) return "the score is " + std::to_string(t.score);
    if (g.Label2.Caption.get() != "Score: " + std::to_string(t.score)) return "the score shown is not the score";
    if (g.Label1.Caption.get() != categorycaption(t.txtcat)) return "the category shown is not the puzzle's";
    int open = 0;
    for (int i = 1; i <= kLetters; ++i) open += g.Command1[i].Enabled;
    const bool over = solved(t) || t.wrongcount == kLostAt;
    if (over && open > 0) return "a finished puzzle takes a letter";
    if (!over && open == 0) return "a puzzle in play takes no letter";
    return offerHolds(g);
}

// Mostly a letter of the answer, so that puzzles are solved as well as lost.
std::vector<platform::Control*> hangmanMoves(hangman& g) {
    std::vector<platform::Control*> moves;
    for (char c : g.table.txtword)
        if (c != ' ') moves.push_back(&g.Command1[c - 'a' + 1]);
    return moves;
}

// The word list replaced behind the program's back: the shipped one, none usable, or a single
// usable entry among damaged ones.
std::string changeWords(hangman&, std::mt19937& r) {
    static std::string shipped;
    if (shipped.empty()) shipped = platform::readFile(kWords);
    static const char* lists[] = {"", "101***Ab***@@@Thing@@@!!!", "120***o o***@@@Place@@@!!!150***x***@@@Song@@@!!!",
                                  "175***a***@@@Thing@@@!!!"};
    const int k = below(r, 8);
    platform::writeSetting(kWords, k < 4 ? shipped : lists[k - 4]);
    return k < 4 ? "the shipped word list is put back" : "the word list becomes list " + std::to_string(k - 4);
}

platform::Form* hangmanWindow() { return platform::loaded<hangman>(); }

const bool hangmanPlayed = gp::playRules<hangman>(
    "hangman", {.locks = common::mainwindow,
                .holds = hangmanHolds,
                .moves = hangmanMoves,
                .acts = changeWords,
                .before = noteHangman,
                .reaches = {"You Win, Keep Playing?", "You Lost, Play Again?",
                            "The word list easywords.dat is missing or damaged."},
                .seeds = 3});
std::string highsHolds(hangmanhighs&) { return hangmanWindow() ? "" : "the high scores outlive the game"; }

const bool highsPlayed = gp::playRules<hangmanhighs>(
    "hangman highs", {.played = false, .locks = hangmanWindow, .holds = highsHolds});

}  // namespace
