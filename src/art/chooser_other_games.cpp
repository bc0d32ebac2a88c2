#include "art/chooser_scenes.h"
#include "art/chooser_hangman.h"
#include "art/dice.h"
#include "art/painting.h"
#include "art/scene.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace art::scenes {
namespace {

// Backgammon's points, numbered as the user moves: 1 at the lower right, 24 at the upper right.
QPointF pointBase(int point, const QRectF& left, const QRectF& right, double width) {
    const bool bottom = point <= 12;
    const int slot = bottom ? 12 - point : point - 13;
    const QRectF& half = slot < 6 ? left : right;
    const double x = half.left() + (slot % 6 + 0.5) * width;
    return {x, bottom ? half.bottom() : half.top()};
}

void towers(QPainter& p, QSize size, const std::vector<std::vector<int>>& pegs, int discs) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    const double w = size.width(), h = size.height();
    const double baseY = h - 22, pegWidth = w / 3;
    const double discHeight = std::min(22.0, (h - 60) / (discs + 1));
    const QColor wood(150, 96, 48);
    for (int peg = 0; peg < 3; ++peg) {
        const double cx = pegWidth * (peg + 0.5);
        QLinearGradient grain(QPointF(cx - 4, 0), QPointF(cx + 4, 0));
        grain.setColorAt(0, wood.darker(140));
        grain.setColorAt(0.5, wood.lighter(130));
        grain.setColorAt(1, wood.darker(140));
        p.setPen(Qt::NoPen);
        p.setBrush(grain);
        p.drawRoundedRect(QRectF(cx - 4, 26, 8, baseY - 26), 3, 3);
        p.setBrush(wood);
        p.drawEllipse(QPointF(cx, baseY + 4), pegWidth * 0.44, 8);
    }
    const QColor colours[] = {QColor(232, 184, 40), QColor(240, 128, 32), QColor(0, 150, 150),
                              QColor(132, 62, 172), QColor(204, 40, 40), QColor(40, 160, 64)};
    for (int peg = 0; peg < 3; ++peg) {
        const double cx = pegWidth * (peg + 0.5);
        int height = 0;
        for (int disc : pegs[peg]) {
            const double dw = 26 + (pegWidth - 36) * (disc - 1) / std::max(1, discs - 1);
            const QRectF box(cx - dw / 2, baseY - (height + 1) * discHeight, dw, discHeight - 1);
            QLinearGradient shade(box.topLeft(), box.bottomLeft());
            shade.setColorAt(0, colours[disc - 1].lighter(150));
            shade.setColorAt(0.5, colours[disc - 1]);
            shade.setColorAt(1, colours[disc - 1].darker(150));
            p.setPen(QPen(colours[disc - 1].darker(200), 0.8));
            p.setBrush(shade);
            p.drawRoundedRect(box, discHeight / 2.5, discHeight / 2.5);
            ++height;
        }
    }
}

void tile(QPainter& p, const QRectF& box, const QString& letter, const QColor& face) {
    p.setPen(QPen(QColor(70, 70, 110), 1));
    p.setBrush(face);
    p.drawRoundedRect(box, 3, 3);
    if (!letter.isEmpty()) drawFittedText(p, letter, box.adjusted(box.width() * 0.25, box.height() * 0.25, -box.width() * 0.25, -box.height() * 0.25), QColor(30, 30, 80));
}

}  // namespace

void backgammon(QPainter& p, QSize size) {
    const QRectF all(QPointF(0, 0), size);
    p.fillRect(all, QColor(104, 58, 26));
    p.setPen(QPen(QColor(60, 30, 10), 2));
    p.drawRect(all.adjusted(6, 6, -6, -6));
    const QRectF left(20, 20, 208, 299), right(253, 20, 208, 299);
    const double width = left.width() / 6, reach = 124;
    for (const QRectF& half : {left, right}) p.fillRect(half, QColor(214, 192, 142));
    for (int point = 1; point <= 24; ++point) {
        const QPointF base = pointBase(point, left, right, width);
        const double tipY = point <= 12 ? base.y() - reach : base.y() + reach;
        QPainterPath tri;
        tri.moveTo(base.x() - width / 2, base.y());
        tri.lineTo(base.x() + width / 2, base.y());
        tri.lineTo(base.x(), tipY);
        tri.closeSubpath();
        p.fillPath(tri, point % 2 ? QColor(156, 30, 34) : QColor(60, 60, 64));
    }
    const QColor light(244, 240, 228), dark(170, 20, 24);
    const struct { int point, count; bool user; } stacks[] = {
        {1, 2, true}, {12, 5, true}, {17, 3, true}, {19, 5, true},
        {24, 2, false}, {13, 5, false}, {8, 3, false}, {6, 5, false}};
    for (const auto& s : stacks) {
        const QPointF base = pointBase(s.point, left, right, width);
        const double dir = s.point <= 12 ? -1 : 1;
        for (int i = 0; i < s.count; ++i) drawMarble(p, {base.x(), base.y() + dir * (14 + i * 27.5)}, 13.5, s.user ? light : dark);
    }
    drawDie(p, QRectF(330, 157, 26, 26), 5);
    drawDie(p, QRectF(368, 155, 26, 26), 3);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 250, 240));
    p.drawRoundedRect(QRectF(229.5, 158, 22, 22), 3, 3);
    drawFittedText(p, "64", QRectF(233, 164, 15, 10), Qt::black);
}

