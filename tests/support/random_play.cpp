#include "support/random_play.h"

#include "platform/controls.h"
#include "platform/input.h"
#include "platform/services.h"

#include <QWidget>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

namespace gp {
namespace {

using platform::Control;
using platform::Form;

std::vector<PlayedWindow>& registry() {
    static std::vector<PlayedWindow> windows;
    return windows;
}

const PlayedWindow* rulesOf(const Form& form) {
    for (const PlayedWindow& w : registry())
        if (w.type == std::type_index(typeid(form))) return &w;
    return nullptr;
}

std::string nameOf(const Form& form) {
    if (const PlayedWindow* w = rulesOf(form)) return w->name;
    return form.Caption.get().empty() ? typeid(form).name() : form.Caption.get();
}

std::vector<Form*> visibleForms() {
    std::vector<Form*> forms;
    for (Form* f : platform::loadedForms())
        if (f->Visible) forms.push_back(f);
    return forms;
}

void collect(const platform::Container& container, std::vector<Control*>& into) {
    for (const auto* layer : {&container.lightControls(), &container.windowedControls()})
        for (Control* c : *layer) {
            into.push_back(c);
            if (const auto* inner = dynamic_cast<const platform::Container*>(c)) collect(*inner, into);
        }
}

std::vector<Control*> controlsOf(const Form& form) {
    std::vector<Control*> all;
    collect(form, all);
    return all;
}

int runningTimers(const Form& form) {
    return static_cast<int>(std::ranges::count_if(form.timers(), [](const platform::Timer* t) { return t->running(); }));
}

// Whether the user can do something with the control when it is reachable: a handler to run, or a
// control that acts by itself (buttons, lists, the tree, a page with links).
bool actionable(const Control& c) {
    if (c.Click || c.DragDrop || c.MouseMove || c.DragMode == platform::vbAutomatic) return true;
    return !c.isLight() && !dynamic_cast<const platform::Frame*>(&c) && !dynamic_cast<const platform::TextBox*>(&c) &&
           !dynamic_cast<const platform::RichTextBox*>(&c);
}

bool usableMenu(const platform::Menu& m) { return m.Caption.get() != "-" && m.Click; }

// A window answers when the user can use one of its controls or menu items, or one of its timers
// runs and will change what it shows. A window built with neither (a score card) answers with its
// close box.
bool answers(Form& form) {
    if (runningTimers(form) > 0) return true;
    bool any = false;
    for (const platform::Menu* m : form.menus()) {
        if (!usableMenu(*m)) continue;
        if (m->reachable()) return true;
        any = true;
    }
    for (Control* c : controlsOf(form)) {
        if (!actionable(*c)) continue;
        any = true;
        if (reachablePoint(*c)) return true;
    }
    return !any;
}

enum class Gesture { Click, Drag, Move, Menu, Advance, Close, Reopen };

// Mostly what a player does on a table; now and then a window closes or the program restarts.
const std::discrete_distribution<int>& usualGestures() {
    static const std::discrete_distribution<int> weights{96, 24, 16, 6, 48, 1, 1};
    return weights;
}

Gesture chooseGesture(std::mt19937& r, const std::discrete_distribution<int>& weights) {
    auto w = weights;
    return static_cast<Gesture>(w(r));
}

template <class T>
T* any(std::mt19937& r, const std::vector<T*>& items) {
    if (items.empty()) return nullptr;
    return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(r)];
}

int below(std::mt19937& r, int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(r); }

std::string describe(const Control& c) { return nameOf(c.form()) + ": " + c.describe(); }

std::string menuPath(const platform::Menu& m) {
    return (m.parent() ? menuPath(*m.parent()) + " > " : nameOf(m.form()) + ": ") + m.Caption.get();
}

}  // namespace

std::string everyCodeOnce(std::span<const std::int16_t> order, int cards) {
    std::vector<int> seen(static_cast<std::size_t>(cards) + 1);
    for (int at = 1; at <= cards; ++at) {
        const int code = order[static_cast<std::size_t>(at)];
        if (code < 1 || code > cards) return "position " + std::to_string(at) + " holds no card code";
        if (++seen[static_cast<std::size_t>(code)] > 1) return "card code " + std::to_string(code) + " is dealt twice";
    }
    return {};
}

const std::vector<PlayedWindow>& playedWindows() { return registry(); }

bool addPlayedWindow(PlayedWindow window) {
    registry().push_back(std::move(window));
    return true;
}

struct RandomPlayTest::Step {
    Gesture gesture;
    std::uint32_t pick;  // seeds every choice the step makes, so a step plays the same in any replay
};

