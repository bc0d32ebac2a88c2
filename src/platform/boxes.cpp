#include "platform/boxes.h"

#include "platform/scheduler.h"
#include "platform/services.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace platform {
namespace {

constexpr int kButtonsMask = 7;
constexpr int kIconMask = 0x70;

std::function<BoxReply(const BoxRequest&)>& boxHook() {
    static std::function<BoxReply(const BoxRequest&)> hook;
    return hook;
}

// No timer ticks while a box waits for the user, whoever answers it.
class TimersHeld {
public:
    TimersHeld() { scheduler::hold(); }
    ~TimersHeld() { scheduler::release(); }
    TimersHeld(const TimersHeld&) = delete;
    TimersHeld& operator=(const TimersHeld&) = delete;
};

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::string shownTitle(std::string_view title) { return title.empty() ? kProgramTitle : std::string(title); }

bool isYesNo(int style) { return (style & kButtonsMask) == vbYesNo; }

// Once the box has taken its size, it goes where it lies wholly on the screen and, when asked,
// clear of what it must leave in sight.
void placeOnScreen(QDialog& box, const std::optional<ScreenRect>& keepVisible) {
    QTimer::singleShot(0, &box, [&box, keepVisible] {
        const double w = box.frameGeometry().width() * kTwipsPerPixel;
        const double h = box.frameGeometry().height() * kTwipsPerPixel;
        const ScreenRect clear = keepVisible.value_or(ScreenRect{});
        const ScreenRect at = besideOf(w, h, clear, screenWidthTwips(), screenHeightTwips());
        box.move(int(at.left / kTwipsPerPixel), int(at.top / kTwipsPerPixel));
    });
}

int showMessage(const BoxRequest& request) {
    QMessageBox box;
    placeOnScreen(box, request.keepVisible);
    box.setWindowTitle(qs(request.title));
    box.setText(qs(request.prompt));
    const int icon = request.style & kIconMask;
    box.setIcon(icon == vbInformation    ? QMessageBox::Information
                : icon == vbExclamation ? QMessageBox::Warning
                                        : QMessageBox::NoIcon);
    if (!isYesNo(request.style)) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return vbOK;
    }
    // The close box and Escape answer No: the box has no Cancel.
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? vbYes : vbNo;
}

std::string showInput(const BoxRequest& request) {
    QInputDialog dialog;
    placeOnScreen(dialog, request.keepVisible);
    dialog.setWindowTitle(qs(request.title));
    dialog.setLabelText(qs(request.prompt));
    dialog.setTextValue(qs(request.defaultText));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

int showOrAnswer(const BoxRequest& request) {
    TimersHeld held;
    // A copy, so that a hook may replace itself while it answers.
    if (const auto hook = boxHook()) return hook(request).button;
    return showMessage(request);
}

}  // namespace

int MsgBox(std::string_view prompt, int style, std::string_view title) {
    return showOrAnswer({BoxRequest::Kind::Message, std::string(prompt), shownTitle(title), style, {}, {}});
}

int MsgBox(std::string_view prompt, int style, std::string_view title, const ScreenRect& keepVisible) {
    return showOrAnswer({BoxRequest::Kind::Message, std::string(prompt), shownTitle(title), style, {}, keepVisible});
}

std::string InputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
    const BoxRequest request{BoxRequest::Kind::Input, std::string(prompt), shownTitle(title), 0,
                             std::string(defaultText), {}};
    TimersHeld held;
    if (const auto hook = boxHook()) return hook(request).text;
    return showInput(request);
}

void setBoxHook(std::function<BoxReply(const BoxRequest&)> hook) { boxHook() = std::move(hook); }

bool boxesAvailable() { return boxHook() || qobject_cast<QApplication*>(QCoreApplication::instance()); }

}  // namespace platform
