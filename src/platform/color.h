#pragma once

#include <cstdint>
#include <ostream>

class QColor;

// Colours as the classic platform numbers them: RGB(r, g, b), or one of the system's colours.
namespace platform {

class Color {
public:
    constexpr Color() = default;
    static constexpr Color rgb(int r, int g, int b) {
        return Color(std::uint32_t(r & 0xFF) | std::uint32_t(g & 0xFF) << 8 | std::uint32_t(b & 0xFF) << 16);
    }
    static constexpr Color system(int index) { return Color(kSystemBit | std::uint32_t(index)); }

    constexpr bool isSystem() const { return (value_ & kSystemBit) != 0; }
    constexpr std::uint32_t value() const { return value_; }
    QColor toQColor() const;

    friend constexpr bool operator==(Color, Color) = default;
    friend std::ostream& operator<<(std::ostream& out, Color c);

private:
    static constexpr std::uint32_t kSystemBit = 0x80000000u;
    constexpr explicit Color(std::uint32_t value) : value_(value) {}
    std::uint32_t value_ = 0;
};

constexpr Color RGB(int r, int g, int b) { return Color::rgb(r, g, b); }

inline constexpr Color vbBlack = RGB(0, 0, 0);
inline constexpr Color vbWhite = RGB(255, 255, 255);
inline constexpr Color vbRed = RGB(255, 0, 0);
inline constexpr Color vbGreen = RGB(0, 255, 0);
inline constexpr Color vbBlue = RGB(0, 0, 255);
inline constexpr Color vbYellow = RGB(255, 255, 0);
// The system colours the windows use.
inline constexpr Color vbMenuText = Color::system(7);
inline constexpr Color vbApplicationWorkspace = Color::system(12);
inline constexpr Color vbButtonFace = Color::system(15);
inline constexpr Color vbButtonText = Color::system(18);
inline constexpr Color vbWindowBackground = Color::system(5);
inline constexpr Color vbWindowText = Color::system(8);

}  // namespace platform
