#pragma once

#include <string>
#include <string_view>

// The arithmetic of scaling a window to the screen, apart from any window: which factor a screen
// size chooses and what a design value becomes under it.
namespace core {

// Twips a window adds to its outer size after scaling itself, never multiplied.
struct Added {
    double width = 0, height = 0;
};

// A window's own size factors for the two small screens; every other screen keeps 1. What the
// window adds to its size at each small screen counts when the factor must shrink to fit.
struct ScaleFactors {
    float at640x480 = 1.0f;
    float at800x600 = 1.0f;
    Added added640x480{};
    Added added800x600{};
};

enum class ScreenKind { At640x480, At800x600, Other };

struct ScaleChoice {
    std::string text;  // "Screen Resolution: 640 x 480"
    ScreenKind kind;   // which small screen the text names, if any
    float scale;       // the factor that applies
};

// Whole pixels from twips: both values rounded, the division dropping its remainder.
int screenpixels(double twips, double twipsPerPixel);
// "Screen Resolution:" and each number with the blank of its sign position.
std::string screentext(int widthPx, int heightPx);
// The exact, case-sensitive comparison with the two small sizes.
ScreenKind screenkind(std::string_view text);
float scalefor(ScreenKind kind, const ScaleFactors& factors);

// The whole decision from the screen's size in twips and its twips per pixel.
ScaleChoice choosescale(double widthTwips, double heightTwips, double twipsPerPixelX,
                        double twipsPerPixelY, const ScaleFactors& factors);
inline bool smallscreen(const ScaleChoice& choice) { return choice.kind != ScreenKind::Other; }

// A window's or control's geometry in twips, scaled in the order Height, Width, Top, Left.
struct Geometry {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};
Geometry scaled(Geometry g, float scale);
// A design value times the single-precision scale, as a game forms every position it computes.
double scaled(double twips, float scale);

}  // namespace core
