#pragma once

#include <QImage>
#include <QSize>

#include <string_view>
#include <vector>

namespace art {

// A game's picture in the game chooser, keyed by the name of its picture control.
struct GamePictureInfo {
    std::string_view name;
    QSize size;
};

// The 24 game pictures in the order of the chooser's list.
const std::vector<GamePictureInfo>& gamePictures();

// A miniature of the game's table at its listed size; an unknown name gives a null image.
QImage gamePicture(std::string_view name);

// The chooser tree's pictures, 18 x 19 on white: 1 the card games, 2 the other games,
// 3 the solitaires. Any other number gives a null image.
inline constexpr QSize kTreeIconSize{18, 19};
QImage treeIcon(int number);

}  // namespace art
