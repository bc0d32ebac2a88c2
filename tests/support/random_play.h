#pragma once

#include "support/window_test.h"

#include "platform/form.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <span>
#include <string>
#include <typeindex>
#include <vector>

// The random-play run: a seeded stream of the user's gestures over every window the program shows
// (clicks and drags on what can be seen, menu choices, time passing, any box answered any way,
// windows closed and opened again), with what must always hold checked after each gesture. A run
// that breaks a rule fails with its seed and the shortest list of steps found that still breaks it.
//
// Every kind of window the run can meet registers its rules once, in its test file:
//
//   std::string golfHolds(golf& g) { ... return ""; }   // what is wrong, or nothing
//   const bool golfPlayed = gp::playRules<golf>("golf", {.locks = common::mainwindow, .holds = golfHolds});
namespace gp {

// What must hold of one kind of window, whatever the user does.
template <class T>
struct PlayRules {
    // Whether the run plays this window on its own (a game), or only meets it (a dialog).
    bool played = true;
    // The most of its timers that may run at once.
    int timers = 0;
    // The window it disables while it is loaded: the main window for a game, the game for its
    // dialog. Empty for a window that locks nothing.
    std::function<platform::Form*()> locks{};
    // False where the lock is taken once and any window may release it early (the log-in window and
    // the deck chooser: locks are not counted).
    bool keepsLock = true;
    // Its own invariants (every card code once, a turn that someone can take): what is wrong, or
    // empty text.
    std::function<std::string(T&)> holds{};
    // Optional: what a player would use now (the legal cards, the button that goes on). Half the
    // clicks in the window go to one of these, so that a run gets deep into a game.
    std::function<std::vector<platform::Control*>(T&)> moves{};
    // Optional: a gesture of its own that no click makes (a setting file changed behind the
    // program's back, a dialog closed with what its files must then hold checked). One in twenty of the
    // gestures in this window other than closing it plays it instead, with the step's own generator; it
    // says what it did, and a failed expectation inside it breaks the run like a broken rule.
    std::function<std::string(T&, std::mt19937&)> acts{};
    // Optional: called on the window before every step, to note what `holds` then compares with
    // (what a step may change, and what it may not); on a window the step opened, once it has opened.
    std::function<void(T&)> before{};
    // What its runs must meet between them: box prompts (a game's every ending), or the words of a
    // gesture of its own or of its dialogs' (`acts`) whose checks must have run; and how many seeds
    // the suite plays it from (a game whose moves are quick may ask for more).
    std::vector<std::string> reaches{};
    int seeds = 2;
    // Optional: where on its drop zone a player would let go of a suggested drag held at `from`
    // (client twips), with `pick` from 0 to 999 for any choice it makes; none for the zone's own
    // reachable point.
    std::function<std::optional<ClientPoint>(T&, platform::Control& source, ClientPoint from, int pick)> dropAt{};
    // Optional: how often each gesture comes in a run played in this window, as weights of click,
    // drag, pointer move, menu, time passing, close and restart. Empty: the run's usual mix.
    std::vector<int> gestures{};
    // A game played by dragging (discs onto pegs, cards onto cards), where a plain click moves
    // nothing: half the clicks in it are drags instead, so that its runs move as often as a
    // clicked game's.
    bool dragged = false;
};

// A registered window, its rules without its type.
struct PlayedWindow {
    std::string name;
    std::type_index type;
    bool played;
    int timers;
    std::function<platform::Form*()> locks;
    bool keepsLock;
    std::function<std::string(platform::Form&)> holds;
    std::function<std::vector<platform::Control*>(platform::Form&)> moves;
    std::function<std::string(platform::Form&, std::mt19937&)> acts;
    std::function<void(platform::Form&)> before;
    std::vector<std::string> reaches;
    int seeds;
    std::function<std::optional<ClientPoint>(platform::Form&, platform::Control&, ClientPoint, int)> dropAt;
    std::vector<int> gestures;
    bool dragged;
    std::function<void()> show;  // loads and shows it, as the chooser does
};

// What is wrong with a deal whose positions 1..cards must hold the card codes 1..cards once each
// (`order[0]` unused), or empty text.
std::string everyCodeOnce(std::span<const std::int16_t> order, int cards);

// The prompts of the boxes the step being played has shown, in order (for `holds`).
const std::vector<std::string>& promptsOfStep();

// Every registered window, in registration order.
const std::vector<PlayedWindow>& playedWindows();
bool addPlayedWindow(PlayedWindow window);

template <class T>
bool playRules(std::string name, PlayRules<T> rules) {
    std::function<std::string(platform::Form&)> holds;
    if (rules.holds) holds = [own = rules.holds](platform::Form& form) { return own(static_cast<T&>(form)); };
    std::function<std::vector<platform::Control*>(platform::Form&)> moves;
    if (rules.moves) moves = [own = rules.moves](platform::Form& form) { return own(static_cast<T&>(form)); };
    std::function<std::string(platform::Form&, std::mt19937&)> acts;
    if (rules.acts)
        acts = [own = rules.acts](platform::Form& form, std::mt19937& r) { return own(static_cast<T&>(form), r); };
    std::function<void(platform::Form&)> before;
    if (rules.before) before = [own = rules.before](platform::Form& form) { own(static_cast<T&>(form)); };
    std::function<std::optional<ClientPoint>(platform::Form&, platform::Control&, ClientPoint, int)> dropAt;
    if (rules.dropAt)
        dropAt = [own = rules.dropAt](platform::Form& form, platform::Control& source, ClientPoint from, int pick) {
            return own(static_cast<T&>(form), source, from, pick);
        };
    return addPlayedWindow({std::move(name), typeid(T), rules.played, rules.timers, std::move(rules.locks),
                            rules.keepsLock, std::move(holds), std::move(moves), std::move(acts), std::move(before),
                            std::move(rules.reaches), rules.seeds, std::move(dropAt), std::move(rules.gestures),
                            rules.dragged, [] { platform::window<T>().Show(); }});
}

// The fixture of a random-play test. Its SetUp and TearDown give each replay a fresh program.
class RandomPlayTest : public WindowTest {
protected:
    // Plays `steps` gestures chosen from `seed`, most of them in the window of type `home`. `start`
    // opens the run's windows, and opens them again whenever the user has closed them all. A broken
    // rule fails the test with the seed, the step and a shortened list of steps that still breaks it.
    void play(std::uint32_t seed, int steps, std::type_index home, const std::function<void()>& start);
    // Every box prompt and every word of an `acts` gesture the runs of this test have met, kept
    // across replays.
    const std::set<std::string>& met() const { return met_; }
    // From now on the run's home window is not painted whenever `start` opens it: for long runs
    // whose rules look at the table and the controls' properties, never at pixels (painting is most
    // of a step's time). The suite's own runs of every window still paint.
    void leaveHomeUnpainted() { homePainted_ = false; }

private:
    struct Step;
    struct Outcome;
    Outcome replay(const std::vector<Step>& steps, const std::function<void()>& start, bool describe);
    std::vector<Step> shorten(std::vector<Step> steps, const std::string& rule, const std::function<void()>& start);
    void perform(const Step& step, const std::function<void()>& start, std::string* said);
    std::string broken() const;
    std::type_index home_ = typeid(void);
    std::set<std::string> met_;
    bool homePainted_ = true;
    void startHome(const std::function<void()>& start);
};

}  // namespace gp
