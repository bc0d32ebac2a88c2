#include "support/window_test.h"

#include "core/chance.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/scheduler.h"
#include "platform/services.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <string>

namespace gp {
namespace {

using platform::Control;
using platform::Form;

using Point = ClientPoint;

Point centre(const Control& c) { return {c.windowX() + c.Width / 2, c.windowY() + c.Height / 2}; }

// A point where the control is the frontmost one under the pointer, its centre if possible.
std::optional<Point> exposedPoint(Control& c) {
    Form& form = c.form();
    const auto frontmost = [&](Point p) { return platform::input::hitTest(form, p.x, p.y) == &c; };
    if (frontmost(centre(c))) return centre(c);
    constexpr int kSteps = 24;
    for (int i = 0; i < kSteps; ++i)
        for (int j = 0; j < kSteps; ++j) {
            const Point p{c.windowX() + (i + 0.5) * c.Width / kSteps, c.windowY() + (j + 0.5) * c.Height / kSteps};
            if (frontmost(p)) return p;
        }
    return std::nullopt;
}

std::string name(const Control* c) { return c ? c->describe() : "the window's background"; }

// A drop outside the client area lands nowhere, as the user's would.
bool inClient(const Form& form, Point p) {
    const QWidget* canvas = form.canvas();
    const double width = canvas->width() * platform::kTwipsPerPixel;
    const double height = canvas->height() * platform::kTwipsPerPixel;
    return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height;
}

void expectInClient(const Form& form, Point p, const std::string& what) {
    if (!inClient(form, p))
        ADD_FAILURE() << "the drop onto " << what << " at " << p.x << ", " << p.y
                      << " lies outside the window's client area";
}

bool usable(const Form& form, const std::string& what) {
    if (!form.isLoaded()) {
        ADD_FAILURE() << what << ": its window is not loaded";
        return false;
    }
    if (!form.Visible) {
        ADD_FAILURE() << what << ": its window is hidden";
        return false;
    }
    return true;
}

// Where the user would press the control: where it shows; hidden or disabled ones at their centre.
std::optional<Point> pressPoint(Control& c) {
    if (!c.takesPointer()) return centre(c);
    if (auto p = exposedPoint(c)) return p;
    ADD_FAILURE() << name(&c) << " is covered everywhere, at its centre by "
                  << name(platform::input::hitTest(c.form(), centre(c).x, centre(c).y));
    return std::nullopt;
}

}  // namespace

std::optional<ClientPoint> reachablePoint(Control& control) {
    if (!control.takesPointer()) return std::nullopt;
    return exposedPoint(control);
}

void WindowTest::SetUp() {
    folder_.emplace(ProgramFolder::Storage::MemoryIfAvailable);
    platform::setScreenSize(platform::ScreenSize{1024, 768});
    core::setFixedSeed(20240611u);
    core::Randomize();
    platform::scheduler::useVirtualClock(true);
    platform::setFollowUserActivation(false);
    platform::setQuitHook([this] { ended_ = true; });
}

void WindowTest::TearDown() {
    platform::unloadAll();
    settle();
    boxes.verifyAllUsed();
    // A test stopped by a failure between making writes fail and ending that leaves them failing;
    // the next test of the same program must not inherit them.
    platform::setWriteFaults({});
    platform::setQuitHook({});
    platform::setFollowUserActivation(true);
    platform::scheduler::useVirtualClock(false);
    core::setFixedSeed(std::nullopt);
    platform::setScreenSize(std::nullopt);
    folder_.reset();
}

void WindowTest::click(Control& control) {
    Form& form = control.form();
    if (!usable(form, "click on " + name(&control))) return;
    const auto p = pressPoint(control);
    if (!p) return;
    platform::input::press(form, p->x, p->y, platform::vbLeftButton);
    platform::input::release(form, p->x, p->y, platform::vbLeftButton);
    settle();
}

void WindowTest::slowClick(Control& control, int holdMs) {
    Form& form = control.form();
    if (!usable(form, "slow click on " + name(&control))) return;
    const auto p = pressPoint(control);
    if (!p) return;
    platform::input::press(form, p->x, p->y, platform::vbLeftButton);
    advance(holdMs);
    platform::input::release(form, p->x, p->y, platform::vbLeftButton);
    settle();
}

void WindowTest::clickAt(Form& form, double x, double y) {
    if (!usable(form, "click on a window")) return;
    platform::input::press(form, x, y, platform::vbLeftButton);
    platform::input::release(form, x, y, platform::vbLeftButton);
    settle();
}

void WindowTest::mouseMove(Control& control) {
    Form& form = control.form();
    if (!usable(form, "mouse move onto " + name(&control))) return;
    const auto p = pressPoint(control);
    if (!p) return;
    platform::input::move(form, p->x, p->y);
    settle();
}

void WindowTest::drag(Control& source, Control& target, std::optional<double> x, std::optional<double> y) {
    Form& form = source.form();
    if (!usable(form, "drag of " + name(&source))) return;
    const auto from = pressPoint(source);
    if (!from) return;
    const Point to{target.windowX() + x.value_or(target.Width / 2), target.windowY() + y.value_or(target.Height / 2)};
    platform::input::move(form, from->x, from->y);
    platform::input::press(form, from->x, from->y, platform::vbLeftButton);
    platform::input::move(form, to.x, to.y, platform::vbLeftButton);
    expectInClient(form, to, name(&target));
    // Checked at the release: the press may have brought a drop zone to the front.
    Control* front = platform::input::hitTest(form, to.x, to.y);
    if (front != &target)
        ADD_FAILURE() << "the drop onto " << name(&target) << " lands on " << name(front);
    platform::input::release(form, to.x, to.y, platform::vbLeftButton);
    settle();
}

void WindowTest::dragTo(Control& source, double x, double y) {
    Form& form = source.form();
    if (!usable(form, "drag of " + name(&source))) return;
    const auto from = pressPoint(source);
    if (!from) return;
    platform::input::move(form, from->x, from->y);
    platform::input::press(form, from->x, from->y, platform::vbLeftButton);
    platform::input::move(form, x, y, platform::vbLeftButton);
    expectInClient(form, {x, y}, name(nullptr));
    if (Control* front = platform::input::hitTest(form, x, y))
        ADD_FAILURE() << "the drop onto the window's background lands on " << name(front);
    platform::input::release(form, x, y, platform::vbLeftButton);
    settle();
}

void WindowTest::chooseMenu(platform::Menu& item) {
    item.userChoose();
    settle();
}

void WindowTest::close(Form& form) {
    if (!form.isLoaded()) {
        ADD_FAILURE() << "closing a window that is not loaded";
        return;
    }
    form.topLevel()->close();
    settle();
}

void WindowTest::doubleClick(platform::ListBox& list) {
    if (!usable(list.form(), "double-click on " + name(&list))) return;
    if (list.takesPointer()) list.userDoubleClick();
    settle();
}

void WindowTest::clickNode(platform::TreeView& tree, std::string_view text) {
    if (!usable(tree.form(), "click in " + name(&tree))) return;
    for (int i = 1; i <= tree.Count(); ++i) {
        platform::Node& node = tree.Nodes(i);
        if (node.Text.get() != text) continue;
        if (tree.takesPointer()) tree.userClickNode(&node);
        settle();
        return;
    }
    ADD_FAILURE() << "no entry \"" << text << "\" in the tree";
}

void WindowTest::keyUp(platform::TreeView& tree, int keyCode) {
    if (!usable(tree.form(), "key on " + name(&tree))) return;
    if (tree.takesPointer()) tree.userKeyUp(keyCode);
    settle();
}

void WindowTest::advance(int ms) {
    // From one tick's time to the next, so that what a tick posts runs before the next tick, as in a
    // run, and at the time of the tick that posted it.
    namespace scheduler = platform::scheduler;
    const std::int64_t end = scheduler::now() + std::max(ms, 0);
    for (auto due = scheduler::nextDue(); ms > 0 && due && *due <= end; due = scheduler::nextDue()) {
        scheduler::advance(static_cast<int>(std::max<std::int64_t>(*due - scheduler::now(), 0)));
        platform::runPosted();
    }
    scheduler::advance(static_cast<int>(end - scheduler::now()));
    settle();
}

void WindowTest::settle() {
    QCoreApplication::processEvents();
    platform::runPosted();
}

void WindowTest::setScreen(int widthPx, int heightPx) { platform::setScreenSize(platform::ScreenSize{widthPx, heightPx}); }

namespace {
std::vector<std::string> captions(const QList<QAction*>& actions) {
    std::vector<std::string> texts;
    for (QAction* a : actions) texts.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return texts;
}
}  // namespace

std::vector<std::string> menuCaptions(platform::Form& window) { return captions(window.menuBar()->actions()); }

std::vector<std::string> menuCaptions(platform::Menu& menu) {
    return menu.action()->menu() ? captions(menu.action()->menu()->actions()) : std::vector<std::string>{};
}

}  // namespace gp
