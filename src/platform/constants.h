#pragma once

// The classic platform's numbers for modes, buttons and styles, under their classic names.
namespace platform {

// Drag modes.
inline constexpr int vbManual = 0;
inline constexpr int vbAutomatic = 1;

// States of a drag passing over a control.
inline constexpr int vbEnter = 0;
inline constexpr int vbLeave = 1;
inline constexpr int vbOver = 2;

// Mouse buttons and shift keys.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Mouse pointers: the system's, or the program's own cursor.
inline constexpr int vbDefault = 0;
inline constexpr int vbCustom = 99;

// Text alignment.
inline constexpr int vbLeftJustify = 0;
inline constexpr int vbRightJustify = 1;
inline constexpr int vbCenter = 2;

// Background and fill styles.
inline constexpr int vbTransparent = 0;
inline constexpr int vbOpaque = 1;
inline constexpr int vbFSSolid = 0;
inline constexpr int vbFSTransparent = 1;
inline constexpr int vbFSDiagonalCross = 7;  // crossed diagonal lines; the container shows between them

// Border styles of labels, shapes and lines (0 none, 1 a single solid line).
inline constexpr int vbBSNone = 0;
inline constexpr int vbBSSolid = 1;

// Shapes.
inline constexpr int vbShapeRectangle = 0;
inline constexpr int vbShapeSquare = 1;
inline constexpr int vbShapeOval = 2;
inline constexpr int vbShapeCircle = 3;
inline constexpr int vbShapeRoundedRectangle = 4;
inline constexpr int vbShapeRoundedSquare = 5;

// Check boxes.
inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;

// Window states and start-up positions.
inline constexpr int vbNormal = 0;
inline constexpr int vbMaximized = 2;
inline constexpr int vbStartUpManual = 0;
inline constexpr int vbStartUpScreen = 2;  // centred on the screen

// Tree node relationships.
inline constexpr int tvwLast = 1;
inline constexpr int tvwChild = 4;

}  // namespace platform