void colorMemory(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    drawCaption(p, QRectF(10, 6, 180, 22), "Score: 3000", QColor(255, 255, 0), 14, Qt::AlignLeft | Qt::AlignVCenter);
    const struct { QRectF box; QColor color; bool lit; } pads[] = {
        {{18, 34, 80, 80}, QColor(255, 255, 0), false},
        {{102, 34, 80, 80}, QColor(0, 255, 0), true},
        {{18, 118, 80, 80}, QColor(255, 0, 0), false},
        {{102, 118, 80, 80}, QColor(0, 0, 255), false}};
    for (const auto& pad : pads) {
        QRadialGradient g(pad.box.center() - QPointF(14, 14), 80);
        g.setColorAt(0, pad.lit ? QColor(220, 255, 220) : pad.color.lighter(130));
        g.setColorAt(0.6, pad.color);
        g.setColorAt(1, pad.color.darker(pad.lit ? 120 : 170));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(pad.box, 14, 14);
    }
}

void foreAndAft(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    const double cell = 36, x0 = (size.width() - 5 * cell) / 2, y0 = (size.height() - 5 * cell) / 2;
    auto onBoard = [](int row, int col) { return (row <= 2 && col <= 2) || (row >= 2 && col >= 2); };
    p.setPen(QPen(QColor(64, 64, 64), 2));
    p.setBrush(Qt::white);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col)
            if (onBoard(row, col)) p.drawRect(QRectF(x0 + col * cell, y0 + row * cell, cell, cell));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            if (!onBoard(row, col) || (row == 2 && col == 2)) continue;
            const bool green = row <= 2 && col <= 2;
            drawMarble(p, {x0 + (col + 0.5) * cell, y0 + (row + 0.5) * cell}, 12, green ? QColor(0, 110, 30) : QColor(160, 0, 0));
        }
}

void ticTacToe(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(64, 64, 64));
    const double cell = 58, x0 = 18, y0 = 17;
    p.fillRect(QRectF(x0, y0, cell * 3, cell * 3), QColor(0, 128, 0));
    const char* marks = "XO..X.O.X";
    for (int i = 0; i < 9; ++i) {
        const QRectF box(x0 + (i % 3) * cell, y0 + (i / 3) * cell, cell, cell);
        const QRectF inner = box.adjusted(15, 15, -15, -15);
        if (marks[i] == 'X') {
            p.setPen(QPen(QColor(255, 232, 64), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(inner.topLeft(), inner.bottomRight());
            p.drawLine(inner.topRight(), inner.bottomLeft());
        } else if (marks[i] == 'O') {
            p.setPen(QPen(Qt::white, 6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(inner);
        }
    }
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 3; ++i) {
        p.drawLine(QPointF(x0 + i * cell, y0), QPointF(x0 + i * cell, y0 + 3 * cell));
        p.drawLine(QPointF(x0, y0 + i * cell), QPointF(x0 + 3 * cell, y0 + i * cell));
    }
    QPainterPath arrow;
    arrow.moveTo(206, 64);
    arrow.lineTo(222, 74);
    arrow.lineTo(206, 84);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(255, 232, 64));
    drawCaption(p, QRectF(228, 62, 80, 24), "You: 2", Qt::white, 13, Qt::AlignLeft | Qt::AlignVCenter);
    drawCaption(p, QRectF(228, 126, 80, 24), "Computer: 1", Qt::white, 11, Qt::AlignLeft | Qt::AlignVCenter);
}

void towersSmall(QPainter& p, QSize size) { towers(p, size, {{4, 3, 2, 1}, {}, {}}, 4); }

void towersMedium(QPainter& p, QSize size) { towers(p, size, {{5, 4, 3}, {2}, {1}}, 5); }

void towersLarge(QPainter& p, QSize size) { towers(p, size, {{6, 5, 2}, {4, 3}, {1}}, 6); }

void seaWar(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(16, 24, 48));
    const double cell = 13;
    const QPointF grids[] = {{16, 42}, {166, 42}};
    drawCaption(p, QRectF(grids[0].x(), 12, 130, 22), "Your Fleet", Qt::white, 12);
    drawCaption(p, QRectF(grids[1].x(), 12, 130, 22), "Enemy Waters", Qt::white, 12);
    for (QPointF g : grids) {
        p.fillRect(QRectF(g, QSizeF(cell * 10, cell * 10)), QColor(24, 92, 168));
        p.setPen(QPen(QColor(120, 180, 230, 160), 0.8));
        for (int i = 0; i <= 10; ++i) {
            p.drawLine(g + QPointF(i * cell, 0), g + QPointF(i * cell, 10 * cell));
            p.drawLine(g + QPointF(0, i * cell), g + QPointF(10 * cell, i * cell));
        }
    }
    const struct { int col, row, length; bool down; } ships[] = {
        {1, 1, 5, false}, {8, 2, 4, true}, {2, 4, 3, true}, {4, 7, 3, false}, {6, 4, 2, false}};
    for (const auto& s : ships) {
        const QRectF box(grids[0] + QPointF(s.col * cell + 2, s.row * cell + 2),
                         QSizeF((s.down ? 1 : s.length) * cell - 4, (s.down ? s.length : 1) * cell - 4));
        p.setPen(QPen(QColor(40, 40, 48), 0.8));
        p.setBrush(QColor(150, 156, 166));
        p.drawRoundedRect(box, 4.5, 4.5);
    }
    const struct { int grid, col, row; bool hit; } pegs[] = {
        {0, 2, 1, true}, {0, 3, 1, true}, {0, 5, 5, false}, {0, 0, 8, false}, {0, 8, 3, true},
        {1, 4, 4, true}, {1, 4, 5, true}, {1, 4, 6, false}, {1, 1, 2, false}, {1, 7, 8, false}, {1, 8, 1, true}};
    for (const auto& peg : pegs) {
        const QPointF at = grids[peg.grid] + QPointF((peg.col + 0.5) * cell, (peg.row + 0.5) * cell);
        drawMarble(p, at, 3.6, peg.hit ? QColor(230, 30, 30) : QColor(240, 240, 240));
    }
    drawCaption(p, QRectF(0, 184, size.width(), 24), "Hit!  Your turn", QColor(255, 220, 80), 13);
}

