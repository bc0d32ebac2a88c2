#pragma once

#include "platform/screen_fit.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The message box and the input box: the only things in the program that wait.
namespace platform {

// Style numbers and answers as the classic platform numbers them.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Shows a box and returns vbOK, vbYes or vbNo. An untitled box shows the program's title.
// Timers are held while it is open.
int MsgBox(std::string_view prompt, int style = vbOKOnly, std::string_view title = {});
// The same, placed where it leaves a part of the screen in sight (twips): a question about a card
// must not hide the card.
int MsgBox(std::string_view prompt, int style, std::string_view title, const ScreenRect& keepVisible);
// Returns the text typed, or empty text on Cancel.
std::string InputBox(std::string_view prompt, std::string_view title = {}, std::string_view defaultText = {});

// Test seam: while set, boxes are not shown; the hook answers them.
struct BoxRequest {
    enum class Kind { Message, Input } kind;
    std::string prompt;
    std::string title;   // as shown (the program's title when none was given)
    int style = 0;       // message boxes
    std::string defaultText;  // input boxes
    std::optional<ScreenRect> keepVisible;  // the part of the screen the box must leave in sight
};
struct BoxReply {
    int button = vbOK;   // message boxes
    std::string text;    // input boxes (empty = Cancel)
};
void setBoxHook(std::function<BoxReply(const BoxRequest&)> hook);  // empty function: real boxes
// Whether a box can be shown: a test hook answers, or the program has its windows (a tool or a
// test without them has no one to ask).
bool boxesAvailable();

inline constexpr const char* kProgramTitle = "Tolvane Game Pack v 1.0";

}  // namespace platform
