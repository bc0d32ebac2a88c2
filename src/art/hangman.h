#pragma once

#include <QColor>
#include <QImage>

// Hangman's pictures: the letter buttons, the answer tiles, the gallows and the dark backdrop of
// the play area, which the tiles and the gallows are drawn on.
namespace art {

inline const QColor kHangmanBackdrop(30, 34, 62);

// A letter button, 43 x 39, showing the capital of a letter "a" to "z" ("a.bmp" to "z.bmp").
QImage letterButton(char letter);
// A clicked letter button, 43 x 39: sunk and blank ("blankletteer.bmp").
QImage usedLetterButton();

// An answer tile, 33 x 33, not yet revealed ("letter.bmp").
QImage hiddenTile();
// The gap for a blank of the answer, 33 x 33: the backdrop alone ("blank.bmp").
QImage gapTile();
// A revealed answer tile showing a letter "a" to "z" ("littlea.bmp" to "littlez.bmp").
QImage letterTile(char letter);

// The gallows, 233 x 256, at stage 1 (bare) to 7 (the whole figure): one part more per wrong
// guess ("stage1.bmp" to "stage7.bmp").
QImage gallows(int stage);

// The backdrop of the play area, stretched over it.
QImage hangmanBackdrop();

}  // namespace art
