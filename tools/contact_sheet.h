#pragma once

#include <QImage>

namespace layout {

// One picture of every picture the program draws, side by side and labelled.
QImage contactSheet();

}  // namespace layout
