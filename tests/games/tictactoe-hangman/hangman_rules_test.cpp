#include "games/tictactoe-hangman/hangman_rules.h"

#include "art/chooser_hangman.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

using namespace hangmanrules;

namespace {

std::string entry(int number, std::string_view word, std::string_view category) {
    return std::to_string(number) + "***" + std::string(word) + "***@@@" + std::string(category) + "@@@!!!\r\n";
}

std::string shippedList() {
    std::ifstream in(GP_WORD_LIST, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(HangmanWordList, AnEntryIsFoundByItsNumberWhereverItLies) {
    const std::string list = entry(103, "teapot", "Thing") + "any text between" + entry(101, "pied piper", "Title");
    const auto found = findentry(list, 101);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->word, "pied piper");
    EXPECT_EQ(found->category, "Title");
    EXPECT_EQ(findentry(list, 103)->word, "teapot");
    EXPECT_FALSE(findentry(list, 102)) << "a number the list does not hold";
}

TEST(HangmanWordList, AnEntryMissingAMarkerIsNotFound) {
    const char* damaged[] = {
        "101teapot***@@@Thing@@@!!!",     // no opening marker
        "101 ***teapot***@@@Thing@@@!!!", // something between the number and its marker
        "101***teapot@@@Thing@@@!!!",     // no middle marker
        "101***teapot***@@@Thing",        // no closing marker
    };
    for (const char* list : damaged) EXPECT_FALSE(findentry(list, 101)) << list;
}

TEST(HangmanWordList, OnlyAnswersOfOneToFifteenLettersAndBlanksInTheFourCategoriesPlay) {
    const struct {
        Puzzle puzzle;
        bool plays;
    } cases[] = {
        {{"a", "Thing"}, true},
        {{"fifteen letters", "Place"}, true},
        {{"sixteen letters!", "Place"}, false},
        {{"sixteen  letters", "Place"}, false},
        {{"", "Thing"}, false},
        {{"   ", "Thing"}, false},
        {{"Teapot", "Thing"}, false},
        {{"tea pot", "Person"}, true},
        {{"r2d2", "Thing"}, false},
        {{"jack-in-the-box", "Thing"}, false},
        {{"teapot", "thing"}, false},
        {{"teapot", "Animal"}, false},
        {{"teapot", "Title "}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(usable(c.puzzle), c.plays) << '"' << c.puzzle.word << "\" " << c.puzzle.category;
}

TEST(HangmanWordList, ADamagedEntryGivesWayToTheNextUsableOneAndTheLastWrapsToTheFirst) {
    const std::string list = entry(101, "kite", "Thing") + entry(102, "Kite", "Thing") + "103***kite***@@@Thing" +
                             entry(104, "zoo", "Place") + entry(175, "", "Title");
    const struct {
        int drawn;
        int taken;
    } cases[] = {{101, 101}, {102, 104}, {103, 104}, {104, 104}, {105, 101}, {175, 101}};
    for (const auto& c : cases) {
        const auto choice = choosepuzzle(list, c.drawn);
        ASSERT_TRUE(choice) << c.drawn;
        EXPECT_EQ(choice->number, c.taken) << c.drawn;
    }
    EXPECT_FALSE(choosepuzzle("", 120));
    EXPECT_FALSE(choosepuzzle(entry(120, "ABC", "Thing"), 120));
}

TEST(HangmanWordList, TheShippedListHoldsAUsablePuzzleUnderEveryNumber) {
    const std::string list = shippedList();
    ASSERT_FALSE(list.empty()) << GP_WORD_LIST;
    std::set<std::string> answers;
    for (int number = kFirstEntry; number <= kLastEntry; ++number) {
        const auto found = findentry(list, number);
        ASSERT_TRUE(found) << number;
        EXPECT_TRUE(usable(*found)) << number << " \"" << found->word << "\" " << found->category;
        EXPECT_EQ(choosepuzzle(list, number)->number, number);
        EXPECT_TRUE(answers.insert(found->word).second) << "twice: " << found->word;
    }
    std::string digits;
    for (char c : list)
        if (c >= '0' && c <= '9') digits += c;
    EXPECT_EQ(digits.size(), 3u * kEntries) << "no digits but the entry numbers";
}

// The chooser's picture of the game promises one of its own puzzles, part guessed and still in play.
TEST(HangmanWordList, TheChoosersPictureShowsAPuzzleOfTheShippedListStillInPlay) {
    const art::scenes::HangmanPuzzle& shown = art::scenes::kHangmanPuzzle;
    const std::string list = shippedList();
    bool listed = false;
    for (int number = kFirstEntry; number <= kLastEntry; ++number) {
        const auto found = findentry(list, number);
        listed = listed || (found && found->word == shown.answer && found->category == shown.category);
    }
    EXPECT_TRUE(listed) << '"' << shown.answer << "\" as " << shown.category;
    HangmanTable t;
    newpuzzlestate(t, {kFirstEntry, {std::string(shown.answer), std::string(shown.category)}});
    bool lost = false;
    for (char letter : shown.guessed)
        if (guess(t, letter).empty()) lost = wrongguess(t) || lost;
    EXPECT_FALSE(lost);
    EXPECT_FALSE(solved(t));
}

TEST(HangmanWordList, EveryCategoryNamesItsLabel) {
    for (std::string_view category : kCategories) EXPECT_EQ(categorycaption(category), "Category: " + std::string(category));
    EXPECT_EQ(categorycaption("Animal"), "");
}

TEST(HangmanGuess, ALetterRevealsEveryPlaceItHoldsForAThousandEach) {
    HangmanTable t;
    t.score = 5000;
    newpuzzlestate(t, {120, {"little bo peep", "Title"}});
    EXPECT_EQ(t.letterstofind, 12) << "blanks need no guess";
    EXPECT_EQ(guess(t, 'e'), (std::vector<int>{6, 12, 13}));
    EXPECT_EQ(t.lettersfound, 3);
    EXPECT_EQ(t.score, 8000);
    EXPECT_EQ(guess(t, 'z'), std::vector<int>{});
    EXPECT_EQ(t.score, 8000) << "a wrong guess costs nothing";
    for (char c : std::string("litbop")) guess(t, c);
    EXPECT_TRUE(solved(t));
    EXPECT_EQ(t.score, 5000 + 12 * kLetterScore);
}

TEST(HangmanGuess, TheSixthWrongGuessLosesThePuzzle) {
    HangmanTable t;
    newpuzzlestate(t, {101, {"kite", "Thing"}});
    for (int wrong = 1; wrong <= 5; ++wrong) EXPECT_FALSE(wrongguess(t)) << wrong;
    EXPECT_EQ(t.wrongcount, 6);
    EXPECT_TRUE(wrongguess(t));
    EXPECT_EQ(t.wrongcount, kLostAt);
}

TEST(HangmanGuess, ANewPuzzleStartsBareAndKeepsTheScore) {
    HangmanTable t;
    t.score = 7000;
    t.lettersfound = 4;
    t.wrongcount = 5;
    newpuzzlestate(t, {133, {"a", "Thing"}});
    EXPECT_EQ(t.puzzlenum, 133);
    EXPECT_EQ(t.txtword, "a");
    EXPECT_EQ(t.txtcat, "Thing");
    EXPECT_EQ(t.letterstofind, 1);
    EXPECT_EQ(t.lettersfound, 0);
    EXPECT_EQ(t.wrongcount, 1);
    EXPECT_EQ(t.score, 7000);
}

TEST(HangmanGuess, EveryGuessMarksItsLetterUsedUntilTheNextPuzzle) {
    HangmanTable t;
    newpuzzlestate(t, {101, {"kite", "Thing"}});
    guess(t, 'k');
    guess(t, 'z');
    for (int button = 1; button <= kLetters; ++button)
        EXPECT_EQ(t.used[static_cast<std::size_t>(button)], button == 11 || button == 26) << button;
    newpuzzlestate(t, {102, {"kite", "Thing"}});
    EXPECT_EQ(std::ranges::count(t.used, true), 0);
}

}  // namespace
