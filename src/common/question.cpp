#include "common/question.h"

#include "platform/boxes.h"

namespace common {

bool playagain(std::string_view prompt, std::string_view title) {
    return platform::MsgBox(prompt, kPlayAgainStyle, title) == platform::vbYes;
}

}  // namespace common
