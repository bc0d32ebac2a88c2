#include "platform/buttons.h"

#include "platform/form.h"

#include <QCheckBox>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace platform {

CommandButton::CommandButton(Container& parent) : StyledControl(parent, Layer::Windowed, vbButtonText, vbButtonFace) {
    auto* button = new QPushButton(parent.canvas());
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, button, [this] { userClick(); });
    attachWidget(button);
    applyStyle();
}

void CommandButton::propertyChanged(const void* p) {
    if (p == &Caption) static_cast<QPushButton*>(widget())->setText(QString::fromStdString(Caption));
    StyledControl::propertyChanged(p);
}

void CommandButton::pictureChanged() {
    auto* button = static_cast<QPushButton*>(widget());
    if (!Picture.get()) {
        button->setIcon(QIcon());
        return;
    }
    button->setIcon(QIcon(QPixmap::fromImage(Picture->image())));
    button->setIconSize(QSize(Picture->widthPx(), Picture->heightPx()));
}

void CommandButton::copyFrom(const Control& other) {
    StyledControl::copyFrom(other);
    if (const auto* button = dynamic_cast<const CommandButton*>(&other)) Caption = button->Caption.get();
}

OptionButton::OptionButton(Container& parent) : StyledControl(parent, Layer::Windowed, vbButtonText, vbButtonFace) {
    auto* button = new QRadioButton(parent.canvas());
    button->setAutoExclusive(false);
    QObject::connect(button, &QRadioButton::clicked, button, [this] {
        Guarded guard(&form());
        userClick();
    });
    attachWidget(button);
    applyStyle();
}

void OptionButton::userClick() {
    if (Value) {
        raiseClick();
        return;
    }
    Value = true;
}

void OptionButton::propertyChanged(const void* p) {
    if (p == &Caption) static_cast<QRadioButton*>(widget())->setText(QString::fromStdString(Caption));
    if (p != &Value) {
        StyledControl::propertyChanged(p);
        return;
    }
    static_cast<QRadioButton*>(widget())->setChecked(Value);
    const bool wasSelected = selected_;
    selected_ = Value;
    if (!Value || wasSelected) return;
    // One option button of a container is selected at a time.
    for (Control* other : container()->windowedControls()) {
        auto* option = dynamic_cast<OptionButton*>(other);
        if (!option || option == this || !option->Value) continue;
        option->Value.setQuietly(false);
        option->selected_ = false;
        static_cast<QRadioButton*>(option->widget())->setChecked(false);
    }
    raiseClick();
}

void OptionButton::copyFrom(const Control& other) {
    StyledControl::copyFrom(other);
    if (const auto* option = dynamic_cast<const OptionButton*>(&other)) Caption = option->Caption.get();
}

CheckBox::CheckBox(Container& parent) : StyledControl(parent, Layer::Windowed, vbButtonText, vbButtonFace) {
    auto* box = new QCheckBox(parent.canvas());
    QObject::connect(box, &QCheckBox::clicked, box, [this] {
        Guarded guard(&form());
        userClick();
    });
    attachWidget(box);
    applyStyle();
}

void CheckBox::userClick() { Value = Value == vbChecked ? vbUnchecked : vbChecked; }

void CheckBox::propertyChanged(const void* p) {
    if (p == &Caption) static_cast<QCheckBox*>(widget())->setText(QString::fromStdString(Caption));
    if (p != &Value) {
        StyledControl::propertyChanged(p);
        return;
    }
    static_cast<QCheckBox*>(widget())->setChecked(Value == vbChecked);
    if (Value == shown_) return;
    shown_ = Value;
    raiseClick();
}

void CheckBox::copyFrom(const Control& other) {
    StyledControl::copyFrom(other);
    if (const auto* box = dynamic_cast<const CheckBox*>(&other)) Caption = box->Caption.get();
}

}  // namespace platform
