#pragma once

#include "platform/control.h"

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;
class QPlainTextEdit;

// Text boxes. The windows use most of them hidden, as holders of text that other procedures and
// other windows read; Change runs whenever the text becomes different, by code or by typing.
namespace platform {

class TextBox : public StyledControl {
public:
    explicit TextBox(Container& parent);
    Property<std::string> Text{this};
    std::function<void()> Change;

    void copyFrom(const Control& other) override;
    const char* kind() const override { return "TextBox"; }

protected:
    void propertyChanged(const void* property) override;

private:
    void typed();
    QLineEdit* edit_;
    std::string shown_;
};

class RichTextBox : public StyledControl {
public:
    explicit RichTextBox(Container& parent);
    Property<std::string> Text{this};
    std::function<void()> Change;

    // Reads a whole file (a program-relative name such as "\Data\golfsound.dat", or a full path)
    // into Text, line breaks included; a missing, unreadable or damaged file gives empty text.
    void LoadFile(std::string_view file);

    void copyFrom(const Control& other) override;
    const char* kind() const override { return "RichTextBox"; }

protected:
    void propertyChanged(const void* property) override;

private:
    QPlainTextEdit* edit_;
    std::string shown_;
};

}  // namespace platform
