#include "common/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string shipped(const std::string& relative) {
    std::ifstream in(std::filesystem::path(GP_DEFAULTS_DIR) / relative, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string relative(std::string_view name) {
    std::string path(name.substr(1));
    for (auto& c : path)
        if (c == '\\') c = '/';
    return path;
}

}  // namespace

TEST(ShippedDefaults, EverySoundSwitchStartsOn) {
    // Twenty-one switch names serve the twenty-four game windows.
    const char* switches[] = {
        "accordian", "backgammon", "calculation", "color", "crazy8s", "euchre", "foreaft",
        "fortythieves", "gin", "golf", "hangman", "hanoi", "hearts", "interlock", "memorycomp",
        "memoryscore", "nestor", "seawar", "spades", "tictactoe", "war",
    };
    for (const char* name : switches)
        EXPECT_EQ(shipped(relative(common::switchfile(name))), "YES\r\n") << name;
}

TEST(ShippedDefaults, ShellSettingsAsTheProgramWritesThem) {
    const std::pair<const char*, const char*> files[] = {
        {"jackrule.dat", "YES\r\n"},

        {"Data/carddeck.dat", "1\r\n"},
        {"Data/totalusers.dat", "0\r\n"},
        {"Data/users.dat", "\r\n"},
    };
    for (const auto& [file, bytes] : files) EXPECT_EQ(shipped(file), bytes) << file;
}

TEST(ShippedDefaults, MemoryGamesStartAtMediumWithTablesThatRealResultsBeat) {
    const std::pair<const char*, const char*> files[] = {
        {"conskill.dat", "MED\r\n"},
        {"colorspeed.dat", "MED\r\n"},
        {"Data/memoryscore1.dat", "300\r\n"},
        {"Data/memoryscore2.dat", "400\r\n"},
        {"Data/memoryscore3.dat", "500\r\n"},
        {"Data/colorscore1.dat", "3000\r\n"},
        {"Data/colorscore2.dat", "2000\r\n"},
        {"Data/colorscore3.dat", "1000\r\n"},
    };
    for (const auto& [file, bytes] : files) EXPECT_EQ(shipped(file), bytes) << file;
    for (const char* prefix : {"memory", "color"})
        for (int rank = 1; rank <= 3; ++rank) {
            const std::string name = shipped("Data/" + std::string(prefix) + "name" + std::to_string(rank) + ".dat");
            EXPECT_GT(name.size(), 2u) << prefix << rank;
            EXPECT_TRUE(name.ends_with("\r\n")) << prefix << rank;
        }
}

TEST(ShippedDefaults, EuchrePlaysToTen) { EXPECT_EQ(shipped("Data/euchreto.dat"), "10\r\n"); }

TEST(ShippedDefaults, GinPlaysToOneHundred) { EXPECT_EQ(shipped("Data/ginto.dat"), "100\r\n"); }

TEST(ShippedDefaults, ForeAftAllowsNoBackwardMoves) { EXPECT_EQ(shipped("backwards.dat"), "NO\r\n"); }

TEST(ShippedDefaults, SeaWarStartsInClassicWithARandomFirstMove) {
    EXPECT_EQ(shipped("seawartype.dat"), "Classic\r\n");
    EXPECT_EQ(shipped("battleshipfirst.dat"), "1\r\n");
}

TEST(ShippedDefaults, TicTacToePlaysAsXToThree) {
    EXPECT_EQ(shipped("tictacwhat.dat"), "X\r\n");
    EXPECT_EQ(shipped("tictacto.dat"), "3\r\n");
}

TEST(ShippedDefaults, HangmanHighScoresABeginnerCanBeat) {
    const std::pair<const char*, const char*> files[] = {
        {"Data/hangmanname1.dat", "Hazel\r\n"}, {"Data/hangmanscore1.dat", "6000\r\n"},
        {"Data/hangmanname2.dat", "Rufus\r\n"}, {"Data/hangmanscore2.dat", "4000\r\n"},
        {"Data/hangmanname3.dat", "Tilly\r\n"}, {"Data/hangmanscore3.dat", "2000\r\n"},
    };
    for (const auto& [file, bytes] : files) EXPECT_EQ(shipped(file), bytes) << file;
}
