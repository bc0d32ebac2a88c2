#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Backgammon's pictures: the board for each screen size and the doubling cube's faces.
namespace art {

// The board at a scale (1, 0.78 or 0.63), drawn from the board's geometry so that points, bar
// and trays lie under the window's controls at that scale; 1040 x 724 pixels times the scale.
QImage backgammonBoard(float scale);

// The board files of the program folder and the scale each is drawn at.
struct BoardFile {
    QString name;
    float scale;
};
const std::vector<BoardFile>& backgammonBoardFiles();

// The doubling cube showing a stake (1, 2, 4, ..., 64), 67 x 58 pixels.
QImage cubeFace(int value);

}  // namespace art
