#include "platform/registry.h"
#include "platform/when_shown.h"

#include "platform/form.h"
#include "platform/input.h"

#include <QApplication>
#include <QEvent>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>

namespace platform {

// The registry's view of a window: loading and forced unloading.
class Registry {
public:
    static void forceUnload(Form& form) { form.unload(false); }
};

namespace {

struct Entry {
    std::type_index type;
    std::unique_ptr<Form> form;
};

struct State {
    std::vector<Entry> forms;             // loading order
    std::vector<Form*> recent;            // most recently active first
    Form* active = nullptr;
    Form* pending = nullptr;              // to become active after the current handler
    Form* expectedBySystem = nullptr;     // the window we last asked Qt to activate
    std::vector<Form*> inCharge;          // windows whose handlers run, innermost last
    // A disabled window and the windows that hold it so, in the order they took it.
    std::unordered_map<const Form*, std::vector<Form*>> holders;
    std::vector<std::shared_ptr<void>> graveyard;
    std::deque<std::function<void()>> calls;  // run after the current handler, before activation
    int depth = 0;
    std::uint64_t actions = 0;            // outermost handlers entered so far
    bool posted = false;
    bool checkEnd = false;
    bool followUser = true;
    bool ending = false;
    std::function<void()> quitHook;
};

State& state() {
    static State s;
    return s;
}

void forgetRecent(Form* form) {
    auto& r = state().recent;
    r.erase(std::remove(r.begin(), r.end(), form), r.end());
}

Form* mostRecentVisible() {
    for (Form* f : state().recent)
        if (f->isLoaded() && f->Visible) return f;
    return nullptr;
}

bool anyVisible() {
    return std::any_of(state().forms.begin(), state().forms.end(),
                       [](const Entry& e) { return e.form->Visible.get(); });
}

// Only when the window system's own activation is followed: tests run without one.
void bringToFront(Form& form) {
    if (!state().followUser) return;
    QWidget* w = form.topLevel();
    w->raise();
    state().expectedBySystem = &form;
    w->activateWindow();
}

Form* windowInCharge() { return state().inCharge.empty() ? nullptr : state().inCharge.back(); }

void hold(const Form& owner, Form* holder) {
    if (!holder || holder == &owner) return;
    auto& list = state().holders[&owner];
    std::erase(list, holder);
    list.push_back(holder);
}

// The windows to bring forward, in order, for a disabled one: the last window that took hold of it
// and shows, and, while that one is held in turn, the window holding it (a game, then its dialog
// over the main window). Empty when no window that shows holds it.
std::vector<Form*> holdersOf(const Form& form) {
    State& s = state();
    std::vector<Form*> chain;
    const Form* current = &form;
    while (chain.size() <= s.forms.size()) {
        const auto found = s.holders.find(current);
        if (found == s.holders.end()) return {};
        Form* holder = nullptr;
        for (Form* h : found->second)
            if (h->isLoaded() && h->Visible) holder = h;
        if (!holder) return {};
        chain.push_back(holder);
        if (holder->Enabled) return chain;
        current = holder;
    }
    return {};
}

// Above the window the window system has just raised; the last of them then becomes active.
void raiseAll(const std::vector<Form*>& windows) {
    if (!state().followUser) return;
    for (Form* w : windows) w->topLevel()->raise();
}

void activateNow() {
    State& s = state();
    Form* target = s.pending;
    s.pending = nullptr;
    if (!target || !target->isLoaded() || !target->Visible) return;
    bringToFront(*target);
    if (target == s.active) return;
    s.active = target;
    forgetRecent(target);
    s.recent.insert(s.recent.begin(), target);
    detail::HandlerGuard guard(target);
    target->Form_Activate();
}

void disposeGraveyard() {
    auto dead = std::move(state().graveyard);
    state().graveyard.clear();
    dead.clear();
}

void endIfNoneVisible() {
    State& s = state();
    s.checkEnd = false;
    if (anyVisible()) return;
    if (s.quitHook) {
        s.quitHook();
        return;
    }
    QCoreApplication::quit();
}

void choosePendingAfterLeaving(Form& form) {
    State& s = state();
    if (s.pending == &form) s.pending = nullptr;
    if (s.active == &form) s.active = nullptr;
    if (!s.active && !s.pending) s.pending = mostRecentVisible();
    s.checkEnd = true;
    detail::schedulePosted();
}

// The user's own switching between the program's windows: a click into another window, or the
// system activating one we did not ask for.
class UserActivation : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!state().followUser || !watched->isWidgetType()) return false;
        QWidget* top = static_cast<QWidget*>(watched)->window();
        Form* form = formOf(top);
        if (!form) return false;
        if (event->type() == QEvent::MouseButtonPress) detail::userActivated(*form);
        if (event->type() == QEvent::WindowActivate && watched == top) systemActivated(*form);
        return false;
    }