struct RandomPlayTest::Outcome {
    std::string broken;              // empty: every rule held
    std::size_t at = 0;              // the step after which it broke
    std::vector<std::string> said;   // what each step did, when asked for
};

namespace {

std::string ruleOf(const std::string& broken) { return broken.substr(0, broken.find(':')); }

struct Choice {
    Form* form;
    bool homeShown;
};

// The user plays mostly in the window the run is about, sometimes in the active one or any other,
// and now and then clicks into a window that another holds disabled.
Choice chooseWindow(std::mt19937& r, std::type_index homeType) {
    const std::vector<Form*> shown = visibleForms();
    std::vector<Form*> usable;
    Form* home = nullptr;
    bool homeShown = false;
    for (Form* f : shown) {
        if (f->Enabled) usable.push_back(f);
        if (std::type_index(typeid(*f)) != homeType) continue;
        homeShown = true;
        if (f->Enabled) home = f;
    }
    Form* active = platform::activeForm();
    const int choice = below(r, 20);
    if (choice < 11 && home) return {home, homeShown};
    if (choice < 16 && active && active->Visible) return {active, homeShown};
    if (choice < 19 && !usable.empty()) return {any(r, usable), homeShown};
    return {any(r, shown), homeShown};
}

std::vector<platform::Menu*> reachableMenus(const Form& form) {
    std::vector<platform::Menu*> items;
    for (platform::Menu* m : form.menus())
        if (usableMenu(*m) && m->reachable()) items.push_back(m);
    return items;
}

void chooseMenu(platform::Menu& m, std::ostringstream& what) {
    what << "menu " << menuPath(m);
    m.userChoose();
}

void clickAt(Form& form, ClientPoint at) {
    platform::input::press(form, at.x, at.y, platform::vbLeftButton);
    platform::input::release(form, at.x, at.y, platform::vbLeftButton);
}

// What the gesture may be aimed at: mostly what does something when used, now and then anything
// that shows. Half the time the player makes a move the game suggests, where it suggests any: a
// click on one, or a drag from one that can be dragged onto one that cannot (its drop zones).
std::vector<Control*> targets(Form& form, Gesture gesture, std::mt19937& r, std::vector<Control*>& dropZones) {
    const bool anything = below(r, 5) == 0;
    std::vector<Control*> reachable, draggable;
    for (Control* c : controlsOf(form)) {
        if (!c->takesPointer() || !(anything || actionable(*c))) continue;
        reachable.push_back(c);
        if (c->DragMode == platform::vbAutomatic) draggable.push_back(c);
    }
    if (gesture == Gesture::Drag && !draggable.empty()) reachable = draggable;
    if (const PlayedWindow* rules = rulesOf(form); rules && rules->moves && below(r, 2)) {
        std::vector<Control*> moves, sources;
        for (Control* c : rules->moves(form)) {
            if (!c->takesPointer()) continue;
            (c->DragMode == platform::vbAutomatic ? sources : dropZones).push_back(c);
            moves.push_back(c);
        }
        if (gesture == Gesture::Drag && !sources.empty()) moves = sources;
        if (!moves.empty()) reachable = moves;
    }
    // Buttons, lists and boxes are what a window asks the user to use: each counts as six cards.
    std::vector<Control*> weighted;
    for (Control* c : reachable) weighted.insert(weighted.end(), c->isLight() ? 1 : 6, c);
    std::shuffle(weighted.begin(), weighted.end(), r);
    return weighted;
}

// A drag onto a drop zone, another control where it shows, or anywhere in the window.
void drag(Form& form, Control& source, ClientPoint from, const std::vector<Control*>& others,
          const std::vector<Control*>& dropZones, ClientPoint anywhere, std::mt19937& r, std::ostringstream& what) {
    std::optional<ClientPoint> to;
    if (Control* zone = any(r, dropZones)) {
        const PlayedWindow* rules = rulesOf(form);
        if (rules && rules->dropAt) to = rules->dropAt(form, source, from, below(r, 1000));
        if (!to) to = reachablePoint(*zone);
    }
    if (Control* onto = any(r, others); !to && onto && below(r, 3)) to = reachablePoint(*onto);
    if (!to) to = anywhere;
    const Control* under = platform::input::hitTest(form, to->x, to->y);
    what << "drag " << describe(source) << " onto "
         << (under ? under->describe()
                   : "the background at " + std::to_string(int(to->x)) + ", " + std::to_string(int(to->y)));
    platform::input::move(form, from.x, from.y);
    platform::input::press(form, from.x, from.y, platform::vbLeftButton);
    platform::input::move(form, to->x, to->y, platform::vbLeftButton);
    platform::input::release(form, to->x, to->y, platform::vbLeftButton);
}

// A click as each kind of control takes one: a list entry, a drop-down entry, a tree entry or key.
void click(Form& form, Control& target, ClientPoint at, std::mt19937& r, std::ostringstream& what) {
    if (auto* list = dynamic_cast<platform::ListBox*>(&target)) {
        list->ListIndex = below(r, list->ListCount() + 1) - 1;
        const bool twice = below(r, 3) == 0;
        what << (twice ? "double-click " : "click ") << describe(*list) << " on entry " << list->ListIndex.get();
        if (twice)
            list->userDoubleClick();
        else
            clickAt(form, at);
    } else if (auto* combo = dynamic_cast<platform::ComboBox*>(&target)) {
        const int entry = below(r, combo->ListCount());
        what << "choose entry " << entry << " of " << describe(*combo);
        combo->userChoose(entry);
    } else if (auto* tree = dynamic_cast<platform::TreeView*>(&target); tree && below(r, 4) == 0) {
        static const int keys[] = {13, 32, 37, 38, 39, 40};
        const int key = keys[below(r, static_cast<int>(std::size(keys)))];
        what << "key " << key << " in " << describe(*tree);
        tree->userKeyUp(key);
    } else if (tree) {
        const int node = below(r, tree->Count() + 1);
        what << "click entry " << node << " of " << describe(*tree);
        tree->userClickNode(node ? &tree->Nodes(node) : nullptr);
    } else {
        what << "click " << describe(target);
        clickAt(form, at);
    }
}

// What the runs of the test have met so far: the prompts of the boxes shown, and what each of the
// windows' own gestures said it did.
std::set<std::string>* metSoFar = nullptr;

// The gesture in an enabled window the user has just clicked into.
void useWindow(Form& form, Gesture gesture, std::mt19937& r, std::ostringstream& what) {
    const std::vector<platform::Menu*> items = reachableMenus(form);
    if (gesture == Gesture::Close) {
        what << "close " << nameOf(form);
        form.topLevel()->close();
        return;
    }
    if (const PlayedWindow* rules = rulesOf(form); rules && rules->acts && below(r, 20) == 0) {
        const std::string did = rules->acts(form, r);
        if (metSoFar) metSoFar->insert(did);
        what << did;
        return;
    }
    if (const PlayedWindow* rules = rulesOf(form); gesture == Gesture::Click && rules && rules->dragged && below(r, 2))
        gesture = Gesture::Drag;
    if (gesture == Gesture::Menu) {
        if (platform::Menu* m = any(r, items))
            chooseMenu(*m, what);
        else
            what << "no menu item to choose in " << nameOf(form);
        return;
    }
    std::vector<Control*> dropZones;
    const std::vector<Control*> candidates = targets(form, gesture, r, dropZones);
    Control* target = nullptr;
    std::optional<ClientPoint> at;
    for (Control* c : candidates)
        if ((at = reachablePoint(*c))) {
            target = c;
            break;
        }
    const QWidget* canvas = form.canvas();
    const ClientPoint anywhere{below(r, canvas->width()) * 15.0, below(r, canvas->height()) * 15.0};
    if (target && gesture == Gesture::Move) {
        what << "the pointer moves onto " << describe(*target);
        platform::input::move(form, at->x, at->y);
    } else if (target && gesture == Gesture::Drag) {
        drag(form, *target, *at, candidates, dropZones, anywhere, r, what);
    } else if (target) {
        click(form, *target, *at, r, what);
    } else if (std::ranges::none_of(controlsOf(form), [](const Control* c) { return actionable(*c); }) && !items.empty() && below(r, 3)) {
        // A window with nothing to click but its menus (the main window) is used through them.
        chooseMenu(*any(r, items), what);
    } else if (items.empty() && below(r, 3) == 0) {
        // A window with nothing to use, such as a score card, is soon closed.
        what << "close " << nameOf(form);
        form.topLevel()->close();
    } else {
        what << "a click on the background of " << nameOf(form);
        clickAt(form, anywhere);
    }
}

// The box answers of the step being played.
std::mt19937* answering = nullptr;
std::string* answersSaid = nullptr;
std::vector<std::string> stepPrompts;

platform::BoxReply anyAnswer(const platform::BoxRequest& request) {
    std::mt19937& r = *answering;
    if (metSoFar) metSoFar->insert(request.prompt);
    stepPrompts.push_back(request.prompt);
    platform::BoxReply reply;
    std::string word;
    if (request.kind == platform::BoxRequest::Kind::Input) {
        static const char* texts[] = {"", "alpha", "Beta", "  ", "x*1*y", "*2*", "a name that is far too long", "Zoë"};
        reply.text = texts[below(r, static_cast<int>(std::size(texts)))];
        word = reply.text.empty() ? "Cancel" : '"' + reply.text + '"';
    } else if ((request.style & 7) == platform::vbYesNo) {
        reply.button = below(r, 2) ? platform::vbYes : platform::vbNo;
        word = reply.button == platform::vbYes ? "Yes" : "No";
    } else {
        word = "OK";
    }
    if (answersSaid) *answersSaid += "; box \"" + request.prompt + "\" answered " + word;
    return reply;
}

}  // namespace

