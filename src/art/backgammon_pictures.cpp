#include "art/backgammon_pictures.h"

#include "art/backgammon_geometry.h"
#include "art/painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <map>

namespace art {
namespace {

using namespace bgboard;

// The parts of the board that no control gives, in design twips, fitted around the controls:
// the markers lie on the frame, the points on the felt, the bar between the halves, and the
// trays' slab columns in recesses of the frame.
constexpr QRectF kFrame(1440, 540, 14760 - 1440, 9870 - 540);
constexpr double kFeltTop = 900, kFeltBottom = 9555;
constexpr double kLeftHalfStart = 1800, kBarStart = 7230, kBarEnd = 8010, kRightHalfEnd = 13410;
constexpr double kPointLength = 3360;
constexpr double kPointBase = 760;
constexpr double kRecessLeft = 13490, kRecessRight = 14530;

const QColor kOlive(128, 128, 0);  // the window's own colour, around the board
const QColor kWood(118, 70, 34);
const QColor kFelt(22, 92, 62);
const QColor kLightPoint(232, 214, 168);
const QColor kDarkPoint(44, 54, 92);
const QColor kRecess(58, 34, 16);

// The middle of a point's column: between the two sides' columns where they differ.
double columnMiddle(int point) {
    return (*userColumn(point) + *computerColumn(point)) / 2 + kChecker / 2;
}

void woodPanel(QPainter& p, const QRectF& box) {
    QLinearGradient grain(box.topLeft(), box.bottomRight());
    grain.setColorAt(0, kWood.lighter(118));
    grain.setColorAt(0.5, kWood);
    grain.setColorAt(1, kWood.darker(125));
    p.setPen(QPen(kWood.darker(190), 30));
    p.setBrush(grain);
    p.drawRoundedRect(box, 90, 90);
}

void felt(QPainter& p, const QRectF& half) {
    QRadialGradient light(half.center(), half.width() * 0.75);
    light.setColorAt(0, kFelt.lighter(118));
    light.setColorAt(1, kFelt);
    p.setPen(QPen(kWood.darker(170), 30));
    p.setBrush(light);
    p.drawRect(half);
}

void point(QPainter& p, int number) {
    const double x = columnMiddle(number);
    const bool bottom = number <= 12;
    const double base = bottom ? kFeltBottom : kFeltTop;
    const double tip = bottom ? base - kPointLength : base + kPointLength;
    QPainterPath triangle;
    triangle.moveTo(x - kPointBase / 2, base);
    triangle.lineTo(x + kPointBase / 2, base);
    triangle.lineTo(x, tip);
    triangle.closeSubpath();
    const QColor colour = number % 2 ? kLightPoint : kDarkPoint;
    p.setPen(QPen(colour.darker(140), 12));
    p.setBrush(colour);
    p.drawPath(triangle);
}

// A tray's recess holds the fifteen slabs of its side at any scale.
void recess(QPainter& p, const Box& firstSlab) {
    const double top = firstSlab.top - 90;
    const double bottom = firstSlab.top + 15 * firstSlab.height * kSlabSqueeze + 90;
    const QRectF box(kRecessLeft, top, kRecessRight - kRecessLeft, bottom - top);
    QLinearGradient depth(box.topLeft(), box.topRight());
    depth.setColorAt(0, kRecess.darker(140));
    depth.setColorAt(1, kRecess);
    p.setPen(QPen(kWood.darker(200), 24));
    p.setBrush(depth);
    p.drawRoundedRect(box, 60, 60);
}

}  // namespace

QImage backgammonBoard(float scale) {
    const double s = scale;
    const QSize size(static_cast<int>(std::lround(kPictureWidth * s)), static_cast<int>(std::lround(kPictureHeight * s)));
    QImage image = canvas(size, kOlive);
    QPainter p(&image);
    smooth(p);
    p.scale(s / 15, s / 15);
    woodPanel(p, kFrame);
    felt(p, QRectF(kLeftHalfStart, kFeltTop, kBarStart - kLeftHalfStart, kFeltBottom - kFeltTop));
    felt(p, QRectF(kBarEnd, kFeltTop, kRightHalfEnd - kBarEnd, kFeltBottom - kFeltTop));
    for (int number = 1; number <= 24; ++number) point(p, number);
    recess(p, kUserSlab);
    recess(p, kComputerSlab);
    return image;
}

const std::vector<BoardFile>& backgammonBoardFiles() {
    static const std::vector<BoardFile> files{
        {"backgammonbig.bmp", 1.0f}, {"backgammonmed.bmp", kScaleAt800}, {"backgammonsmall.bmp", kScaleAt640}};
    return files;
}

namespace {

QImage drawCubeFace(int value) {
    QImage image = canvas(QSize(67, 58));
    QPainter p(&image);
    smooth(p);
    const QRectF body(1.5, 1.5, 64, 55);
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(255, 255, 250));
    shade.setColorAt(1, QColor(214, 208, 190));
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(body, 9, 9);
    const QString text = QString::number(value);
    const double width = text.size() == 1 ? 16 : 30;
    drawFittedText(p, text, QRectF(body.center().x() - width / 2, 17, width, 24), QColor(20, 20, 60));
    return image;
}

}  // namespace

// Each face is drawn once and then shared: the number's text costs a font look-up.
QImage cubeFace(int value) {
    static std::map<int, QImage> drawn;
    QImage& image = drawn[value];
    if (image.isNull()) image = drawCubeFace(value);
    return image;
}

}  // namespace art
