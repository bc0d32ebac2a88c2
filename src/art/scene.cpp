#include "art/scene.h"

#include "art/card_face.h"
#include "art/deck.h"
#include "art/painting.h"

#include <QRadialGradient>

namespace art {
namespace {

Suit suitOf(char letter) {
    switch (letter) {
    case 'C': return Suit::Clubs;
    case 'D': return Suit::Diamonds;
    case 'H': return Suit::Hearts;
    default: return Suit::Spades;
    }
}

int rankOf(std::string_view word) {
    if (word == "A") return 1;
    if (word == "J") return 11;
    if (word == "Q") return 12;
    if (word == "K") return 13;
    return word == "10" ? 10 : word.front() - '0';
}

// Shrinks with an area filter, which keeps small cards sharp.
QImage shrink(const QImage& image, QSize size) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

std::vector<Card> cards(std::string_view text) {
    std::vector<Card> result;
    while (!text.empty()) {
        const auto end = text.find(' ');
        const std::string_view word = text.substr(0, end);
        if (word.size() >= 2) result.push_back({suitOf(word.back()), rankOf(word.substr(0, word.size() - 1))});
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return result;
}

void paintFelt(QPainter& painter, QSize size) {
    QRadialGradient light(QPointF(size.width() / 2.0, size.height() / 2.0), std::max(size.width(), size.height()) * 0.7);
    light.setColorAt(0, QColor(18, 146, 18));
    light.setColorAt(1, QColor(0, 112, 0));
    painter.fillRect(QRect(QPoint(0, 0), size), light);
}

void drawFace(QPainter& painter, const QRect& rect, Card card) {
    painter.drawImage(rect.topLeft(), shrink(cardFace(card.suit, card.rank), rect.size()));
}

void drawBack(QPainter& painter, const QRect& rect) {
    const bool sideways = rect.width() > rect.height();
    const QImage back = deckPicture(1, sideways ? DeckPicture::SideBack : DeckPicture::Back);
    // The back's own corners are table green; cut them round so they sit on any cloth.
    QImage rounded(back.size(), QImage::Format_ARGB32_Premultiplied);
    rounded.fill(Qt::transparent);
    QPainter p(&rounded);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(back));
    p.drawRoundedRect(QRectF(rounded.rect()), 4, 4);
    p.end();
    painter.drawImage(rect.topLeft(), shrink(rounded, rect.size()));
}

void drawFaces(QPainter& painter, QPoint start, QSize size, QPoint step, const std::vector<Card>& row) {
    QPoint at = start;
    for (const Card& card : row) {
        drawFace(painter, QRect(at, size), card);
        at += step;
    }
}

void drawBacks(QPainter& painter, QPoint start, QSize size, QPoint step, int count) {
    for (int i = 0; i < count; ++i) drawBack(painter, QRect(start + step * i, size));
}

void drawEmptySpot(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(190, 230, 190, 170), 1, Qt::DashLine));
    painter.setBrush(QColor(0, 0, 0, 30));
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.restore();
}

void drawCaption(QPainter& painter, const QRectF& box, const QString& text, const QColor& color, int pixelSize,
                 Qt::Alignment align) {
    painter.save();
    QFont font = boldFont();
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferDefault);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, static_cast<int>(align), text);
    painter.restore();
}

}  // namespace art