const std::vector<std::string>& promptsOfStep() { return stepPrompts; }

void RandomPlayTest::startHome(const std::function<void()>& start) {
    start();
    if (homePainted_) return;
    for (Form* f : platform::loadedForms())
        if (std::type_index(typeid(*f)) == home_) f->topLevel()->setUpdatesEnabled(false);
}

void RandomPlayTest::perform(const Step& step, const std::function<void()>& start, std::string* said) {
    const std::vector<Form*> noted = platform::loadedForms();
    for (Form* f : noted)
        if (const PlayedWindow* rules = rulesOf(*f); rules && rules->before) rules->before(*f);
    stepPrompts.clear();
    std::mt19937 r(step.pick);
    answering = &r;
    answersSaid = said;
    std::ostringstream what;
    const Choice choice = chooseWindow(r, home_);
    // Once its window is closed, the user soon opens it again, as from the chooser.
    if (!choice.form || step.gesture == Gesture::Reopen || (!choice.homeShown && below(r, 5) == 0)) {
        startHome(start);
        what << "the program is started again";
    } else if (step.gesture == Gesture::Advance) {
        static const int spans[] = {15, 100, 400, 1000, 1000, 1000, 2500, 6000};
        const int ms = spans[below(r, static_cast<int>(std::size(spans)))];
        advance(ms);
        what << ms << " ms pass";
    } else {
        Form& form = *choice.form;
        platform::userActivate(form);
        settle();
        if (std::ranges::count(platform::loadedForms(), &form) == 0)
            what << "a click into a window that has just closed";
        else if (!form.Visible || !form.Enabled)
            what << "a click into " << nameOf(form) << ", which is disabled";
        else
            useWindow(form, step.gesture, r, what);
    }
    settle();
    // A window the step opened had nothing to note before it: it is held to how it opened, not to
    // what an earlier window of its kind (of another run, in another program folder) left noted.
    for (Form* f : platform::loadedForms())
        if (const PlayedWindow* rules = rulesOf(*f); rules && rules->before && std::ranges::count(noted, f) == 0)
            rules->before(*f);
    if (said) *said = what.str() + *said;
    answering = nullptr;
    answersSaid = nullptr;
}

