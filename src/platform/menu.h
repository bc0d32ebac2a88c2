#pragma once

#include "platform/property.h"

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

// Menus: a menu on a window's menu bar, or an item (nested to any depth) of another menu. The
// caption "-" makes a separator line. Items come in the order they are declared.
namespace platform {

class Form;

class Menu : public PropertyOwner {
public:
    Menu(Form& form, std::string caption);   // a menu of the menu bar
    Menu(Menu& parent, std::string caption); // an item of a menu
    // The same, placed in front of `before` (a menu of the same bar, an item of the same menu):
    // a window built on shared furniture puts its own menus and items among the shared ones.
    Menu(Form& form, std::string caption, Menu& before);
    Menu(Menu& parent, std::string caption, Menu& before);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    Property<std::string> Caption;
    Property<bool> Checked{this, false};
    Property<bool> Enabled{this, true};
    Property<bool> Visible{this, true};
    std::function<void()> Click;

    Form& form() const { return form_; }
    Menu* parent() const { return parent_; }
    // Whether the user can reach it now: it, every menu above it and its window enabled and visible.
    bool reachable() const;
    // What choosing it does: raises Click when it is reachable.
    void userChoose();
    QAction* action() const { return action_; }

protected:
    void propertyChanged(const void* property) override;

private:
    QMenu* submenu();
    void connect();
    void apply();
    Form& form_;
    Menu* parent_;
    QAction* action_;
    QMenu* submenu_ = nullptr;
};

}  // namespace platform
