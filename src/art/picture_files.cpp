#include "art/picture_files.h"

#include "art/card_face.h"
#include "art/euchre_pictures.h"
#include "art/forty_thieves.h"
#include "art/sea_war.h"
#include "art/towers_foreaft.h"

namespace art {

QString faceFileName(Suit suit, int rank) {
    static const char* ranks[] = {"ace", "two", "three", "four", "five", "six", "seven",
                                  "eight", "nine", "ten", "jack", "queen", "king"};
    static const char* suits[] = {"spades", "clubs", "diamonds", "hearts"};
    return QString("%1%2.gif").arg(ranks[rank - 1], suits[static_cast<int>(suit)]);
}

QString deckFileName(DeckPicture picture) {
    static const char* names[] = {"bikecard.gif", "bikecardside.gif", "carddeckfull1.bmp", "carddeckhalf1.bmp",
                                  "carddeckthin1.bmp"};
    return names[static_cast<int>(picture)];
}

std::vector<PictureFile> pictureFiles(int deckDesign) {
    std::vector<PictureFile> files;
    for (Suit suit : kSuits)
        for (int rank = 1; rank <= 13; ++rank)
            files.push_back({faceFileName(suit, rank), false, [=] { return cardFace(suit, rank); }});
    for (DeckPicture picture : kDeckPictures)
        files.push_back({deckFileName(picture), true, [=] { return deckPicture(deckDesign, picture); }});
    files.push_back({"hearts.bmp", false, [] { return trumpPicture(Suit::Hearts); }});
    files.push_back({"clubs1.bmp", false, [] { return trumpPicture(Suit::Clubs); }});
    files.push_back({"spades.bmp", false, [] { return trumpPicture(Suit::Spades); }});
    files.push_back({"diamonds.bmp", false, [] { return trumpPicture(Suit::Diamonds); }});
    files.push_back({"arrowup.bmp", false, [] { return arrowPicture(Arrow::Up); }});
    files.push_back({"arrowdown.bmp", false, [] { return arrowPicture(Arrow::Down); }});
    files.push_back({"arrowleft.bmp", false, [] { return arrowPicture(Arrow::Left); }});
    files.push_back({"arrowright.bmp", false, [] { return arrowPicture(Arrow::Right); }});
    files.push_back({"bluewater.bmp", false, seaWater});
    files.push_back({"maroon.bmp", false, emptyFoundation});
    files.push_back({"white.bmp", false, whiteCell});
    return files;
}

const char* pictureFileFormat(const QString& name) {
    return name.endsWith(".bmp", Qt::CaseInsensitive) ? "BMP" : "PNG";
}

}  // namespace art
