#pragma once

#include "platform/control.h"

#include <string>

class QAbstractButton;

// Buttons: a command button, option buttons (one selected per container) and check boxes.
namespace platform {

class CommandButton : public StyledControl {
public:
    explicit CommandButton(Container& parent);
    Property<std::string> Caption{this};

    void copyFrom(const Control& other) override;
    const char* kind() const override { return "CommandButton"; }

protected:
    void propertyChanged(const void* property) override;
    void pictureChanged() override;
};

// Setting Value true clears the other option buttons of the same container and raises Click.
class OptionButton : public StyledControl {
public:
    explicit OptionButton(Container& parent);
    Property<std::string> Caption{this};
    Property<bool> Value{this, false};

    void userClick() override;
    void copyFrom(const Control& other) override;
    const char* kind() const override { return "OptionButton"; }

protected:
    void propertyChanged(const void* property) override;

private:
    bool selected_ = false;
};

// Value is vbUnchecked or vbChecked; a change raises Click.
class CheckBox : public StyledControl {
public:
    explicit CheckBox(Container& parent);
    Property<std::string> Caption{this};
    Property<int> Value{this, vbUnchecked};

    void userClick() override;
    void copyFrom(const Control& other) override;
    const char* kind() const override { return "CheckBox"; }

protected:
    void propertyChanged(const void* property) override;

private:
    int shown_ = vbUnchecked;
};

}  // namespace platform