private:
    static Form* formOf(QWidget* top) {
        for (const Entry& e : state().forms)
            if (e.form->topLevel() == top) return e.form.get();
        return nullptr;
    }
    static void systemActivated(Form& form) {
        State& s = state();
        if (s.expectedBySystem) {
            if (s.expectedBySystem == &form) s.expectedBySystem = nullptr;
            return;
        }
        if (!s.pending) detail::userActivated(form);
    }
};

void watchUserActivation() {
    static UserActivation* filter = nullptr;
    if (filter || !qApp) return;
    filter = new UserActivation;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace

namespace detail {

HandlerGuard::HandlerGuard(Form* inCharge) : charged_(inCharge != nullptr) {
    enterHandler();
    takeCharge(inCharge);
}

HandlerGuard::~HandlerGuard() {
    if (charged_) state().inCharge.pop_back();
    leaveHandler();
}

void enterHandler() {
    if (state().depth++ == 0) ++state().actions;
}

std::uint64_t currentAction() { return state().actions; }

void leaveHandler() {
    State& s = state();
    if (--s.depth == 0 && (!s.graveyard.empty() || !s.calls.empty() || s.pending || s.checkEnd))
        schedulePosted();
}

bool inHandler() { return state().depth > 0; }

void schedulePosted() {
    State& s = state();
    if (s.posted || !QCoreApplication::instance()) return;
    s.posted = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            state().posted = false;
            runPosted();
        },
        Qt::QueuedConnection);
}

void disposeLater(std::unique_ptr<Control> control) {
    if (!inHandler()) return;  // destroyed here and now
    state().graveyard.push_back(std::shared_ptr<Control>(std::move(control)));
    schedulePosted();
}

void disposeFormLater(std::unique_ptr<Form> form) {
    if (!inHandler()) return;
    state().graveyard.push_back(std::shared_ptr<Form>(std::move(form)));
    schedulePosted();
}

void requestActivation(Form& form) {
    state().pending = &form;
    schedulePosted();
}

void formHidden(Form& form) { choosePendingAfterLeaving(form); }

void takeCharge(Form* form) {
    if (form) state().inCharge.push_back(form);
}

void leaveCharge(Form* form) {
    if (form) state().inCharge.pop_back();
}

void formEnabled(Form& form, bool enabled) {
    if (enabled)
        state().holders.erase(&form);
    else
        hold(form, windowInCharge());
}

void formUnloaded(Form& form) {
    State& s = state();
    input::forget(&form);
    s.holders.erase(&form);
    for (auto& [owner, list] : s.holders) std::erase(list, &form);
    forgetRecent(&form);
    if (s.expectedBySystem == &form) s.expectedBySystem = nullptr;
    choosePendingAfterLeaving(form);
    auto it = std::find_if(s.forms.begin(), s.forms.end(), [&](const Entry& e) { return e.form.get() == &form; });
    if (it == s.forms.end()) return;
    std::unique_ptr<Form> owned = std::move(it->form);
    s.forms.erase(it);
    disposeFormLater(std::move(owned));
    // Qt's style keeps pictures of buttons and icons keyed by each widget's own palette, which no
    // later window shares: without this the cache would grow with every window opened, to its limit.
    QPixmapCache::clear();
}

// A click on a window that another window of the program has disabled brings that other window to
// the front, as a window waiting on its dialog does on the desktop.
void userActivated(Form& form) {
    if (!form.isLoaded() || !form.Visible) return;
    if (!form.Enabled) {
        const std::vector<Form*> holders = holdersOf(form);
        raiseAll(holders);
        if (!holders.empty()) requestActivation(*holders.back());
        return;
    }
    if (&form != state().active) requestActivation(form);
}

bool followsUserActivation() { return state().followUser; }