void hangman(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(192, 192, 255));
    const QColor wood(120, 72, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRect(QRectF(200, 140, 100, 8));
    p.drawRect(QRectF(216, 14, 7, 128));
    p.drawRect(QRectF(216, 12, 66, 7));
    QPainterPath brace;
    brace.moveTo(223, 38);
    brace.lineTo(240, 19);
    brace.lineTo(246, 19);
    brace.lineTo(223, 45);
    brace.closeSubpath();
    p.drawPath(brace);
    p.setPen(QPen(QColor(150, 120, 60), 2));
    p.drawLine(QPointF(272, 19), QPointF(272, 36));
    const auto text = [](std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); };
    const QString answer = text(kHangmanPuzzle.answer).toUpper();
    const QString guessed = text(kHangmanPuzzle.guessed).toUpper();
    int wrong = 0;
    for (const QChar letter : guessed) wrong += answer.contains(letter) ? 0 : 1;
    // The figure grows as the game's gallows does: head, body, arms, legs, one part a wrong guess.
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(250, 226, 190));
    if (wrong >= 1) p.drawEllipse(QPointF(272, 45), 9, 9);
    if (wrong >= 2) p.drawLine(QPointF(272, 54), QPointF(272, 92));
    if (wrong >= 3) p.drawLine(QPointF(272, 64), QPointF(256, 80));
    if (wrong >= 4) p.drawLine(QPointF(272, 64), QPointF(288, 80));
    if (wrong >= 5) p.drawLine(QPointF(272, 92), QPointF(260, 114));
    if (wrong >= 6) p.drawLine(QPointF(272, 92), QPointF(284, 114));
    drawCaption(p, QRectF(12, 14, 180, 18), "Category: " + text(kHangmanPuzzle.category), QColor(40, 40, 110), 12,
                Qt::AlignLeft);
    for (int i = 0; i < answer.size(); ++i) {
        const bool shown = guessed.contains(answer[i]);
        tile(p, QRectF(12 + i * 22, 48, 20, 26), shown ? QString(answer[i]) : QString(),
             shown ? QColor(255, 236, 140) : QColor(250, 250, 255));
    }
    for (int i = 0; i < 26; ++i) {
        const QChar letter('A' + i);
        const QRectF box(8 + (i % 13) * 23, 160 + (i / 13) * 23, 21, 21);
        tile(p, box, guessed.contains(letter) ? QString() : QString(letter),
             guessed.contains(letter) ? QColor(176, 176, 220) : Qt::white);
    }
}

}  // namespace art::scenes
