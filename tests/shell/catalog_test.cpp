#include "shell/catalog.h"

#include "art/chooser.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using shell::GameEntry;

TEST(Catalog, GroupsHoldTheirGamesInTreeOrder) {
    std::vector<std::string> order;
    std::map<std::string, int> perGroup;
    for (const auto& game : shell::games()) {
        if (order.empty() || order.back() != game.group) order.emplace_back(game.group);
        ++perGroup[std::string(game.group)];
    }
    // Each group's games lie together, in the groups' own order.
    std::vector<std::string> groupKeys;
    for (const auto& group : shell::groups()) groupKeys.emplace_back(group.key);
    EXPECT_EQ(order, groupKeys);
    EXPECT_EQ(perGroup, (std::map<std::string, int>{{"card", 8}, {"solcard", 7}, {"board", 9}}));
}

TEST(Catalog, KeysTextsAndPicturesAreUnique) {
    std::set<std::string_view> keys, texts, pictures;
    for (const auto& group : shell::groups()) {
        keys.insert(group.key);
        texts.insert(group.text);
    }
    for (const auto& game : shell::games()) {
        keys.insert(game.key);
        texts.insert(game.text);
        pictures.insert(game.picture);
    }
    EXPECT_EQ(keys.size(), 27u);
    EXPECT_EQ(texts.size(), 27u);
    EXPECT_EQ(pictures.size(), 24u);
}

TEST(Catalog, LabelReadsHowToPlayTheGameSaveForThreeFamilies) {
    const std::map<std::string_view, std::string_view> exceptions{
        {"Card Memorization (Small)", "How to play Card Memorization"},
        {"Card Memorization (Big)", "How to play Card Memorization"},
        {"Card Memorization", "How to play Card Memorization (Single)"},
        {"Towers of Hanoi (Small)", "How to play Towers of Hanoi"},
        {"Towers of Hanoi (Medium)", "How to play Towers of Hanoi"},
        {"Towers of Hanoi (Large)", "How to play Towers of Hanoi"},
    };
    for (const auto& game : shell::games()) {
        auto exception = exceptions.find(game.text);
        std::string expected = exception != exceptions.end() ? std::string(exception->second)
                                                             : "How to play " + std::string(game.text);
        EXPECT_EQ(game.caption, expected) << game.text;
    }
}

TEST(Catalog, EveryCaptionLeadsToItsGamesPage) {
    for (const auto& game : shell::games()) {
        const GameEntry* byCaption = shell::gameByCaption(game.caption);
        ASSERT_NE(byCaption, nullptr) << game.caption;
        EXPECT_EQ(byCaption->page, game.page) << game.text;
    }
    EXPECT_EQ(shell::gameByCaption("Game Rules"), nullptr);
}

TEST(Catalog, LookupByTextTellsGamesFromGroups) {
    struct Case {
        std::string_view text;
        bool game;
        bool group;
    };
    const Case cases[] = {
        {"Hearts", true, false},
        {"Card Memorization", true, false},
        {"Towers of Hanoi (Large)", true, false},
        {"Other Games", false, true},
        {"Multi Player Card Games", false, true},
        {"hearts", false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell::gameByText(c.text) != nullptr, c.game) << c.text;
        EXPECT_EQ(shell::groupByText(c.text) != nullptr, c.group) << c.text;
    }
    EXPECT_EQ(shell::gameByText("Card Memorization")->picture, "cardmemscorepic");
}

// Each game library the build found opens at least one window of its own from the catalog.
TEST(Catalog, EveryBuiltGameOpensItsWindow) {
    std::set<shell::Opener> openers;
    for (const auto& game : shell::games())
        if (game.open) openers.insert(game.open);
    EXPECT_GE(openers.size(), std::size_t{GP_GAME_LIBRARIES});
    for (std::string_view text : {
             "Accordion",
             "Backgammon",
             "Calculation",
             "Card Memorization",
             "Card Memorization (Big)",
             "Card Memorization (Small)",
             "Color Memorization",
             "Crazy 8s",
             "Euchre",
             "Fore and Aft",
             "Forty Thieves",
             "Gin Rummy",
             "Golf",
             "Hangman",
             "Hearts",
             "Interlock Puzzle",
             "Nestor",
             "Sea War",
             "Spades",
             "Tic-Tac-Toe",
             "Towers of Hanoi (Small)",
             "Towers of Hanoi (Medium)",
             "Towers of Hanoi (Large)",
             "War",
         })
        EXPECT_NE(shell::gameByText(text)->open, nullptr) << text;
}

// The chooser draws a picture for exactly the games it lists, in the same order.
TEST(Catalog, TheArtDrawsThePictureOfEveryGameInTheCatalogsOrder) {
    std::vector<std::string_view> catalog;
    for (const GameEntry& game : shell::games()) catalog.push_back(game.picture);
    std::vector<std::string_view> drawn;
    for (const art::GamePictureInfo& info : art::gamePictures()) drawn.push_back(info.name);
    EXPECT_EQ(drawn, catalog);
}

}  // namespace