Form& touch(std::type_index type, std::unique_ptr<Form> (*make)()) {
    if (Form* found = find(type)) return *found;
    watchUserActivation();
    std::unique_ptr<Form> made = make();
    Form& form = *made;
    state().forms.push_back({type, std::move(made)});
    form.markLoaded();
    HandlerGuard guard(&form);
    form.Form_Load();
    return form;
}

Form* find(std::type_index type) {
    for (const Entry& e : state().forms)
        if (e.type == type) return e.form.get();
    return nullptr;
}

}  // namespace detail

std::vector<Form*> loadedForms() {
    std::vector<Form*> forms;
    for (const Entry& e : state().forms) forms.push_back(e.form.get());
    return forms;
}

Form* activeForm() { return state().active; }

void unloadAll() {
    State& s = state();
    s.ending = true;
    while (!s.forms.empty()) Registry::forceUnload(*s.forms.back().form);
    s.ending = false;
    s.active = s.pending = s.expectedBySystem = nullptr;
    s.recent.clear();
    s.holders.clear();
    s.calls.clear();
    s.checkEnd = false;
    if (!detail::inHandler()) disposeGraveyard();
}

void runPosted() {
    State& s = state();
    if (s.depth > 0) return;
    for (int round = 0; round < 1000; ++round) {
        if (!s.calls.empty()) {
            const std::function<void()> call = std::move(s.calls.front());
            s.calls.pop_front();
            detail::HandlerGuard guard;
            call();
            continue;
        }
        if (s.pending) {
            activateNow();
            continue;
        }
        if (!s.graveyard.empty()) {
            disposeGraveyard();
            continue;
        }
        if (!s.checkEnd) return;
        endIfNoneVisible();
    }
}

bool runEnding() { return state().ending; }

void afterHandler(std::function<void()> call) {
    if (!detail::inHandler()) {
        detail::HandlerGuard guard;
        call();
        return;
    }
    state().calls.push_back(std::move(call));
    detail::schedulePosted();
}

namespace {

int& waitingShownWork() {
    static int waiting = 0;
    return waiting;
}

// Starts the timer once the watched widget has painted: until the window is mapped and painted, a
// zero-interval timer could time out ahead of the window system's answer and delay both.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* watched, QTimer* timer) : QObject(timer), timer_(timer) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !timer_->isActive()) {
            watched->removeEventFilter(this);
            timer_->start(0);
        }
        return false;
    }

private:
    QTimer* timer_;
};

}  // namespace

bool shownWorkWaits() { return waitingShownWork() > 0; }

namespace {

// The timer lives in the window's widget, so it goes with the window; an unloaded window waiting for
// its disposal is gone too.
QTimer* workTimer(Form& form, std::function<void()> call) {
    auto* timer = new QTimer(form.topLevel());
    ++waitingShownWork();
    const auto waits = std::make_shared<bool>(true);
    const auto done = [waits] {
        if (!*waits) return;
        *waits = false;
        --waitingShownWork();
    };
    QObject::connect(timer, &QObject::destroyed, done);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [&form, timer, done, call = std::move(call)] {
        done();
        timer->deleteLater();
        if (!form.isLoaded()) return;
        detail::HandlerGuard guard;
        call();
    });
    return timer;
}

}  // namespace

void whenShown(Form& form, std::function<void()> call) {
    // A zero-interval timer times out only after the window system's events already waiting.
    workTimer(form, std::move(call))->start(0);
}

void whenPainted(Form& form, std::function<void()> call) {
    QTimer* timer = workTimer(form, std::move(call));
    if (form.topLevel()->testAttribute(Qt::WA_Mapped))
        timer->start(0);
    else
        new AfterFirstPaint(form.canvas(), timer);
}

void setQuitHook(std::function<void()> hook) { state().quitHook = std::move(hook); }

void setFollowUserActivation(bool on) { state().followUser = on; }

void lockWindow(Form& owner) {
    hold(owner, windowInCharge());
    owner.Enabled = false;
}

void releaseWindow(Form& owner) {
    State& s = state();
    if (Form* releasing = windowInCharge(); releasing && s.holders.contains(&owner)) {
        std::erase(s.holders[&owner], releasing);
        if (!s.holders[&owner].empty()) return;
    }
    owner.Enabled = true;
}

void userActivate(Form& form) {
    detail::userActivated(form);
    detail::schedulePosted();
}

}  // namespace platform
