#pragma once

#include "platform/control.h"
#include "platform/controls.h"
#include "platform/screen_fit.h"

#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

class QWidget;

// Windows. Every window is a class derived from Form; the registry holds at most one of each.
//
//   class golf : public platform::Form {
//   public:
//       golf() { on(deck.Click, &golf::deck_Click); }
//   private:
//       platform::Image deck{*this};
//       void Form_Load() override;
//       void deck_Click();
//   };
//
//   platform::window<golf>().Show();   // creates and loads it when it is not loaded
namespace platform {

class FormWidget;

class Form : public Container, public PropertyOwner {
public:
    Form();
    virtual ~Form();

    Property<std::string> Caption{this};
    // The outer rectangle in twips; the client area is smaller by a fixed frame allowance.
    Property<double> Left{this, 0.0};
    Property<double> Top{this, 0.0};
    Property<double> Width{this, 4800.0};
    Property<double> Height{this, 3600.0};
    Property<bool> Enabled{this, true};
    Property<bool> Visible{this, false};  // setting it shows or hides the window
    Property<Color> BackColor{this, vbButtonFace};
    Property<platform::Picture> Picture{this};  // drawn unstretched from the top-left corner
    Property<platform::Picture> Icon{this};     // empty: the program's icon
    Property<int> MousePointer{this, vbDefault};
    Property<int> WindowState{this, vbNormal};
    Property<int> StartUpPosition{this, vbStartUpManual};
    Property<bool> MinButton{this, false};
    Property<bool> MaxButton{this, false};
    Property<bool> Sizable{this, false};

    // Shows the window (loading it first is the registry's job) and makes it the active window
    // once the current handler has returned.
    void Show();
    void Hide();
    // Runs Form_Unload, which may refuse (then false). An unloaded window is destroyed once the
    // handler that unloaded it has returned; the next window<T>() makes a fresh one.
    bool Unload();
    void ZOrder(int position = 0);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);

    // The client area below the menu bar, in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Sizes the window from the client area it must hold, for designs that give that area.
    void setClientSize(double width, double height);
    // Where on the screen a control of this window may show, whether or not a window manager
    // frames the window: its place plus room for the frame and a title bar.
    ScreenRect screenArea(const Control& control) const;
    bool isLoaded() const { return loaded_; }

    // Events. Form_Activate runs when the window becomes the active program window.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual void Form_Click() {}
    virtual void Form_MouseMove(int Button, int Shift, double X, double Y) { (void)Button, (void)Shift, (void)X, (void)Y; }
    virtual void Form_DragDrop(Control& Source, double X, double Y) { (void)Source, (void)X, (void)Y; }
    // After every drag, wherever it ended.
    virtual void Form_DragEnded(Control& Source) { (void)Source; }

    // Container.
    double originX() const override { return 0; }
    double originY() const override { return 0; }
    bool showing() const override { return Visible; }
    bool enabledChain() const override { return Enabled; }
    void paintBackground(QPainter& painter) const override;

    // The top-level Qt widget (menu bar and client area).
    QWidget* topLevel() const;
    // Used by the platform: menus, timers and the registry.
    QWidget* menuBar();
    void registerTimer(Timer* timer);
    void unregisterTimer(Timer* timer);
    void registerMenu(Menu* menu);
    void unregisterMenu(Menu* menu);
    // Its timers and menus (bar menus and their items), in declaration order.
    const std::vector<Timer*>& timers() const { return timers_; }
    const std::vector<Menu*>& menus() const { return menus_; }
    void markLoaded() { loaded_ = true; }
    void closeBox();

protected:
    // Connects an event to one of the window's handlers: on(deck.Click, &golf::deck_Click).
    template <class Event, class W, class... Args>
    void on(Event& event, void (W::*handler)(Args...)) {
        W* self = static_cast<W*>(this);
        event = [self, handler](auto&&... args) { (self->*handler)(std::forward<decltype(args)>(args)...); };
    }

    void propertyChanged(const void* property) override;

private:
    friend class Registry;
    bool unload(bool mayRefuse);
    void applyGeometry();
    void setWidgetGeometry();
    void applyFrameButtons();
    void placeAtFirstShow();
    void showNow();
    void hideNow();
    void killTimers();

    std::unique_ptr<FormWidget> widget_;
    std::vector<Timer*> timers_;
    std::vector<Menu*> menus_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool placed_ = false;
};

namespace detail {
Form& touch(std::type_index type, std::unique_ptr<Form> (*make)());
Form* find(std::type_index type);
}  // namespace detail

// The window of class T, created and loaded (Form_Load) first when it is not loaded.
template <class T>
T& window() {
    return static_cast<T&>(detail::touch(typeid(T), []() -> std::unique_ptr<Form> { return std::make_unique<T>(); }));
}
// The window of class T when it is loaded, else null; never creates it.
template <class T>
T* loaded() {
    return static_cast<T*>(detail::find(typeid(T)));
}
// Unloads the window of class T; a window that is not loaded stays so.
template <class T>
void unload() {
    if (T* w = loaded<T>()) w->Unload();
}

// Every loaded window, in loading order.
std::vector<Form*> loadedForms();
// The active program window, or null.
Form* activeForm();
// Unloads every window (their Form_Unload runs; refusals are overruled), at the end of a run.
void unloadAll();
// Whether unloadAll is at work: a window unloaded then must start nothing (a deal, a question).
bool runEnding();

// The program's look: its icon and its custom mouse cursor (vbCustom).
void setProgramIcon(const Picture& icon);
void setProgramCursor(const Picture& cursor, int hotX, int hotY);

// Test seams. The program ends when no window is visible: by default the application quits.
void setQuitHook(std::function<void()> hook);
// Whether the user's own clicks and window switches activate windows (off in tests).
void setFollowUserActivation(bool on);
// Owner locking. A window disables its owner on behalf of the window whose handler runs (its load,
// activation, unload or an event of it): that window holds the owner. Releasing drops the releasing
// window's hold and enables the owner once no loaded window holds it any more, so a window that
// released the main window early (the log-in window closing beside an open game) leaves it disabled
// for the game. Setting Enabled directly enables it whoever held it.
void lockWindow(Form& owner);
void releaseWindow(Form& owner);

// What the user's click into a window does, or the window system's switching to it: the window
// becomes active; while another window of the program holds it disabled (the window that disabled
// it at its load or activation, or that one's own dialog), that window comes to the front instead.
// Tests that play as a user call it before each gesture.
void userActivate(Form& form);
// Runs what is posted for "after the current handler": calls, activations and the disposal of
// unloaded windows and controls.
void runPosted();

// Runs the call once the current handler has returned, in the order given and before the window
// that the handler showed, or left active, becomes active; outside any handler it runs at once.
// A window that must not act inside its own unload hands the rest of its work over this way.
void afterHandler(std::function<void()> call);

}  // namespace platform
