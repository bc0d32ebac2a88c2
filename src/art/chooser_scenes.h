#pragma once

#include <QPainter>
#include <QSize>

// The painters of the chooser's game pictures, one per game, each filling the whole picture.
namespace art::scenes {

void spades(QPainter& p, QSize size);
void hearts(QPainter& p, QSize size);
void crazy8s(QPainter& p, QSize size);
void war(QPainter& p, QSize size);
void euchre(QPainter& p, QSize size);
void gin(QPainter& p, QSize size);
void memorySmall(QPainter& p, QSize size);
void memoryBig(QPainter& p, QSize size);

void memoryAgainstClock(QPainter& p, QSize size);
void interlockPuzzle(QPainter& p, QSize size);
void nestor(QPainter& p, QSize size);
void calculation(QPainter& p, QSize size);
void golf(QPainter& p, QSize size);
void fortyThieves(QPainter& p, QSize size);
void accordion(QPainter& p, QSize size);

void backgammon(QPainter& p, QSize size);
void colorMemory(QPainter& p, QSize size);
void foreAndAft(QPainter& p, QSize size);
void ticTacToe(QPainter& p, QSize size);
void towersSmall(QPainter& p, QSize size);
void towersMedium(QPainter& p, QSize size);
void towersLarge(QPainter& p, QSize size);
void seaWar(QPainter& p, QSize size);
void hangman(QPainter& p, QSize size);

}  // namespace art::scenes
