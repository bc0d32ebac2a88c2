#pragma once

#include <QCursor>

// The program's own mouse cursor, for windows and controls that ask for it (vbCustom).
namespace platform::detail {

const QCursor& programCursor();

}  // namespace platform::detail
