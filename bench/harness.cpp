#include "bench/harness.h"


#include "core/chance.h"
#include "platform/boxes.h"
#include "platform/form.h"
#include "platform/scheduler.h"
#include "platform/services.h"
#include "platform/when_shown.h"
#include "shell/catalog.h"
#include "shell/form1.h"
#include "shell/form6.h"
#include "shell/hooks.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <iostream>

namespace bench {
namespace {

// The safest answer, as the user in a hurry would give it: OK, No, Cancel.
platform::BoxReply dismiss(const platform::BoxRequest& request) {
    if (request.kind == platform::BoxRequest::Kind::Input) return {platform::vbCancel, {}};
    return {(request.style & 7) == platform::vbYesNo ? platform::vbNo : platform::vbOK, {}};
}

// Remembers which widgets painted while it is installed.
class PaintWatch : public QObject {
public:
    PaintWatch() {
        painted_.reserve(64);
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool painted(const QObject* widget) const { return std::ranges::find(painted_, widget) != painted_.end(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_.push_back(watched);
        return false;
    }

private:
    std::vector<const QObject*> painted_;
};

platform::Form* newVisibleForm(const std::vector<platform::Form*>& before) {
    platform::Form* active = platform::activeForm();
    if (active && std::ranges::find(before, active) == before.end()) return active;
    for (platform::Form* form : platform::loadedForms())
        if (form->Visible && std::ranges::find(before, form) == before.end()) return form;
    return nullptr;
}

}  // namespace

ProgramRun::ProgramRun(Clock clock) {
    platform::setScreenSize(platform::ScreenSize{1024, 768});
    core::setFixedSeed(20240611u);
    platform::scheduler::useVirtualClock(clock == Clock::Virtual);
    // Offscreen there is no window system whose activation to follow (as in the window tests).
    platform::setFollowUserActivation(clock == Clock::Real);
    platform::setBoxHook(dismiss);
    platform::setSoundHook([](const std::filesystem::path&) {});
    platform::setBrowserHook([](const std::string&) { return true; });
    // The measuring program decides when it ends, not its last window.
    platform::setQuitHook([] {});
    shell::connect();
}

ProgramRun::~ProgramRun() {
    platform::unloadAll();
    settle();
    platform::setQuitHook({});
    platform::setBrowserHook({});
    platform::setSoundHook({});
    platform::setBoxHook({});
    platform::scheduler::useVirtualClock(false);
    platform::setFollowUserActivation(true);
    core::setFixedSeed(std::nullopt);
    platform::setScreenSize(std::nullopt);
}

void settle() {
    QCoreApplication::processEvents();
    platform::runPosted();
}

Opener chooser() {
    return {"chooser", [] { platform::window<Form1>().selectgame.userChoose(); }};
}

Opener game(std::string_view entry) {
    const shell::GameEntry* found = shell::gameByText(entry);
    Opener opener{std::string(entry), {}};
    if (found && found->open) opener.open = found->open;
    return opener;
}

std::vector<Opener> everyWindow() {
    std::vector<Opener> openers{chooser()};
    // Every game the chooser opens, so a new game is measured as soon as it has a window.
    for (const shell::GameEntry& entry : shell::games())
        if (entry.open) openers.push_back(game(entry.text));
    return openers;
}

// As the program starts (Form6), and, as the user's first click would come after it, once the work
// the main window leaves for after its first sight is done.
void showMainWindow() {
    platform::window<Form6>();
    const QDeadlineTimer deadline(10000);
    do settle();
    while (platform::shownWorkWaits() && !deadline.hasExpired());
}

platform::Form* openAndPaint(const Opener& opener) {
    const std::vector<platform::Form*> before = platform::loadedForms();
    PaintWatch watch;
    opener.open();
    settle();
    platform::Form* opened = newVisibleForm(before);
    if (!opened) {
        std::cerr << "bench: opening the " << opener.name << " showed no new window\n";
        return nullptr;
    }
    const QDeadlineTimer deadline(5000);
    while (!watch.painted(opened->canvas()) && !deadline.hasExpired()) settle();
    if (!watch.painted(opened->canvas())) {
        std::cerr << "bench: the " << opener.name << " window never painted\n";
        return nullptr;
    }
    return opened;
}

bool closeWindow(platform::Form& form) {
    const std::string caption = form.Caption;
    form.closeBox();
    settle();
    const std::vector<platform::Form*> forms = platform::loadedForms();
    if (std::ranges::find(forms, &form) == forms.end()) return true;
    std::cerr << "bench: the window \"" << caption << "\" stayed open\n";
    return false;
}

}  // namespace bench
