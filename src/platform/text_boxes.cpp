#include "platform/text_boxes.h"

#include "platform/files.h"
#include "platform/registry.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace platform {

TextBox::TextBox(Container& parent)
    : StyledControl(parent, Layer::Windowed, vbWindowText, vbWindowBackground),
      edit_(new QLineEdit(parent.canvas())) {
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this] { typed(); });
    attachWidget(edit_);
    applyStyle();
}

void TextBox::typed() {
    Guarded guard(&form());
    Text = edit_->text().toStdString();
}

void TextBox::propertyChanged(const void* p) {
    if (p != &Text) {
        StyledControl::propertyChanged(p);
        return;
    }
    const QString shown = QString::fromStdString(Text);
    if (edit_->text() != shown) edit_->setText(shown);
    if (Text.get() == shown_) return;
    shown_ = Text;
    raise(Change);
}

void TextBox::copyFrom(const Control& other) {
    StyledControl::copyFrom(other);
    if (const auto* box = dynamic_cast<const TextBox*>(&other)) Text = box->Text.get();
}

RichTextBox::RichTextBox(Container& parent)
    : StyledControl(parent, Layer::Windowed, vbWindowText, vbWindowBackground),
      edit_(new QPlainTextEdit(parent.canvas())) {
    edit_->setReadOnly(true);
    attachWidget(edit_);
    applyStyle();
}

void RichTextBox::LoadFile(std::string_view file) {
    Text = readBytes(detail::filePath(file), FileKind::Setting).value_or("");
}

void RichTextBox::propertyChanged(const void* p) {
    if (p != &Text) {
        StyledControl::propertyChanged(p);
        return;
    }
    edit_->setPlainText(QString::fromStdString(Text));
    if (Text.get() == shown_) return;
    shown_ = Text;
    raise(Change);
}

void RichTextBox::copyFrom(const Control& other) {
    StyledControl::copyFrom(other);
    if (const auto* box = dynamic_cast<const RichTextBox*>(&other)) Text = box->Text.get();
}

}  // namespace platform
