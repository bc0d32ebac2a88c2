#pragma once

#include <QPainter>
#include <QSize>

// The painters of the chooser's game pictures, one per game, each filling the whole picture.
namespace art::scenes {

#define GP_GAME(key, group, text, picture, pictureWidth, pictureHeight, left, top, width, height, painter, ...) \
    void painter(QPainter& p, QSize size);
#include "core/gamelist.def"

}  // namespace art::scenes