std::string RandomPlayTest::broken() const {
    const std::vector<Form*> forms = platform::loadedForms();
    bool timerRuns = false;
    for (Form* f : forms) {
        const PlayedWindow* rules = rulesOf(*f);
        if (!rules) return std::string("rules: no play rules for the window \"") + f->Caption.get() + '"';
        const int running = runningTimers(*f);
        timerRuns = timerRuns || running > 0;
        if (running > rules->timers)
            return "timers: " + std::to_string(running) + " timers run at once in " + rules->name + ", at most " +
                   std::to_string(rules->timers) + " may";
        if (rules->holds)
            if (const std::string wrong = rules->holds(*f); !wrong.empty()) return rules->name + ": " + wrong;
        Form* owner = rules->locks ? rules->locks() : nullptr;
        if (owner && rules->keepsLock && owner->Enabled)
            return "lock: " + nameOf(*owner) + " is enabled while " + rules->name + ", which locks it, is open";
    }
    for (Form* f : forms) {
        if (f->Enabled || !f->Visible) continue;
        const bool held = std::ranges::any_of(forms, [&](Form* w) {
            const PlayedWindow* rules = rulesOf(*w);
            return rules->locks && rules->locks() == f;
        });
        if (!held) return "lock: " + nameOf(*f) + " stays disabled with no window open that locks it";
    }
    const std::vector<Form*> shown = visibleForms();
    if (!shown.empty() && !timerRuns && std::ranges::none_of(shown, [](Form* f) { return f->Enabled.get(); }))
        return "stuck: every window is disabled and no timer runs";
    for (Form* f : shown)
        if (f->Enabled && !answers(*f)) return "stuck: " + nameOf(*f) + " answers nothing and no timer of it runs";
    return {};
}

