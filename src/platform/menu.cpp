#include "platform/menu.h"

#include "platform/form.h"
#include "platform/registry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace platform {
namespace {

QMenuBar* barOf(Form& form) { return static_cast<QMenuBar*>(form.menuBar()); }

}  // namespace

Menu::Menu(Form& form, std::string caption)
    : Caption(this, std::move(caption)), form_(form), parent_(nullptr), action_(new QAction(form.topLevel())) {
    barOf(form)->addAction(action_);
    connect();
}

Menu::Menu(Menu& parent, std::string caption)
    : Caption(this, std::move(caption)), form_(parent.form_), parent_(&parent), action_(new QAction(form_.topLevel())) {
    parent.submenu()->addAction(action_);
    connect();
}

Menu::Menu(Form& form, std::string caption, Menu& before)
    : Caption(this, std::move(caption)), form_(form), parent_(nullptr), action_(new QAction(form.topLevel())) {
    barOf(form)->insertAction(before.action_, action_);
    connect();
}

Menu::Menu(Menu& parent, std::string caption, Menu& before)
    : Caption(this, std::move(caption)), form_(parent.form_), parent_(&parent), action_(new QAction(form_.topLevel())) {
    parent.submenu()->insertAction(before.action_, action_);
    connect();
}

void Menu::connect() {
    QObject::connect(action_, &QAction::triggered, action_, [this] { userChoose(); });
    form_.registerMenu(this);
    apply();
}

Menu::~Menu() {
    form_.unregisterMenu(this);
    delete action_;
    delete submenu_;
}

// A menu that gets items opens a drop-down; opening it is its Click, as the classic platform has it.
QMenu* Menu::submenu() {
    if (!submenu_) {
        submenu_ = new QMenu(form_.topLevel());
        action_->setMenu(submenu_);
        QObject::connect(submenu_, &QMenu::aboutToShow, submenu_, [this] { userChoose(); });
    }
    return submenu_;
}

void Menu::propertyChanged(const void*) { apply(); }

void Menu::apply() {
    const bool separator = Caption.get() == "-";
    action_->setSeparator(separator);
    // A separator carries no text: some styles would draw it beside the line.
    action_->setText(separator ? QString() : QString::fromStdString(Caption));
    action_->setCheckable(Checked);
    action_->setChecked(Checked);
    action_->setEnabled(Enabled);
    action_->setVisible(Visible);
}

bool Menu::reachable() const {
    if (!Visible || !Enabled || Caption.get() == "-") return false;
    if (parent_) return parent_->reachable();
    return form_.isLoaded() && form_.Visible && form_.Enabled;
}

void Menu::userChoose() {
    // Qt ticks and unticks checkable items by itself; the window decides instead.
    apply();
    if (!reachable() || !Click) return;
    auto handler = Click;
    detail::HandlerGuard guard(&form_);
    handler();
}

}  // namespace platform
