#include "art/deck.h"

#include "art/back_design.h"
#include "art/painting.h"

#include <QPainterPath>

#include <array>
#include <iterator>

namespace art {
namespace {

constexpr QSize kBack{86, 116}, kWideBack{88, 120}, kStock{107, 145};
constexpr double kMargin = 4;
constexpr int kLayerStep = 2;

bool known(int design) { return design >= 1 && design <= kDeckDesigns; }

void drawBack(QPainter& painter, const QRectF& card, int design) {
    drawCardBody(painter, card, 4);
    const QRectF field = card.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(field, 2.5, 2.5);
    painter.setClipPath(clip);
    paintBackDesign(painter, field, design);
    painter.restore();
}

QImage upright(int design) {
    QImage image = canvas(deckPictureSize(design, DeckPicture::Back), kTableGreen);
    QPainter painter(&image);
    smooth(painter);
    drawBack(painter, QRectF(QPointF(0, 0), image.size()), design);
    return image;
}

int stockLayers(DeckPicture picture) {
    switch (picture) {
    case DeckPicture::FullStock: return 6;
    case DeckPicture::HalfStock: return 3;
    default: return 1;
    }
}

// A pile seen from above: the edges of the cards beneath show down and to the right.
QImage stock(int design, DeckPicture picture) {
    QImage image = canvas(kStock, kTableGreen);
    QPainter painter(&image);
    smooth(painter);
    const int depth = 6 * kLayerStep;
    const QSizeF card(kStock.width() - depth, kStock.height() - depth);
    for (int layer = stockLayers(picture); layer >= 1; --layer) {
        const double offset = layer * kLayerStep;
        drawCardBody(painter, QRectF(QPointF(offset, offset), card), 4, QColor(246, 246, 242), QColor(120, 120, 120));
    }
    drawBack(painter, QRectF(QPointF(0, 0), card), design);
    return image;
}

QImage draw(int design, DeckPicture picture) {
    switch (picture) {
    case DeckPicture::Back: return upright(design);
    case DeckPicture::SideBack: return deckPicture(design, DeckPicture::Back).transformed(QTransform().rotate(90));
    default: return stock(design, picture);
    }
}

}  // namespace

QSize deckPictureSize(int design, DeckPicture picture) {
    const QSize back = design == 5 ? kWideBack : kBack;
    switch (picture) {
    case DeckPicture::Back: return back;
    case DeckPicture::SideBack: return back.transposed();
    default: return kStock;
    }
}

// Each picture is drawn once and then shared, as the faces are.
QImage deckPicture(int design, DeckPicture picture) {
    if (!known(design)) return {};
    static std::array<std::array<QImage, std::size(kDeckPictures)>, kDeckDesigns> drawn;
    QImage& image = drawn[static_cast<std::size_t>(design - 1)][static_cast<std::size_t>(picture)];
    if (image.isNull()) image = draw(design, picture);
    return image;
}

}  // namespace art
