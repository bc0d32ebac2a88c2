#include "art/picture_files.h"

#include "art/backgammon_pictures.h"
#include "art/card_face.h"
#include "art/euchre_pictures.h"
#include "art/forty_thieves.h"
#include "art/hangman.h"
#include "art/interlock.h"
#include "art/sea_war.h"
#include "art/tictactoe.h"
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
    for (const BoardFile& board : backgammonBoardFiles())
        files.push_back({board.name, false, [scale = board.scale] { return backgammonBoard(scale); }});
    files.push_back({"maroon.bmp", false, emptyFoundation});
    files.push_back({"white.bmp", false, whiteCell});
    files.push_back({"greenblank.bmp", false, [] { return ticTacCell(CellMark::Blank); }});
    files.push_back({"greenx.bmp", false, [] { return ticTacCell(CellMark::X); }});
    files.push_back({"greeno.bmp", false, [] { return ticTacCell(CellMark::O); }});
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        files.push_back({QString("%1.bmp").arg(letter), false, [=] { return letterButton(letter); }});
        files.push_back({QString("little%1.bmp").arg(letter), false, [=] { return letterTile(letter); }});
    }
    // The name as the game asks for it.
    files.push_back({"blankletteer.bmp", false, usedLetterButton});
    files.push_back({"letter.bmp", false, hiddenTile});
    files.push_back({"blank.bmp", false, gapTile});
    for (int stage = 1; stage <= 7; ++stage)
        files.push_back({QString("stage%1.bmp").arg(stage), false, [=] { return gallows(stage); }});
    files.push_back({"darkred.bmp", false, darkRedCell});
    return files;
}

const char* pictureFileFormat(const QString& name) {
    return name.endsWith(".bmp", Qt::CaseInsensitive) ? "BMP" : "PNG";
}

}  // namespace art
