#include "games/tictactoe-hangman/hangman_rules.h"

#include <algorithm>

namespace hangmanrules {
namespace {

constexpr std::string_view kOpening = "***";
constexpr std::string_view kMiddle = "***@@@";
constexpr std::string_view kClosing = "@@@!!!";

bool answerchar(char c) { return c == ' ' || (c >= 'a' && c <= 'z'); }

}  // namespace

std::optional<Puzzle> findentry(std::string_view list, int number) {
    const std::string digits = std::to_string(number);
    const std::size_t p = list.find(digits);
    if (p == std::string_view::npos) return std::nullopt;
    const std::size_t q = list.find(kOpening, p);
    if (q != p + digits.size()) return std::nullopt;
    const std::size_t r = list.find(kMiddle, q);
    if (r == std::string_view::npos) return std::nullopt;
    const std::size_t s = list.find(kClosing, r);
    if (s == std::string_view::npos) return std::nullopt;
    const std::size_t word = q + kOpening.size();
    const std::size_t category = r + kMiddle.size();
    return Puzzle{std::string(list.substr(word, r - word)), std::string(list.substr(category, s - category))};
}

bool usable(const Puzzle& puzzle) {
    const std::string& word = puzzle.word;
    return !word.empty() && word.size() <= kTiles && std::ranges::all_of(word, answerchar) &&
           std::ranges::any_of(word, [](char c) { return c != ' '; }) &&
           std::ranges::find(kCategories, puzzle.category) != kCategories.end();
}

std::optional<Choice> choosepuzzle(std::string_view list, int drawn) {
    for (int k = 0; k < kEntries; ++k) {
        const int number = kFirstEntry + (drawn - kFirstEntry + k) % kEntries;
        auto puzzle = findentry(list, number);
        if (puzzle && usable(*puzzle)) return Choice{number, std::move(*puzzle)};
    }
    return std::nullopt;
}

std::string categorycaption(std::string_view category) {
    if (std::ranges::find(kCategories, category) == kCategories.end()) return {};
    return "Category: " + std::string(category);
}

void newpuzzlestate(HangmanTable& t, const Choice& choice) {
    t.puzzlenum = choice.number;
    t.txtword = choice.puzzle.word;
    t.txtcat = choice.puzzle.category;
    t.letterstofind = static_cast<int>(std::ranges::count_if(t.txtword, [](char c) { return c != ' '; }));
    t.lettersfound = 0;
    t.wrongcount = 1;
    t.used.fill(false);
}

std::vector<int> guess(HangmanTable& t, char letter) {
    std::vector<int> revealed;
    if (letter >= 'a' && letter <= 'z') t.used[static_cast<std::size_t>(letter - 'a' + 1)] = true;
    for (std::size_t i = 0; i < t.txtword.size(); ++i) {
        if (t.txtword[i] != letter) continue;
        revealed.push_back(static_cast<int>(i) + 1);
        ++t.lettersfound;
        t.score += kLetterScore;
    }
    return revealed;
}

bool wrongguess(HangmanTable& t) {
    ++t.wrongcount;
    return t.wrongcount == kLostAt;
}

}  // namespace hangmanrules