RandomPlayTest::Outcome RandomPlayTest::replay(const std::vector<Step>& steps, const std::function<void()>& start,
                                               bool describe) {
    TearDown();
    SetUp();
    boxes.answerWith(anyAnswer);
    metSoFar = &met_;
    Outcome outcome;
    testing::TestPartResultArray failures;
    testing::ScopedFakeTestPartResultReporter catcher(testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                                                      &failures);
    // A window may ask something as it first opens: answered by a generator of its own, so every
    // replay hears the same answers.
    std::mt19937 opening(0);
    answering = &opening;
    startHome(start);
    settle();
    answering = nullptr;
    // A run that crashes tells no seed's story; GP_PLAY_TRACE=1 prints each step as it is played.
    static const bool trace = std::getenv("GP_PLAY_TRACE") != nullptr;
    for (std::size_t i = 0; i < steps.size() && outcome.broken.empty(); ++i) {
        std::string said;
        perform(steps[i], start, describe || trace ? &said : nullptr);
        if (trace) std::cerr << "step " << i + 1 << ": " << said << std::endl;
        if (describe) outcome.said.push_back(said);
        outcome.at = i;
        if (failures.size() > 0)
            outcome.broken = std::string("failure: ") + failures.GetTestPartResult(0).message();
        else
            outcome.broken = broken();
    }
    boxes.answerWith({});
    metSoFar = nullptr;
    return outcome;
}

// Delta debugging: leave out ever smaller parts of the steps while the same rule still breaks. The
// replays are bounded, so a run that cannot be shortened quickly is reported as far as it got.
std::vector<RandomPlayTest::Step> RandomPlayTest::shorten(std::vector<Step> steps, const std::string& rule,
                                                         const std::function<void()>& start) {
    std::size_t budget = 60 * steps.size() + 20000;  // steps replayed, at most
    const auto fails = [&](const std::vector<Step>& tried) {
        if (tried.size() > budget) return false;
        budget -= tried.size();
        const Outcome o = replay(tried, start, false);
        return !o.broken.empty() && ruleOf(o.broken) == rule;
    };
    std::size_t parts = 2;
    while (steps.size() >= 2 && budget > 0) {
        const std::size_t size = (steps.size() + parts - 1) / parts;
        bool shorter = false;
        for (std::size_t from = 0; from < steps.size() && !shorter; from += size) {
            const auto begin = steps.begin() + static_cast<std::ptrdiff_t>(from);
            const auto end = steps.begin() + static_cast<std::ptrdiff_t>(std::min(from + size, steps.size()));
            const std::vector<Step> part(begin, end);
            std::vector<Step> rest(steps.begin(), begin);
            rest.insert(rest.end(), end, steps.end());
            if (parts > 2 && fails(part)) {
                steps = part;
                parts = 2;
                shorter = true;
            } else if (fails(rest)) {
                steps = rest;
                parts = std::max<std::size_t>(parts - 1, 2);
                shorter = true;
            }
        }
        if (shorter) continue;
        if (parts >= steps.size()) break;
        parts = std::min(parts * 2, steps.size());
    }
    return steps;
}

void RandomPlayTest::play(std::uint32_t seed, int count, std::type_index home, const std::function<void()>& start) {
    home_ = home;
    std::discrete_distribution<int> weights = usualGestures();
    for (const PlayedWindow& w : registry())
        if (w.type == home && !w.gestures.empty()) weights = std::discrete_distribution<int>(w.gestures.begin(), w.gestures.end());
    std::mt19937 choose(seed);
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i) steps.push_back({chooseGesture(choose, weights), static_cast<std::uint32_t>(choose())});
    const Outcome run = replay(steps, start, false);
    if (run.broken.empty()) return;
    steps.resize(run.at + 1);
    const std::vector<Step> shortest = shorten(steps, ruleOf(run.broken), start);
    const Outcome told = replay(shortest, start, true);
    std::ostringstream report;
    report << "Random play with seed " << seed << " broke a rule after step " << run.at + 1 << ":\n  " << run.broken
           << "\nThese " << shortest.size() << " steps break it too";
    if (!told.broken.empty()) report << " (\"" << told.broken << "\")";
    report << ":\n";
    for (std::size_t i = 0; i < told.said.size(); ++i) report << "  " << i + 1 << ". " << told.said[i] << '\n';
    ADD_FAILURE() << report.str();
}

}  // namespace gp
