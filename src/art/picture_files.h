#pragma once

#include "art/deck.h"
#include "art/suit.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace art {

// A picture that lies as a file in the program folder's Images folder.
struct PictureFile {
    QString name;  // the file name inside Images, e.g. "acespades.gif"
    // True for pictures the user chooses (the deck design's files): written only where missing.
    bool keepExisting;
    std::function<QImage()> draw;
};

// The face file of a card: rank word, suit word and ".gif", e.g. "tenhearts.gif".
QString faceFileName(Suit suit, int rank);
// "bikecard.gif", "bikecardside.gif", "carddeckfull1.bmp", "carddeckhalf1.bmp", "carddeckthin1.bmp".
QString deckFileName(DeckPicture picture);

// Every file picture, the deck files drawn in the given design (1 to 5).
std::vector<PictureFile> pictureFiles(int deckDesign);

// The image format a picture file is written in: bitmaps for ".bmp" names, PNG data otherwise
// (pictures are recognised by their content, whatever the extension says).
const char* pictureFileFormat(const QString& name);

}  // namespace art
